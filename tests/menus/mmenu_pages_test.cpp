// Page changes of the main menu, driven through the GUI root with the mouse
// and the keyboard as a player would.
#include <algorithm>
#include <iterator>
#include <set>

#include "mmenu_test_support.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

constexpr int32_t ESCAPE = 27;
constexpr int32_t ENTER = 13;

class MMenuPagesTest : public MMenuTest {
 protected:
  // A player in slot 1 who has played, selected, and the menu shown.
  void SetUp() override {
    addPlayer(1, "Ada", 1);
    build();
    menu().show();
  }
};

TEST_F(MMenuPagesTest, ShowingOpensTheMainPageForAPlayerAndTheSelectionWithout) {
  EXPECT_EQ(page(), "main");
  EXPECT_TRUE(shows<tMMenuProfileTitle>());
  EXPECT_EQ(widget<tMMenuProfileTitle>()->getValue(), "Welcome, Ada!");

  menu().hide();
  EXPECT_EQ(page(), "");
  EXPECT_FALSE(menu().isShow());

  profile().user(0);
  menu().show();
  EXPECT_EQ(page(), "select");
}

// Announces the page and answers the widgets it shows.
template <class Page>
std::set<tGuiObject*> shownBy(tMMenu& menu) {
  menu.go<Page>();
  std::set<tGuiObject*> shown;
  for (const auto& member : menu.order()) {
    if (std::dynamic_pointer_cast<tGuiVisual>(member)->isVisible()) shown.insert(member.get());
  }
  return shown;
}

TEST_F(MMenuPagesTest, EachWidgetShowsWithItsPageOnlyAndOnlyTheNamesTopTwoShareOne) {
  const std::vector<std::set<tGuiObject*>> pages = {
      shownBy<M_MMENU_MAIN>(menu()),     shownBy<M_MMENU_OPTIONS>(menu()),  shownBy<M_MMENU_QUIT>(menu()),
      shownBy<M_MMENU_SELECT>(menu()),   shownBy<M_MMENU_REMOVE>(menu()),   shownBy<M_MMENU_CREATE>(menu()),
      shownBy<M_MMENU_LEVEL>(menu()),    shownBy<M_MMENU_DIARY>(menu()),    shownBy<M_MMENU_DIARYPAGE>(menu()),
      shownBy<M_MMENU_ZEB>(menu()),      shownBy<M_MMENU_WINDOWED>(menu()), shownBy<M_MMENU_ORIENTATION>(menu())};
  const std::set<tGuiObject*> shared = {widget<tMMenuProfileTitle>().get(), widget<tMMenuProfileComment>().get()};
  for (size_t a = 0; a < pages.size(); ++a) {
    EXPECT_FALSE(pages[a].empty()) << "page " << a;
    for (size_t b = a + 1; b < pages.size(); ++b) {
      std::set<tGuiObject*> both;
      std::ranges::set_intersection(pages[a], pages[b], std::inserter(both, both.begin()));
      EXPECT_EQ(both, (a == 0 && b == 1 ? shared : std::set<tGuiObject*>{})) << "pages " << a << " and " << b;
    }
  }
  menu().go<M_MMENU_NONE>();
  EXPECT_EQ(page(), "");
  for (const auto& member : menu().order()) EXPECT_FALSE(std::dynamic_pointer_cast<tGuiVisual>(member)->isVisible());
}

TEST_F(MMenuPagesTest, EveryMainPageButtonGoesToItsPageOrAsksTheLevelOrTheGame) {
  click<tMMenuDiary>();
  EXPECT_EQ(page(), "diary");
  click<tMMenuDiaryClose>();
  EXPECT_EQ(page(), "main");

  click<tMMenuOptions>();
  EXPECT_EQ(page(), "options");
  EXPECT_TRUE(shows<tMMenuProfileTitle>()) << "the player's name stays above the options";
  click<tMMenuOptionsClose>();
  EXPECT_EQ(page(), "main");

  click<tMMenuQuit>();
  EXPECT_EQ(page(), "quit");
  click<tMMenuQuitNo>();
  EXPECT_EQ(page(), "main");

  click<tMMenuZeb>();
  EXPECT_EQ(page(), "zeb");
  EXPECT_EQ(level->take(), std::vector<std::string>{"__zeb"});
  click<tMMenuZebClose>();
  EXPECT_EQ(page(), "main");
  EXPECT_EQ(level->take(), std::vector<std::string>{"__zeboff"});

  click<tMMenuContinue>();
  click<tMMenuExtra>();
  click<tMMenuCredits>();
  EXPECT_EQ(level->take(), (std::vector<std::string>{"__continue", "M_GAME_EXTRA", "__credits"}));
  EXPECT_EQ(page(), "main") << "the level's script hides the menu, not the buttons";

  click<tMMenuProfileTitle>();
  EXPECT_EQ(page(), "select");
  EXPECT_FALSE(profile().isPlayer(0));
  click<tMMenuSelectQuit>();
  EXPECT_EQ(page(), "quit");
  click<tMMenuQuitNo>();
  EXPECT_EQ(page(), "select") << "without a player there is no main page to go back to";

  click<tMMenuSelectQuit>();
  click<tMMenuQuitYes>();
  EXPECT_EQ(level->take(), std::vector<std::string>{"M_APP_TERMINATE"});
  EXPECT_EQ(level->clicks, 16) << "each of the sixteen clicks above told the level";
}

