#include "resources/config.h"

#include <gtest/gtest.h>

#include "platform/safe_file.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

using Names = std::vector<std::string>;

void parse(tConfigBase& config, const std::string& text, int32_t encoding = UTF8) {
  TTextStream stream(CreateBankStream(text), encoding);
  config.Load(stream);
}

std::string saved(tConfigBase& config, int32_t encoding = UTF8) {
  auto bank = std::make_shared<TBank>();
  TTextStream stream(std::make_shared<TBankStream>(bank), encoding);
  config.Save(stream);
  return std::string(bank->bytes().begin(), bank->bytes().end());
}

std::string value(const tConfigBase& config, const std::string& section, const std::string& name) {
  return config.GetString(section, name, "<missing>");
}

}  // namespace

TEST(ConfigLines, OnlyWholeLinesAreTrimmedAndTheFirstEqualsSplits) {
  tConfig config;
  parse(config, "  key = value \t\r\na=b=c\n=x\nkey2=\n");
  EXPECT_EQ(value(config, "", "key "), " value");
  EXPECT_EQ(value(config, "", "key"), "<missing>");
  EXPECT_EQ(value(config, "", "a"), "b=c");
  EXPECT_EQ(value(config, "", ""), "x");
  EXPECT_EQ(value(config, "", "key2"), "");
  EXPECT_EQ(config.GetInt("", "key2", 42), 0) << "a present but empty value is a number 0, not the default";
  EXPECT_EQ(config.GetInt("", "nothing", 42), 42);
}

TEST(ConfigLines, SectionFormsCommentsAndUnrecognisedLines) {
  tConfig config;
  parse(config,
        "top=1\n[x]\nin_x=1\n  [ x ]  \nin_spaced=1\n[a=b]\nin_ab=1\n[x\n[y=1\n# note = 5\n#[z]\n"
        "just words\n[]\nback=1\n");
  EXPECT_EQ(config.Sections(), (Names{"", " x ", "a=b", "x"}));
  EXPECT_EQ(config.Options(""), (Names{"back", "top"}));
  EXPECT_EQ(config.Options("x"), (Names{"in_x"}));
  EXPECT_EQ(config.Options(" x "), (Names{"in_spaced"}));
  EXPECT_EQ(config.Options("a=b"), (Names{"[y", "in_ab"})) << "'[x' is ignored, '[y=1' is an option named '[y'";
  EXPECT_EQ(config.Contains("z", ""), 0);
  EXPECT_EQ(config.Contains("", "# note "), 0);
}

TEST(ConfigLines, ClassificationOfSingleLines) {
  std::string first = "unchanged";
  std::string second = "unchanged";
  EXPECT_EQ(tConfigBase::TokensString("", first, second), tConfigBase::TOKEN_NONE);
  EXPECT_EQ(tConfigBase::TokensString("[", first, second), tConfigBase::TOKEN_NONE);
  EXPECT_EQ(first, "unchanged");
  EXPECT_EQ(tConfigBase::TokensString("#", first, second), tConfigBase::TOKEN_COMMENT);
  EXPECT_EQ(tConfigBase::TokensString("[]", first, second), tConfigBase::TOKEN_SECTION);
  EXPECT_EQ(first, "");
  EXPECT_EQ(tConfigBase::TokensString("]=[", first, second), tConfigBase::TOKEN_OPTION);
  EXPECT_EQ(first, "]");
  EXPECT_EQ(second, "[");
}

TEST(ConfigLines, LinesEndAtLineFeedOrZeroAndCarriageReturnsVanish) {
  tConfig config;
  parse(config, std::string("a=1\0b=2\rx\nc=\r3", 14));
  EXPECT_EQ(value(config, "", "a"), "1");
  EXPECT_EQ(value(config, "", "b"), "2x");
  EXPECT_EQ(value(config, "", "c"), "3");
}

TEST(ConfigLines, EncodingsDecodeIntoTheSameText) {
  const std::string utf16le("[\0s\0]\0\n\0k\0=\0\xE9\0\x3A\x26", 16);
  tConfig fromUtf16;
  parse(fromUtf16, utf16le, UTF16LE);
  EXPECT_EQ(value(fromUtf16, "s", "k"), "\xC3\xA9\xE2\x98\xBA");

  tConfig fromLatin1;
  fromLatin1.Load(CreateBankStream(std::string("k=\xE9\n")));
  EXPECT_EQ(value(fromLatin1, "", "k"), "\xC3\xA9") << "a plain byte stream is one byte per character";
}

