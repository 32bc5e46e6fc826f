// The screenshot switches: each frame is taken from the back buffer just
// before it is shown, so the files hold what the player saw.
#include <gtest/gtest.h>

#include "core/automation.h"
#include "platform/filesystem.h"
#include "platform/window.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

// Runs frames until the limit, clearing frame n to the grey level 10 n.
void runFrames(const std::vector<std::string>& args) {
  tAutomation automation;
  automation.parse(args);
  TGraphicsPtr graphics = CreateGraphics(16, 8, 0, 0, 2);
  ASSERT_TRUE(graphics);
  SetGraphics(graphics);
  automation.start(60);
  while (!automation.endFrame()) {
    const int32_t grey = automation.frame() * 10;
    SetClsColor(grey, grey, grey);
    Cls();
    Flip(0);
  }
  CloseGraphics(graphics);
  SetClsColor(0, 0, 0);
}

uint32_t shotPixel(const std::string& path) {
  TPixmapPtr shot = LoadPixmap(path);
  return shot ? static_cast<uint32_t>(shot->ReadPixel(15, 7)) : 0;
}

}  // namespace

TEST(AutomationShot, WritesTheLastFrameShownBeforeTheFrameLimit) {
  TempDir dir;
  const std::string folder = dir.file("shots/nested");
  runFrames({"vandrell", "-frames", "5", "-shot", folder});
  // The fifth frame ends the run before it is drawn: the fourth was the last shown.
  EXPECT_EQ(shotPixel(folder + "/frame_000004.png"), 0xFF282828u);
  EXPECT_EQ(FileType(folder + "/frame_000003.png"), FILETYPE_NONE);
}

TEST(AutomationShot, WritesEveryNthFrameAndTheLastOnce) {
  TempDir dir;
  runFrames({"vandrell", "-shotevery", "2", "-frames", "6", "-shot", dir.path()});
  EXPECT_EQ(shotPixel(dir.file("frame_000002.png")), 0xFF141414u);
  EXPECT_EQ(shotPixel(dir.file("frame_000004.png")), 0xFF282828u);
  EXPECT_EQ(shotPixel(dir.file("frame_000005.png")), 0xFF323232u);
  EXPECT_EQ(FileType(dir.file("frame_000001.png")), FILETYPE_NONE);
  EXPECT_EQ(FileType(dir.file("frame_000003.png")), FILETYPE_NONE);
}

}  // namespace vandrell
