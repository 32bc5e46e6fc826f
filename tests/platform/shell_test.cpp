#include <gtest/gtest.h>

#include "platform/filesystem.h"
#include "platform/shell.h"
#include "platform/stream.h"
#include "support/temp_dir.h"

namespace vandrell {

TEST(OpenUrlMapping, SchemesPassUnchangedWhateverTheirCase) {
  EXPECT_EQ(MapURL("http://example.org/a#b"), "http://example.org/a#b");
  EXPECT_EQ(MapURL("HTTPS://example.org"), "HTTPS://example.org");
  EXPECT_EQ(MapURL("File:/tmp/x"), "File:/tmp/x");
}

TEST(OpenUrlMapping, WordThatNamesNoFileGetsTheWebScheme) {
  EXPECT_EQ(MapURL("www.example.org"), "http:www.example.org");
  EXPECT_EQ(MapURL("www.example.org#top"), "http:www.example.org#top");
}

TEST(OpenUrlMapping, ExistingRelativeFileBecomesAbsoluteFileAddress) {
  TempDir dir;
  const std::string before = CurrentDir();
  ASSERT_TRUE(ChangeDir(dir.path()));
  WriteFile("manual.html");
  const std::string expected = "file:" + RealPath(dir.file("manual.html"));
  EXPECT_EQ(MapURL("manual.html"), expected);
  EXPECT_EQ(MapURL("manual.html#chapter2"), expected + "#chapter2");
  ChangeDir(before);
}

}  // namespace vandrell
