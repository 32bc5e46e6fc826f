// The chapter, diary and diary page buttons: only chapters the player reached.
#include "mmenu_test_support.h"

namespace vandrell {

namespace {

constexpr int32_t ESCAPE = 27;

// Six levels; chapters open at 0, 2 and 4. Level 3 is not a chapter's first.
const char* const kCampaign =
    "[menu]\npath=menu\n"
    "[0]\npath=a\nchapter=Chapter A\n[1]\npath=b\n[2]\npath=c\nchapter=Chapter C\n"
    "[3]\npath=d\n[4]\npath=e\nchapter=Chapter E\n[5]\npath=f\n"
    "[7]\npath=lost\nchapter=After a gap\n";

class MMenuChaptersTest : public MMenuTest {
 protected:
  void open(int32_t progress) {
    addPlayer(1, "Ada", progress);
    build(kCampaign);
    menu().show();
  }
  template <class Select>
  static std::string shownChapter() {
    return widget<Select>()->getValue();
  }
};

TEST_F(MMenuChaptersTest, TheCampaignsChaptersEndAtTheFirstMissingLevel) {
  open(0);
  EXPECT_EQ(menu().chapters, (std::vector<int32_t>{0, 2, 4}));
}

TEST_F(MMenuChaptersTest, TheDiaryOffersTheChaptersReachedStartingAtTheLatest) {
  open(3);
  click<tMMenuDiary>();
  EXPECT_EQ(shownChapter<tMMenuDiarySelect>(), "Chapter C");
  EXPECT_FALSE(widget<tMMenuDiaryNext>()->isEnable()) << "chapter E begins at level 4, beyond the progress";
  click<tMMenuDiaryNext>();
  EXPECT_EQ(shownChapter<tMMenuDiarySelect>(), "Chapter C");

  click<tMMenuDiaryBack>();
  EXPECT_EQ(shownChapter<tMMenuDiarySelect>(), "Chapter A");
  EXPECT_FALSE(widget<tMMenuDiaryBack>()->isEnable());
  click<tMMenuDiarySelect>();
  EXPECT_EQ(level->take(), std::vector<std::string>{"M_GAME_DIARY 0"});
}

TEST_F(MMenuChaptersTest, ThePagesOverADiaryPageTurnFromThePageChosen) {
  open(5);
  click<tMMenuDiary>();
  click<tMMenuDiaryBack>();
  click<tMMenuDiarySelect>();
  EXPECT_EQ(level->take(), std::vector<std::string>{"M_GAME_DIARY 2"});

  // The game hides the menu while it loads the page, then shows the buttons.
  menu().hide();
  menu().showDiary();
  EXPECT_EQ(page(), "diarypage");
  EXPECT_TRUE(widget<tMMenuDiarypageNext>()->isEnable());
  click<tMMenuDiarypageBack>();
  EXPECT_EQ(level->take(), std::vector<std::string>{"M_GAME_DIARY 0"});
  menu().hide();
  menu().showDiary();
  EXPECT_FALSE(widget<tMMenuDiarypageBack>()->isEnable());
  click<tMMenuDiarypageNext>();
  click<tMMenuDiarypageNext>();
  EXPECT_EQ(level->take(), (std::vector<std::string>{"M_GAME_DIARY 2", "M_GAME_DIARY 4"}));

  press(ESCAPE);
  click<tMMenuDiarypageClose>();
  EXPECT_EQ(level->take(), std::vector<std::string>{"M_GAME_MENU"});
}

TEST_F(MMenuChaptersTest, AFinishedPlayerReplaysAChapterFromItsStart) {
  addPlayer(1, "Ada", 6);
  profile().finish();
  tConfig save;
  ASSERT_TRUE(profile().makeSave(save, ""));
  build(kCampaign);
  menu().show();
  EXPECT_EQ(level->take(), std::vector<std::string>{"__finishcredits"});

  click<tMMenuLevel>();
  EXPECT_EQ(shownChapter<tMMenuLevelSelect>(), "Chapter E");
  click<tMMenuLevelBack>();
  EXPECT_EQ(shownChapter<tMMenuLevelSelect>(), "Chapter C");
  EXPECT_TRUE(widget<tMMenuLevelNext>()->isEnable());
  click<tMMenuLevelSelect>();
  EXPECT_EQ(level->take(), std::vector<std::string>{"__continue"});
  EXPECT_EQ(profile().getProgress(), 2);
  EXPECT_FALSE(profile().isSave("")) << "the ordinary save belongs to a later level";

  tProfile restarted;
  restarted.loadProfile(user.path() + "/");
  restarted.user(1);
  EXPECT_EQ(restarted.getProgress(), 2);

  press(ESCAPE);
  EXPECT_EQ(page(), "main");
}

TEST_F(MMenuChaptersTest, ACampaignWithoutChaptersOffersNothingToChoose) {
  addPlayer(1, "Ada", 0);
  profile().finish();
  build("[0]\npath=a\n");
  menu().show();
  click<tMMenuDiary>();
  EXPECT_EQ(shownChapter<tMMenuDiarySelect>(), "");
  EXPECT_FALSE(widget<tMMenuDiaryNext>()->isEnable());
  click<tMMenuDiaryClose>();
  click<tMMenuLevel>();
  EXPECT_EQ(page(), "level");
  EXPECT_FALSE(widget<tMMenuLevelSelect>()->isEnable());
  EXPECT_FALSE(widget<tMMenuLevelNext>()->isEnable());
}

}  // namespace

}  // namespace vandrell
