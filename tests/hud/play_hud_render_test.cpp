// What a player sees of the play HUD, drawn on the software renderer with the
// game's own pictures: the bottom panel with items, the magnifier over a
// scene, and the resist meter half run.
#include <gtest/gtest.h>

#include <filesystem>

#include "hud/zoom.h"
#include "platform/draw.h"
#include "platform/pixmap.h"
#include "platform/window.h"
#include "play_hud_test_support.h"
#include "scene/item_art.h"
#include "scene/mission_book.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

constexpr int32_t WIDTH = 800;
constexpr int32_t HEIGHT = 600;
// The dusk blue of the scenes, so the colours read as in play.
constexpr uint32_t BACKDROP = 0x1E2A3C;

class PlayHudRenderTest : public PlayHudTest {
 protected:
  PlayHudRenderTest() : PlayHudTest(2) {}

  void SetUp() override {
    graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
    ASSERT_TRUE(graphics);
    SetGraphics(graphics);
    SetClsColor(BACKDROP >> 16, BACKDROP >> 8 & 255, BACKDROP & 255);
    namespace fs = std::filesystem;
    const fs::path data = fs::path(folder.path()) / "media" / "data";
    const fs::path source(VANDRELL_TEST_DATA);
    for (const char* font : {"1s", "2s"}) {
      fs::create_directories(data / font);
      fs::copy_file(source / "fonts" / "dejavu_sans_16", data / font / "font");
      fs::copy_file(source / "fonts" / "dejavu_sans_16.pixmap", data / font / "font.pixmap");
    }
    for (const char* picture : {"item.png", "item_hover.png", "item_border.png"}) {
      fs::copy_file(source / "scene" / picture, data / picture);
    }
    itemArt.emplace(tItemArt::Load());
  }
  void TearDown() override {
    CloseGraphics(graphics);
    SetClsColor(0, 0, 0);
    SetBlend(SOLIDBLEND);
    SetTransform(0.0f, 1.0f, 1.0f);
  }

  // A slot for a new item mission showing the test icon `icon`.
  void item(const std::string& id, const std::string& icon, float scale) {
    const auto mission = std::dynamic_pointer_cast<tItemMission>(
        missions.add(id, "itemmission", {}, {"0", "0", "1", "0"}, nullptr));
    tPanel::Current().items().add(mission, LoadPixmap(std::string(VANDRELL_TEST_DATA) + "/scene/" + icon), scale);
  }
  // The rows `top` to `top + height` of a frame of the whole HUD.
  static TPixmapPtr frame(int32_t top, int32_t height) {
    Cls();
    tGui::Current().render();
    return GrabPixmap(0, top, WIDTH, height);
  }

  TGraphicsPtr graphics;
  std::optional<tCurrentScope<tItemArt>> itemArt;
  tMissionBook missions;
};

TEST_F(PlayHudRenderTest, ThePanelWithItemsATaskAndHeldHints) {
  page("task", "Find the miller's tools");
  page("diary", "The mill");
  page("wheel_name", "Golden wheel");
  page("feather_name", "Feather");
  item("wheel", "goldwheel.png", 0.45f);
  item("feather", "feather.png", 1.0f);
  tPanel::Current().label().zeb_globalmission("task");
  tJournal::Current().addMessage("diary");
  movePointer(400, 200);
  run(30, 0.1f);
  const TPixmapPtr pixels = frame(460, 140);
  EXPECT_TRUE(MatchesReference(pixels, "play_hud_panel.png"));
}

// Stripes 10 pixels wide whose colour changes with each stripe and row band,
// so any misplaced or unscaled copy shows.
void drawStripes() {
  SetBlend(SOLIDBLEND);
  SetAlpha(1.0f);
  for (int32_t x = 0; x < WIDTH; x += 10) {
    for (int32_t y = 0; y < HEIGHT; y += 40) {
      SetColor(x * 255 / WIDTH, (x / 10 % 2) * 200, y * 255 / HEIGHT);
      DrawRect(static_cast<float>(x), static_cast<float>(y), 10.0f, 40.0f);
    }
  }
}

TEST_F(PlayHudRenderTest, TheLoupeShowsTheSceneUnderThePointerHalfAsLargeAgain) {
  tGuiSet pics;
  RenewZoom(pics);
  tZoom::Current().show();
  movePointer(405, 300);
  step(0.0f);
  Cls();
  drawStripes();
  const TPixmapPtr scene = GrabPixmap(0, 0, WIDTH, HEIGHT);
  M_PIC_POSTDRAW::sendto(pics, {tZoom::PASS});
  const TPixmapPtr pixels = GrabPixmap(0, 0, WIDTH, HEIGHT);
  // Inside the glass a point (dx, dy) from the pointer shows the scene at
  // (dx, dy) / 1.5 from it; outside the loupe the scene is untouched.
  // The points are on stripe centres, clear of the glass's sheen and rim.
  for (const auto& [dx, dy] : {std::pair{0, 0}, std::pair{-40, 0}, std::pair{30, 10}, std::pair{-20, -30},
                               std::pair{20, 35}}) {
    const int32_t x = 405 + dx * 3 / 2;
    const int32_t y = 300 + dy * 3 / 2;
    const uint32_t under = static_cast<uint32_t>(scene->ReadPixel(405 + dx, 300 + dy)) & 0xFFFFFF;
    EXPECT_TRUE(PixelNear(pixels, x, y, under, 24)) << dx << ", " << dy;
  }
  const uint32_t far = static_cast<uint32_t>(scene->ReadPixel(100, 100)) & 0xFFFFFF;
  EXPECT_TRUE(PixelNear(pixels, 100, 100, far, 0));
  EXPECT_TRUE(MatchesReference(GrabPixmap(250, 150, 300, 300), "play_hud_loupe.png"));

  // At the bottom edge it stays above the panel.
  movePointer(405, 598);
  step(0.0f);
  M_PIC_POSTDRAW::sendto(pics, {tZoom::PASS});
  EXPECT_EQ(tZoom::Current().v(), tZoom::BOTTOM);
}

TEST_F(PlayHudRenderTest, TheJournalOpenOnItsNewestPageOverTheShadedScene) {
  page("p1", "The mill");
  page("p2", "The miller left in a hurry.[br]His tools must still be somewhere in the mill,[br]"
             "under the dust of a whole winter.");
  tJournal::Current().addMessage("p1");
  tJournal::Current().addMessage("p2");
  tJournal::Current().show();
  movePointer(400, 100);
  run(5, 0.1f);
  Cls();
  drawStripes();
  tGui::Current().render();
  EXPECT_TRUE(MatchesReference(GrabPixmap(0, 0, WIDTH, HEIGHT), "play_hud_journal.png"));
}

TEST_F(PlayHudRenderTest, TheResistMeterHalfRun) {
  page("hurry", "Before the candle burns down");
  tResist::Current().zeb_resist(10.0f, "hurry", "__lost", 0.3f, 0.8f, 0.3f);
  run(25, 0.1f);
  ASSERT_NEAR(tResist::Current().timer(), 0.5f, 1e-3f);
  EXPECT_TRUE(MatchesReference(frame(0, 100), "play_hud_resist.png"));
}

}  // namespace

}  // namespace vandrell
