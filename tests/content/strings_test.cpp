// The strings file answers every question the game asks, in words the fonts can draw.
#include <regex>

#include "content_tree.h"
#include "platform/text_stream.h"
#include "resources/config.h"

namespace vandrell {

namespace {

struct Section {
  std::vector<const char*> names;
  std::vector<const char*> keys;
};

// Every section and key the menus, journal and loading screen ask for.
const Section kAsked[] = {
    {{"journal"}, {"title", "close"}},
    {{"menu"}, {"button", "close", "options", "restart", "quit"}},
    {{"menuOptions"},
     {"title", "fullscreen", "fullscreenOn", "fullscreenOff", "pointer", "pointerOn", "pointerOff", "music", "minus",
      "plus", "sound", "close"}},
    {{"menuQuit", "menuRestart", "menuTerminate"}, {"title", "yes", "no"}},
    {{"menuFail"}, {"title", "comment", "yes", "no"}},
    {{"menuWindowed", "menuOrientation"}, {"title", "close"}},
    {{"mmenu"},
     {"start", "continue", "level", "diary", "extra", "extraCounter", "options", "credits", "zeb", "quit"}},
    {{"mmenuQuit", "mmenuRemove"}, {"title", "yes", "no"}},
    {{"mmenuProfile"}, {"title", "comment"}},
    {{"mmenuSelect"}, {"title", "comment", "empty"}},
    {{"mmenuCreate"}, {"title", "yes", "no", "duplicated", "empty"}},
    {{"mmenuLevel", "mmenuDiary"}, {"title", "back", "next", "close"}},
    {{"mmenuDiarypage"}, {"close", "back", "next"}},
    {{"mmenuZeb"}, {"url", "close"}},
    {{"url"}, {"zeb"}},
    {{"loading"}, {"title"}},
};

class ContentStringsTest : public ContentTest {
 protected:
  void SetUp() override {
    ContentTest::SetUp();
    if (IsSkipped()) return;
    for (ContentLayout& layout : open("media/data/strings")) {
      ASSERT_NE(layout.stream, nullptr) << "strings missing (" << layout.name << ")";
      TTextStream text(layout.stream, UTF8);
      auto config = std::make_unique<tConfig>();
      config->Load(text);
      strings.push_back({layout.name, std::move(config)});
    }
  }

  std::vector<std::pair<std::string, std::unique_ptr<tConfig>>> strings;
};

TEST_F(ContentStringsTest, EveryAskedKeyHasText) {
  for (const auto& [where, config] : strings) {
    for (const Section& section : kAsked) {
      for (const char* name : section.names) {
        for (const char* key : section.keys) {
          EXPECT_NE(config->GetString(name, key, ""), "") << where << ": " << name << "/" << key;
        }
      }
    }
  }
}

TEST_F(ContentStringsTest, FormatsCarryTheValuesTheGameFillsIn) {
  // These texts go through the string formatter with the given values; any other
  // conversion would print garbage or nothing.
  const std::regex conversion("%[-+ 0#]*[0-9]*(\\.[0-9]+)?[a-zA-Z%]");
  struct Format {
    const char* section;
    const char* key;
    std::vector<std::string> conversions;
  };
  const Format formats[] = {
      {"journal", "title", {"%d", "%d"}},       // page number, page count
      {"mmenu", "extraCounter", {"%d"}},        // new extras
      {"mmenuProfile", "title", {"%s"}},        // the player's name
      {"mmenuRemove", "yes", {"%s"}},           // the player's name
  };
  for (const auto& [where, config] : strings) {
    for (const Format& format : formats) {
      const std::string text = config->GetString(format.section, format.key, "");
      std::vector<std::string> found;
      for (auto it = std::sregex_iterator(text.begin(), text.end(), conversion); it != std::sregex_iterator(); ++it) {
        found.push_back(it->str());
      }
      EXPECT_EQ(found, format.conversions) << where << ": " << format.section << "/" << format.key << " = " << text;
    }
  }
}

TEST_F(ContentStringsTest, EveryTextStaysWithinTheFontsLatin1) {
  for (const auto& [where, config] : strings) {
    for (const std::string& section : config->Sections()) {
      for (const auto& option : config->OptionsOptions(section)) {
        for (size_t i = 0; i < option->memo.size();) {
          const uint32_t code = DecodeUtf8(option->memo, i);
          EXPECT_TRUE(code >= 32 && code <= 0xFF && (code < 0x7F || code >= 0xA0))
              << where << ": " << section << "/" << option->name << " has U+" << std::hex << code;
        }
      }
    }
  }
}

}  // namespace

}  // namespace vandrell
