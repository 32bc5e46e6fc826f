// What a player sees of the in-game menu: the tab over the scene, and the
// main, options and failure pages over the shade, in the game's own fonts,
// pictures and texts on the software renderer.
#include "menu_test_support.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

class InGameMenuRenderTest : public InGameMenuTest {
 protected:
  static constexpr int32_t WIDTH = 800;
  static constexpr int32_t HEIGHT = 600;
  // The warm brown of the workshop's walls, so the tab's colours read as in
  // play.
  static constexpr uint32_t BACKDROP = 0x5A4030;

  void SetUp() override {
    graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
    ASSERT_TRUE(graphics);
    SetGraphics(graphics);
    SetClsColor(BACKDROP >> 16, BACKDROP >> 8 & 255, BACKDROP & 255);
    addPlayer(1, "Ada", 1);
    // The tab is built again with a context to load its pictures into.
    tGui::Current().objects().removeObject(tMenuCmd::shared());
    cmdScope.reset();
    cmdScope.emplace(std::make_shared<tMenuCmd>());
    tGui::Current().objects().insertBottom(tMenuCmd::shared());
    tMenuCmd::Current().show();
    movePointer(0, 599);
  }
  void TearDown() override {
    CloseGraphics(graphics);
    SetClsColor(0, 0, 0);
    SetBlend(SOLIDBLEND);
  }

  TPixmapPtr shot() {
    hoverPass();
    Cls();
    tGui::Current().render();
    return GrabPixmap(0, 0, WIDTH, HEIGHT);
  }
  // A corner of the frame: the tab is small.
  TPixmapPtr corner() {
    shot();
    return GrabPixmap(WIDTH - 160, 0, 160, 80);
  }

  TGraphicsPtr graphics;
};

TEST_F(InGameMenuRenderTest, TheTabRestsInTheCornerAndLightsUnderThePointer) {
  settle();  // the edge has grown to its full size
  EXPECT_TRUE(MatchesReference(corner(), "menu_tab.png"));
  movePointer(770, 15);
  settle();
  EXPECT_TRUE(MatchesReference(corner(), "menu_tab_hover.png"));
}

TEST_F(InGameMenuRenderTest, PagesOverTheShade) {
  ingame().show();
  settle();
  EXPECT_TRUE(MatchesReference(shot(), "menu_main.png"));
  ingame().go<M_MENU_OPTIONS>();
  EXPECT_TRUE(MatchesReference(shot(), "menu_options.png"));
  ingame().go<M_MENU_QUIT>();
  EXPECT_TRUE(MatchesReference(shot(), "menu_quit.png"));
}

TEST_F(InGameMenuRenderTest, TheFailurePage) {
  ingame().showFail();
  settle();
  EXPECT_TRUE(MatchesReference(shot(), "menu_fail.png"));
}

}  // namespace

}  // namespace vandrell
