#include "resources/strings.h"

#include <gtest/gtest.h>

#include "resources/media_lookup.h"
#include "resources/working_folder.h"
#include "support/log_capture.h"

namespace vandrell {

TEST(Strings, MissingFileLeavesEveryTextAsPlaceholder) {
  WorkingFolder folder;
  tFile::Current().loadLocale();
  tStrings strings;
  LogCapture log;
  strings.loadStrings();
  EXPECT_TRUE(log.contains("Can't load strings!"));
  EXPECT_EQ(strings.get("menu", "quit"), "(string)");
}

TEST(Strings, TextsComeFromTheLocaleFirstAndMissingKeysShowAPlaceholder) {
  WorkingFolder folder;
  WorkingFolder::put("locale", "de\n");
  WorkingFolder::put("media/data/strings", "[menu]\r\nquit=Quit\r\nclose=Close\r\n");
  WorkingFolder::put("de/media/data/strings", "[menu]\r\nquit=Beenden \xC3\xBC\r\n");
  tFile::Current().loadLocale();
  tStrings strings;
  LogCapture log;
  strings.loadStrings();
  EXPECT_TRUE(log.contains("Strings loaded."));
  EXPECT_EQ(strings.get("menu", "quit"), "Beenden \xC3\xBC");
  EXPECT_EQ(strings.get("menu", "close"), "(string)") << "the locale's file replaces the plain one entirely";
  EXPECT_EQ(strings.get("Menu", "quit"), "(string)");
  tFile::Current().loadLocale();
}

}  // namespace vandrell
