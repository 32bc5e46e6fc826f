// Graphics contexts and back ends on the headless machine, where only the
// software renderer exists.
#include <gtest/gtest.h>

#include "platform/draw.h"
#include "platform/window.h"
#include "support/log_capture.h"

namespace vandrell {

TEST(Graphics, BackEndsNameThemselves) {
  EXPECT_EQ(GraphicsDriverName(GFXDRIVER_OPENGL), "OpenGL");
  EXPECT_EQ(GraphicsDriverName(GFXDRIVER_DIRECTX7), "DirectX7");
  EXPECT_EQ(GraphicsDriverName(GFXDRIVER_DIRECTX9), "DirectX9");
  EXPECT_EQ(GraphicsDriverName(GFXDRIVER_SOFTWARE), "Software");
}

TEST(Graphics, ABackEndTheMachineLacksFallsBackToTheDefaultWithALogLine) {
  for (int32_t driver : {GFXDRIVER_OPENGL, GFXDRIVER_DIRECTX7, GFXDRIVER_DIRECTX9}) {
    LogCapture log;
    SetGraphicsDriver(driver);
    EXPECT_EQ(GraphicsDriver(), GFXDRIVER_SOFTWARE);
    EXPECT_TRUE(log.contains("Graphics back end " + GraphicsDriverName(driver) + " is not available; using Software"));
  }
  LogCapture log;
  SetGraphicsDriver(42);
  EXPECT_TRUE(log.contains("Graphics back end 42 is not available"));
  log.clear();
  SetGraphicsDriver(GFXDRIVER_DEFAULT);
  EXPECT_TRUE(log.lines().empty()) << "the default needs no excuse";

  // The context exists, and names the back end it actually runs on.
  SetGraphicsDriver(GFXDRIVER_OPENGL);
  TGraphicsPtr graphics = CreateGraphics(16, 16, 0, 0, 2);
  ASSERT_TRUE(graphics);
  SetGraphics(graphics);
  EXPECT_EQ(GraphicsDriverName(), "Software");
  CloseGraphics(graphics);
  SetGraphicsDriver(GFXDRIVER_DEFAULT);
}

TEST(Graphics, ClsFillsWithTheClearColourAndFlipPresents) {
  TGraphicsPtr graphics = CreateGraphics(8, 6, 0, 0, 2);
  ASSERT_TRUE(graphics);
  SetGraphics(graphics);
  EXPECT_EQ(GraphicsWidth(), 8);
  EXPECT_EQ(GraphicsHeight(), 6);
  SetClsColor(10, 20, 30);
  int32_t r = 0, g = 0, b = 0;
  GetClsColor(r, g, b);
  EXPECT_EQ((std::vector<int32_t>{r, g, b}), (std::vector<int32_t>{10, 20, 30}));
  SetViewport(0, 0, 2, 2);  // the viewport limits drawing, not clearing
  Cls();
  TPixmapPtr screen = GrabPixmap(0, 0, 8, 6);
  EXPECT_EQ(static_cast<uint32_t>(screen->ReadPixel(7, 5)), 0xFF0A141Eu);
  Flip(0);
  Flip(1);
  SetClsColor(0, 0, 0);
  CloseGraphics(graphics);
  EXPECT_EQ(GraphicsWidth(), 0);
  Flip(0);  // no context: nothing
  Cls();
}

TEST(Graphics, CreateGraphicsRefusesEmptySizes) {
  EXPECT_FALSE(CreateGraphics(0, 10, 0, 0, 2));
  EXPECT_FALSE(CreateGraphics(10, -1, 0, 0, 2));
}

}  // namespace vandrell
