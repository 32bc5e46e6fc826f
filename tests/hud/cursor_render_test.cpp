// What a player sees of the cursor: its comment box beside it over an item
// of the bottom row, the attention mark, and the hover cursor that stands in
// for every scene shape while an item is held; drawn with the game's own
// pictures and font on the software renderer.
#include "cursor_test_support.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

class CursorRenderTest : public CursorTest {
 protected:
  static constexpr int32_t WIDTH = 240;
  static constexpr int32_t HEIGHT = 160;
  // The warm brown of the workshop's floor, so the colours read as in play.
  static constexpr uint32_t BACKDROP = 0x4A3426;

  void SetUp() override {
    graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
    ASSERT_TRUE(graphics);
    SetGraphics(graphics);
    SetClsColor(BACKDROP >> 16, BACKDROP >> 8 & 255, BACKDROP & 255);
    art.emplace(tCursorArt::Load());
    slots.emplace(tItemArt::Load());
  }
  void TearDown() override {
    CloseGraphics(graphics);
    SetClsColor(0, 0, 0);
    SetBlend(SOLIDBLEND);
  }

  // The frame as the application draws it: the GUI, then the cursor last.
  TPixmapPtr shot(int32_t x, int32_t y) {
    movePointer(x, y);
    frame();
    Cls();
    tGui::Current().render();
    M_CURSOR_RENDER::send({x, y});
    return GrabPixmap(0, 0, WIDTH, HEIGHT);
  }

  // Design units (0, 440) at the window's top-left corner: the bottom row.
  ScreenScope bottomRow{1, 1, 0, -440};
  std::optional<tCurrentScope<tCursorArt>> art;
  std::optional<tCurrentScope<tItemArt>> slots;
  TGraphicsPtr graphics;
};

TEST_F(CursorRenderTest, AnItemShowsItsCommentBesideTheHoverCursor) {
  item->icon(nullptr, 1.0f);
  raiseItem();
  EXPECT_TRUE(MatchesReference(shot(50, 90), "cursor_item_comment.png"));
}

TEST_F(CursorRenderTest, ShapeFiveCarriesTheAttentionMark) {
  level->picCursor = 5;
  pic->move(120, 460, 0);
  movePointer(170, 60);
  frame();
  frame(1.0f);  // the cross-fade is over
  EXPECT_TRUE(MatchesReference(shot(170, 60), "cursor_attention.png"));
}

TEST_F(CursorRenderTest, WhileAnItemIsHeldEveryShapeButTheNormalOneIsTheHoverCursor) {
  auto solid = std::make_shared<tCursorArt>();
  solid->shapes[-1] = RenderTest::imageOf(3, 3, std::vector<uint32_t>(9, 0xFFFF0000));
  solid->shapes[3] = RenderTest::imageOf(3, 3, std::vector<uint32_t>(9, 0xFF00FF00));
  art.reset();
  art.emplace(solid);
  level->picCursor = 3;
  pic->move(120, 460, 0);
  movePointer(170, 60);
  frame();
  frame(1.0f);  // the cross-fade is over
  EXPECT_TRUE(PixelNear(shot(170, 60), 170, 60, 0x00FF00));
  tMissionProperty::Current().hold(item->getMission());
  EXPECT_TRUE(PixelNear(shot(170, 60), 170, 60, 0xFF0000));

  settings->HARDWARECURSOR = 1;
  EXPECT_TRUE(PixelNear(shot(170, 60), 170, 60, BACKDROP)) << "the system pointer is drawn by the system";
}

TEST_F(CursorRenderTest, TheUniversalButtonPlainAndUnderThePointer) {
  tCurrentScope<tUnibuttonArt> buttonArt{tUnibuttonArt::Load()};
  auto button = std::make_shared<tUnibutton>();
  tGui::Current().insert(button);
  level->messages["open"] = tMessage::Create("Open the[br]drawer");
  button->zeb_unibutton("open", 120, 540, "");  // the middle of the window
  for (int frames = 0; frames < 20; ++frames) frame(0.1f);
  EXPECT_TRUE(MatchesReference(shot(230, 150), "unibutton.png"));
  movePointer(120, 70);
  for (int frames = 0; frames < 4; ++frames) frame(0.1f);  // the frame tightens
  EXPECT_TRUE(MatchesReference(shot(120, 70), "unibutton_hover.png"));
}

}  // namespace

}  // namespace vandrell
