#include "resources/media_lookup.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/png_codec.h"
#include "resources/working_folder.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

std::string content(const TStreamPtr& stream) {
  if (!stream) return "<missing>";
  const std::vector<uint8_t> bytes = stream->readAll();
  return std::string(bytes.begin(), bytes.end());
}

// Builds an archive in the working folder; the source files are removed
// again so that only the archive can serve them.
void pack(const std::string& archive, const std::map<std::string, std::string>& files) {
  std::vector<std::string> names;
  for (const auto& [name, bytes] : files) {
    WorkingFolder::put(name, bytes);
    names.push_back(name);
  }
  ASSERT_TRUE(tPak::make(archive, names).empty());
  for (const std::string& name : names) DeleteFile(name);
}

void putPng(const std::string& path, int32_t width, int32_t height) {
  TPixmapPtr pixmap = TPixmap::Create(width, height);
  pixmap->ClearPixels(static_cast<int32_t>(0xFF336699u));
  if (!ExtractDir(path).empty()) CreateDir(ExtractDir(path));
  ASSERT_TRUE(SavePixmapPNG(*pixmap, path));
}

class MediaLookup : public ::testing::Test {
 protected:
  ~MediaLookup() override { tPak::pakCaseSensitive = true; }

  WorkingFolder folder;
  tFile files{folder.root()};
};

}  // namespace

TEST_F(MediaLookup, LocaleFileListsNamesTrimmedInOrderEmptyLinesIncluded) {
  EXPECT_EQ(files.loadLocale(), 0);
  EXPECT_TRUE(files.locales().empty());
  WorkingFolder::put("locale", " de \r\n\r\nfr\t\n");
  files.loadLocale();
  EXPECT_EQ(files.locales(), (std::vector<std::string>{"de", "", "fr"}));
  WorkingFolder::put("locale", "");
  files.loadLocale();
  EXPECT_TRUE(files.locales().empty()) << "a new list replaces the old one";
}

TEST_F(MediaLookup, FoldersOfEarlierLocalesOverrideLaterOnesAndThePlainFolder) {
  WorkingFolder::put("locale", "de\nfr\n");
  WorkingFolder::put("de/media/a", "de a");
  WorkingFolder::put("fr/media/a", "fr a");
  WorkingFolder::put("media/a", "plain a");
  WorkingFolder::put("fr/media/b", "fr b");
  WorkingFolder::put("media/b", "plain b");
  WorkingFolder::put("media/c", "plain c");
  CreateDir("de/media/c");
  files.loadLocale();
  LogCapture log;
  EXPECT_EQ(content(files.media("a")), "de a");
  EXPECT_EQ(content(files.media("b")), "fr b");
  EXPECT_EQ(content(files.media("c")), "plain c") << "a folder of that name is no file";
  EXPECT_EQ(files.media("d"), nullptr);
  EXPECT_EQ(files.file("media"), nullptr) << "folders are never opened as files";
  EXPECT_FALSE(log.contains("from pak!")) << "without archives nothing is missing from them";
}

TEST_F(MediaLookup, LocaleArchivesOverrideDataAndMissingEntriesFallBackToFolders) {
  WorkingFolder::put("locale", "de\nfr\n");
  pack("fr", {{"media/Both.png", "fr both"}, {"media/fr-only", "fr only"}});
  pack("data", {{"media/both.png", "data both"}, {"media/data-only", "data only"}, {"locations/l1/objects.cfg", "l"}});
  WorkingFolder::put("de/media/folder-only", "de folder");
  files.loadLocale();
  files.loadPak();
  EXPECT_FALSE(tPak::pakCaseSensitive);

  LogCapture log;
  EXPECT_EQ(content(files.media("both.png")), "fr both");
  EXPECT_EQ(content(files.media("BOTH.PNG")), "fr both") << "entry names ignore case";
  EXPECT_EQ(content(files.media("fr-only")), "fr only");
  EXPECT_EQ(content(files.media("data-only")), "data only");
  EXPECT_EQ(content(files.level("l1/objects.cfg")), "l");
  EXPECT_TRUE(log.lines().empty());

  EXPECT_EQ(content(files.media("folder-only")), "de folder");
  EXPECT_TRUE(log.contains("Can't load media/folder-only from pak!"));
  log.clear();
  EXPECT_EQ(files.media("nowhere"), nullptr);
  EXPECT_TRUE(log.contains("Can't load media/nowhere from pak!"));
}

TEST_F(MediaLookup, OptionalFilesAreProbedWithoutTheNoticeWhileRequiredOnesRaiseIt) {
  pack("data", {{"music/theme.ogg", "music"}, {"locations/l1/location.cfg", "l"}});
  files.loadPak();
  LogCapture log;
  EXPECT_EQ(files.musicVolume("theme"), nullptr);
  EXPECT_EQ(files.level("l1/music.cfg", tFile::OPTIONAL), nullptr);
  EXPECT_EQ(files.media("data/url", tFile::OPTIONAL), nullptr);
  EXPECT_TRUE(log.lines().empty());
  EXPECT_EQ(files.level("l1/objects.cfg"), nullptr);
  EXPECT_TRUE(log.contains("Can't load locations/l1/objects.cfg from pak!"));
  EXPECT_EQ(content(files.level("l1/location.cfg", tFile::OPTIONAL)), "l") << "a probe still finds what is there";
}