TEST(ConfigLines, NamesAreCaseSensitive) {
  tConfig config;
  parse(config, "[Abc]\nKey=1\n[abc]\nkey=2\n");
  EXPECT_EQ(config.Sections(), (Names{"Abc", "abc"}));
  EXPECT_EQ(value(config, "Abc", "Key"), "1");
  EXPECT_EQ(value(config, "Abc", "key"), "<missing>");
  EXPECT_EQ(value(config, "abc", "key"), "2");
}

TEST(ConfigRepeats, PlainConfigKeepsTheLastValueMultiConfigKeepsEveryLine) {
  const std::string text = "[s]\nk=1\n[t]\n[s]\nk=2\n";
  tConfig plain;
  parse(plain, text);
  EXPECT_EQ(value(plain, "s", "k"), "2");
  EXPECT_EQ(plain.Options("s"), (Names{"k"}));

  tMultiConfig multi;
  parse(multi, text);
  EXPECT_EQ(value(multi, "s", "k"), "1");
  EXPECT_EQ(multi.Options("s"), (Names{"k", "k"}));
  EXPECT_EQ(multi.Sections(), (Names{"s", "t"}));
}

TEST(ConfigRepeats, MultiConfigSetReplacesTheFirstRecordAndSharesItsRecords) {
  tMultiConfig multi;
  parse(multi, "[s]\nb=1\na=2\nb=3\n");
  multi.Set("s", "b", "9");
  multi.Set("s", "c", "4");
  ASSERT_EQ(multi.OptionsOptions("s").size(), 4u);
  EXPECT_EQ(multi.Options("s"), (Names{"b", "a", "b", "c"}));
  EXPECT_EQ(multi.OptionsOptions("s")[0]->memo, "9");
  EXPECT_EQ(multi.OptionsOptions("s")[2]->memo, "3");

  multi.OptionsOptions("s")[1]->memo = "changed";
  EXPECT_EQ(value(multi, "s", "a"), "changed");

  tConfig plain;
  parse(plain, "[s]\na=2\n");
  plain.OptionsOptions("s")[0]->memo = "changed";
  EXPECT_EQ(value(plain, "s", "a"), "2") << "a plain configuration hands out copies";
}

TEST(ConfigStructure, ContainsAndSectionLifecycle) {
  std::vector<std::unique_ptr<tConfigBase>> kinds;
  kinds.push_back(std::make_unique<tConfig>());
  kinds.push_back(std::make_unique<tMultiConfig>());
  kinds.push_back(std::make_unique<tOrderConfig>());
  for (const auto& config : kinds) {
    config->AddSection("empty");
    config->AddOption("s", "k", "v");
    EXPECT_EQ(config->Contains("empty", ""), 1);
    EXPECT_EQ(config->Contains("empty", "k"), 0);
    EXPECT_EQ(config->Contains("s", "k"), 1);
    EXPECT_EQ(config->Contains("missing", ""), 0);
    EXPECT_EQ(config->Contains("missing", "k"), 0);
    config->AddSection("s");
    EXPECT_EQ(config->Contains("s", "k"), 1) << "adding an existing section keeps its options";
    config->RemoveSection("s");
    EXPECT_EQ(config->Contains("s", ""), 0);
    EXPECT_TRUE(config->Options("s").empty());
    EXPECT_TRUE(config->OptionsOptions("s").empty());
    config->Clear();
    EXPECT_TRUE(config->Sections().empty());
  }
}

TEST(ConfigStructure, OrderConfigKeepsCreationOrder) {
  tOrderConfig config;
  parse(config, "[b]\n[a]\nx=1\n[c]\n[a]\n");
  EXPECT_EQ(config.Sections(), (Names{"b", "a", "c"}));
  config.RemoveSection("a");
  config.SetInt("z", "k", 1);
  EXPECT_EQ(config.Sections(), (Names{"b", "c", "z"}));
  EXPECT_EQ(saved(config), "\r\n[b]\r\n\r\n[c]\r\n\r\n[z]\r\nk=1\r\n");
}

TEST(ConfigSave, UnnamedSectionFirstThenSortedSectionsWithCrLf) {
  tConfig config;
  config.SetString("b", "y", "2");
  config.SetString("b", "x", "1");
  config.SetString("a", "k", "v");
  config.SetString("", "top", "t");
  EXPECT_EQ(saved(config), "top=t\r\n\r\n[a]\r\nk=v\r\n\r\n[b]\r\nx=1\r\ny=2\r\n");

  tMultiConfig multi;
  multi.AddOption("s", "b", "1");
  multi.AddOption("s", "a", "2");
  multi.AddOption("s", "b", "3");
  EXPECT_EQ(saved(multi), "\r\n[s]\r\nb=1\r\na=2\r\nb=3\r\n");
}