TEST_F(MMenuPagesTest, PointingAtAButtonAndClickingItShout) {
  LogCapture log;
  click<tMMenuOptions>();
  const std::vector<std::string>& lines = log.lines();
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "shout> click_menu"), 1);
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "shout> click_menu2"), 1);
  log.clear();
  hoverPass();
  EXPECT_FALSE(log.contains("shout>")) << "resting on a button is quiet";
}

TEST_F(MMenuPagesTest, TheMainPageOffersStartContinueOrChaptersByProgress) {
  EXPECT_TRUE(shows<tMMenuContinue>());
  EXPECT_FALSE(shows<tMMenuStart>());
  EXPECT_FALSE(shows<tMMenuLevel>());

  addPlayer(2, "Bea");
  menu().show();
  EXPECT_TRUE(shows<tMMenuStart>());
  EXPECT_FALSE(shows<tMMenuContinue>());
  click<tMMenuStart>();
  EXPECT_EQ(level->take(), std::vector<std::string>{"__start"});

  tConfig save;
  ASSERT_TRUE(profile().makeSave(save, ""));
  menu().show();
  EXPECT_TRUE(shows<tMMenuContinue>()) << "the first level, left with its state saved, is continued";
  EXPECT_FALSE(shows<tMMenuStart>());

  profile().finish();
  menu().show();
  EXPECT_FALSE(shows<tMMenuStart>());
  EXPECT_FALSE(shows<tMMenuContinue>());
  click<tMMenuLevel>();
  EXPECT_EQ(page(), "level");
}

TEST_F(MMenuPagesTest, AFinishedPlayerSeesTheFinaleOnceOnly) {
  profile().finish();
  menu().show();
  EXPECT_EQ(level->take(), std::vector<std::string>{"__finishcredits"});

  tProfile restarted;
  restarted.loadProfile(user.path() + "/");
  restarted.user(1);
  EXPECT_TRUE(restarted.isFinishCredits()) << "written at once, so a crash does not show it twice";

  click<tMMenuOptions>();
  click<tMMenuOptionsClose>();
  menu().show();
  EXPECT_TRUE(level->take().empty());
}

TEST_F(MMenuPagesTest, TheExtrasButtonCountsWhatIsNew) {
  EXPECT_EQ(widget<tMMenuExtra>()->getValue(), "Extras");
  profile().zeb_uv("extra_ni", 2);
  menu().show();
  EXPECT_EQ(widget<tMMenuExtra>()->getValue(), "Extras (2 new)");
}

TEST_F(MMenuPagesTest, EscapeBacksOutOfEachPageAsItsButtonsSay) {
  press(ESCAPE);
  EXPECT_EQ(page(), "quit") << "nothing on the main page takes Escape: the menu opens the quit page";
  press(ESCAPE);
  EXPECT_EQ(page(), "main") << "\"no\" takes Escape";

  click<tMMenuOptions>();
  press(ESCAPE);
  EXPECT_EQ(page(), "main");

  click<tMMenuZeb>();
  level->take();
  press(ESCAPE);
  EXPECT_EQ(page(), "main");
  EXPECT_EQ(level->take(), std::vector<std::string>{"__zeboff"});

  menu().showDiary();
  EXPECT_EQ(page(), "diarypage");
  press(ESCAPE);
  EXPECT_EQ(page(), "diarypage") << "Escape over a diary page is swallowed";
  EXPECT_TRUE(level->take().empty());
  press(ENTER);
  EXPECT_EQ(page(), "diarypage");
}

TEST_F(MMenuPagesTest, TheLinkSitsOnTheLevelsPlaqueAndOpensInTheBrowser) {
  level->plaque = std::make_shared<tPlacedPic>(420, 330);
  click<tMMenuZeb>();
  const auto url = widget<tMMenuZebUrl>();
  EXPECT_FLOAT_EQ(url->h(), 420.0f);
  EXPECT_FLOAT_EQ(url->v(), 300.0f) << "where the scene draws the plaque, its origin offset above";

  LogCapture log;
  click<tMMenuZebUrl>();
  EXPECT_EQ(settings->minimizes, 1) << "the game makes room for the browser";
  EXPECT_TRUE(log.contains("Open URL: https://vandrell.example/"));
  EXPECT_EQ(page(), "zeb");
}

TEST_F(MMenuPagesTest, AHiddenMenuNeitherDrawsNorTakesInput) {
  menu().hide();
  press(ESCAPE);
  EXPECT_EQ(page(), "");
  EXPECT_EQ(level->clicks, 0);

  // Page messages still reach the widgets, but the set lets nothing else
  // through: the button that believes itself shown is never pointed at.
  menu().go<M_MMENU_OPTIONS>();
  click<tMMenuOptionsClose>();
  EXPECT_EQ(page(), "options");
  EXPECT_EQ(level->clicks, 0);
}

}  // namespace

}  // namespace vandrell