TEST_F(MediaLookup, FilesAreFoundInTheRootWhateverTheWorkingFolder) {
  TempDir elsewhere;
  WorkingFolder::put("locale", "de\n");
  WorkingFolder::put("de/media/a", "de a");
  WorkingFolder::put("media/b", "plain b");
  files.loadLocale();
  ASSERT_TRUE(ChangeDir(elsewhere.path()));
  EXPECT_EQ(content(files.media("a")), "de a");
  EXPECT_EQ(content(files.media("b")), "plain b");
  tFile other(elsewhere.path() + "/");
  EXPECT_EQ(other.media("b"), nullptr);
}

TEST_F(MediaLookup, TypedNamesUseTheirFoldersAndExtensions) {
  WorkingFolder::put("media/click.ogg", "sound");
  WorkingFolder::put("music/theme.ogg", "music");
  WorkingFolder::put("music/theme.ogg.vol", "volume");
  WorkingFolder::put("locations/intro/location.cfg", "level");
  EXPECT_EQ(content(files.sound("click")), "sound");
  EXPECT_EQ(content(files.music("theme")), "music");
  EXPECT_EQ(content(files.musicVolume("theme")), "volume");
  EXPECT_EQ(content(files.level("intro/location.cfg")), "level");
}

TEST_F(MediaLookup, ImagesOfOneFileShareOneDecodedPixmap) {
  putPng("media/pic.png", 4, 2);
  tCacheResourceManager cache;
  LogCapture log;
  TImagePtr defaults = files.image("pic.png", -1, cache);
  TImagePtr filtered = files.image("pic.png", FILTEREDIMAGE, cache);
  ASSERT_TRUE(defaults);
  ASSERT_TRUE(filtered);
  EXPECT_NE(defaults, filtered);
  EXPECT_EQ(filtered->flags, FILTEREDIMAGE);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"rm> pic.png", "rm> pic.png@image_-1", "rm> pic.png@image_2"}));

  TPixmapPtr pixmap = files.pixmap("pic.png", cache);
  EXPECT_EQ(filtered->pixmaps.at(0), pixmap) << "the second image was made from the cached pixmap";
  EXPECT_EQ(files.image("pic.png", -1, cache), defaults);
  EXPECT_EQ(log.lines().size(), 3u) << "requests for known keys register nothing";

  TImagePtr strip = files.anim("pic.png", 2, 2, 0, 2, -1, cache);
  ASSERT_TRUE(strip);
  EXPECT_EQ(strip->frameCount(), 2);
  EXPECT_EQ(log.lines().back(), "rm> pic.png@anim_2_2_0_2_-1");
  EXPECT_EQ(files.anim("pic.png", 2, 2, 0, 2, -1, cache), strip);
  EXPECT_NE(files.anim("pic.png", 2, 2, 1, 1, -1, cache), strip);
}

TEST_F(MediaLookup, NullManagerDecodesEveryTimeAndLogsNothing) {
  putPng("media/pic.png", 2, 2);
  LogCapture log;
  TPixmapPtr first = files.pixmap("pic.png", rmNull());
  TPixmapPtr second = files.pixmap("pic.png", rmNull());
  ASSERT_TRUE(first);
  ASSERT_TRUE(second);
  EXPECT_NE(first, second);
  EXPECT_NE(files.image("pic.png", 2, rmNull()), files.image("pic.png", 2, rmNull()));
  EXPECT_TRUE(log.lines().empty());
}

TEST_F(MediaLookup, MissingOrBrokenMediaIsNullAndNotRemembered) {
  tCacheResourceManager cache;
  WorkingFolder::put("media/broken.png", "not an image");
  LogCapture log;
  EXPECT_EQ(files.pixmap("missing.png", cache), nullptr);
  EXPECT_EQ(files.image("broken.png", -1, cache), nullptr);
  EXPECT_EQ(files.anim("missing.png", 1, 1, 0, 1, -1, cache), nullptr);
  EXPECT_FALSE(log.contains("rm> "));

  putPng("media/missing.png", 1, 1);
  EXPECT_NE(files.pixmap("missing.png", cache), nullptr) << "a file that appears later is found";
}

TEST_F(MediaLookup, AKeyHoldingAnotherKindOfObjectYieldsNothing) {
  putPng("media/pic.png", 2, 2);
  tCacheResourceManager cache;
  cache.Resource("pic.png", std::make_shared<std::string>("a font, say"));
  EXPECT_EQ(files.pixmap("pic.png", cache), nullptr);
  EXPECT_EQ(files.image("pic.png", -1, cache), nullptr);
}

}  // namespace vandrell
