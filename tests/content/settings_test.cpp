// The files beside the program: the options a new player starts with and the locale list.
#include "content_tree.h"
#include "platform/text_stream.h"
#include "resources/config.h"

namespace vandrell {

namespace {

using ContentSettingsTest = ContentTest;

TEST_F(ContentSettingsTest, NewPlayersStartWindowedWithTheDrawnCursorAndFullVolume) {
  tConfig options;
  ASSERT_EQ(options.LoadFile(root() + "/default", UTF8), 1);
  // Missing keys would read as 0 and silence the game, so each must be there.
  for (const char* key : {"fullscreen", "pointer", "sound", "music"}) {
    EXPECT_EQ(options.Contains("", key), 1) << key;
  }
  EXPECT_EQ(options.GetInt("", "fullscreen", -1), 0);
  EXPECT_EQ(options.GetInt("", "pointer", -1), 0);
  EXPECT_FLOAT_EQ(options.GetFloat("", "sound", 0), 1.0f);
  EXPECT_FLOAT_EQ(options.GetFloat("", "music", 0), 1.0f);
}

TEST_F(ContentSettingsTest, LocaleListNamesTheEnglishArchive) {
  TStreamPtr locale = ReadFile(root() + "/locale");
  ASSERT_NE(locale, nullptr);
  EXPECT_EQ(locale->readLine(), "en");
  if (packed()) {
    EXPECT_NE(ReadFile(root() + "/en"), nullptr);
  }
}

}  // namespace

}  // namespace vandrell
