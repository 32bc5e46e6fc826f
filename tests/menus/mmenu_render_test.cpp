// What a player sees of each page of the main menu, in the game's own fonts
// and texts, drawn on the software renderer over a dark backdrop.
#include "mmenu_test_support.h"
#include "platform/draw.h"
#include "platform/window.h"
#include "support/render_fixture.h"

namespace vandrell {

namespace {

class MMenuRenderTest : public MMenuTest {
 protected:
  static constexpr int32_t WIDTH = 800;
  static constexpr int32_t HEIGHT = 600;
  // The dusk blue of the menu level's street, so the colours read as in play.
  static constexpr uint32_t BACKDROP = 0x1E2A3C;

  void SetUp() override {
    graphics = CreateGraphics(WIDTH, HEIGHT, 0, 0, 2);
    ASSERT_TRUE(graphics);
    SetGraphics(graphics);
    SetClsColor(BACKDROP >> 16, BACKDROP >> 8 & 255, BACKDROP & 255);
    // The pointer rests in a corner, away from every button.
    movePointer(0, 0);
  }
  void TearDown() override {
    CloseGraphics(graphics);
    SetClsColor(0, 0, 0);
    SetBlend(SOLIDBLEND);
  }

  // The players of a game in progress: Ada has played, Émilie is new.
  void players() {
    addPlayer(2, "\xC3\x89milie");
    addPlayer(1, "Ada", 1);
  }
  TPixmapPtr frame() {
    hoverPass();
    Cls();
    tGui::Current().render();
    return GrabPixmap(0, 0, WIDTH, HEIGHT);
  }

  TGraphicsPtr graphics;
};

TEST_F(MMenuRenderTest, MainAndOptionsPagesUnderThePlayersName) {
  players();
  build();
  menu().show();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_main.png"));
  menu().go<M_MMENU_OPTIONS>();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_options.png"));
  menu().go<M_MMENU_QUIT>();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_quit.png"));
  level->plaque = std::make_shared<tPlacedPic>(400, 330);
  menu().go<M_MMENU_ZEB>();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_zeb.png"));
}

TEST_F(MMenuRenderTest, PlayerPages) {
  players();
  profile().user(0);
  build();
  menu().show();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_select.png"));
  profile().user(2);
  menu().go<M_MMENU_REMOVE>();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_remove.png"));
  profile().user(3);
  menu().go<M_MMENU_CREATE>();
  type(U"\u00E9milie");
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_create.png")) << "the name taken, with its notice";
}

TEST_F(MMenuRenderTest, ChapterPagesOfAFinishedStory) {
  players();
  profile().progress(5);  // past the last level
  profile().finish();
  profile().finishCredits();
  build();
  menu().show();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_main_finished.png"));
  menu().go<M_MMENU_LEVEL>();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_level.png"));
  menu().go<M_MMENU_MAIN>();
  menu().go<M_MMENU_DIARY>();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_diary.png"));
  menu().showDiary();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_diarypage.png"));
}

TEST_F(MMenuRenderTest, ScreenModeNotices) {
  players();
  build();
  menu().show();
  menu().go<M_MMENU_WINDOWED>();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_windowed.png"));
  menu().go<M_MMENU_ORIENTATION>();
  EXPECT_TRUE(MatchesReference(frame(), "mmenu_orientation.png"));
}

}  // namespace

}  // namespace vandrell