TEST(ConfigSave, CommentsDoNotSurviveButEverythingElseRoundTrips) {
  tConfig config;
  parse(config, "# gone\nname=Zo\xC3\xAB =x\n[s p]\nk= v \n");
  const std::string text = saved(config, UTF16BE);
  tConfig again;
  parse(again, text, UTF16BE);
  EXPECT_EQ(value(again, "", "name"), "Zo\xC3\xAB =x");
  EXPECT_EQ(value(again, "s p", "k"), " v");
  EXPECT_EQ(saved(again), "name=Zo\xC3\xAB =x\r\n\r\n[s p]\r\nk= v\r\n");
}

TEST(ConfigTyped, IntegerConversionBasesSignsAndStops) {
  tConfig config;
  parse(config,
        "dec=  -42abc\nhex=$fF\nneghex=-$10\nbin=%1012\nplus=+7\nword=yes\nbare=$\nwrap=4294967297\n"
        "float=1.5e2x\nnumber=.25\n");
  EXPECT_EQ(config.GetInt("", "dec", 0), -42);
  EXPECT_EQ(config.GetInt("", "hex", 0), 255);
  EXPECT_EQ(config.GetInt("", "neghex", 0), -16);
  EXPECT_EQ(config.GetInt("", "bin", 0), 5);
  EXPECT_EQ(config.GetInt("", "plus", 0), 7);
  EXPECT_EQ(config.GetInt("", "word", 9), 0);
  EXPECT_EQ(config.GetInt("", "bare", 9), 0);
  EXPECT_EQ(config.GetInt("", "wrap", 0), 1);
  EXPECT_FLOAT_EQ(config.GetFloat("", "float", 0.0f), 150.0f);
  EXPECT_DOUBLE_EQ(config.GetDouble("", "number", 0.0), 0.25);
  EXPECT_FLOAT_EQ(config.GetFloat("", "word", 3.0f), 0.0f);
  EXPECT_DOUBLE_EQ(config.GetDouble("missing", "x", 2.5), 2.5);
}

TEST(ConfigTyped, SettersWriteTheirTextForms) {
  tConfig config;
  config.SetFloat("n", "f", 1.5f);
  config.SetDouble("n", "d", 0.1);
  config.SetInt("n", "i", -2147483647 - 1);
  EXPECT_EQ(value(config, "n", "f"), "1.50000000");
  EXPECT_EQ(value(config, "n", "d"), "0.10000000000000001");
  EXPECT_EQ(value(config, "n", "i"), "-2147483648");
  EXPECT_EQ(config.GetInt("n", "i", 0), -2147483647 - 1);
  EXPECT_FLOAT_EQ(config.GetFloat("n", "f", 0.0f), 1.5f);
}

TEST(ConfigFiles, LoadRemembersAMissingFileSoSaveCreatesIt) {
  TempDir dir;
  const std::string url = dir.file("options");
  tConfig config;
  config.SetString("keep", "k", "v");
  EXPECT_EQ(config.LoadFile(url, UTF8), 0);
  EXPECT_EQ(config.Contains("keep", "k"), 1) << "a failed load leaves the content alone";
  EXPECT_EQ(config.srcUrl, url);
  EXPECT_EQ(config.SaveFile(), 1);

  tConfig reread;
  EXPECT_EQ(reread.LoadFile(url, UTF8), 1);
  EXPECT_EQ(value(reread, "keep", "k"), "v");
}

TEST(ConfigFiles, SavingIntoAMissingFolderFailsAndKeepsNothingHalfWritten) {
  TempDir dir;
  tConfig config;
  config.SetString("", "k", "v");
  EXPECT_EQ(config.SaveFileAs(dir.file("no/such/folder/options"), UTF8), 0);
  EXPECT_EQ(config.srcUrl, "");

  const std::string url = dir.file("options");
  ASSERT_EQ(config.SaveFileAs(url, UTF8), 1);
  config.SetString("", "k", "w");
  ASSERT_EQ(config.SaveFileAs(url, UTF8), 1);
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(LoadFileBytes(url, bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "k=w\r\n") << "saving replaces the whole file";

  config.SetString("", "k", "lost");
  SimulateWriteFailureAfter(2);
  EXPECT_EQ(config.SaveFileAs(url, UTF8), 0);
  SimulateWriteFailureAfter(-1);
  ASSERT_TRUE(LoadFileBytes(url, bytes));
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "k=w\r\n") << "a failed save keeps the previous file";
}

TEST(ConfigFiles, ByteOrderMarkOfAnEditorDoesNotHideTheFirstSection) {
  tConfig config;
  parse(config, "\xEF\xBB\xBF[s]\nk=1\n");
  EXPECT_EQ(value(config, "s", "k"), "1");
}

}  // namespace vandrell
