// The journal: which pages it takes, paging with the arrows, opening and
// closing with the panel's button, and the save.
#include <gtest/gtest.h>

#include "play_hud_test_support.h"
#include "resources/config.h"

namespace vandrell {

namespace {

// The journal button's centre, and points on the two arrows, which end 50
// units outside the 400-unit text.
constexpr int32_t BUTTON_H = 755;
constexpr int32_t BUTTON_V = 575;
constexpr int32_t BACK_H = 145;
constexpr int32_t NEXT_H = 655;
constexpr int32_t ARROW_V = 300;

class JournalTest : public PlayHudTest {
 protected:
  JournalTest() {
    page("p1", "The mill[br]by the river");
    page("p2", "The key");
    page("p3", "The letter");
    page("blank", "");
  }

  static tJournal& journal() { return tJournal::Current(); }
  void threePages() {
    for (const char* id : {"p1", "p2", "p3"}) journal().addMessage(id);
  }
  // Open, with the shade complete and the page laid out.
  static void settle() { run(5, 0.1f); }
};

TEST_F(JournalTest, OnlyNewKnownPagesWithWordsAreAdded) {
  journal().addMessage("p1");
  journal().addMessage("p1");
  journal().addMessage("missing");
  journal().addMessage("blank");
  EXPECT_EQ(journal().pages(), 1);
  journal().clearMessages();
  EXPECT_TRUE(journal().isEmpty());
}

TEST_F(JournalTest, TheButtonOpensItOnTheNewestPageAndTheArrowsPage) {
  step(0.0f);
  press(1, BUTTON_H, BUTTON_V);
  EXPECT_FALSE(journal().isShow()) << "an empty journal's button is dimmed and takes no click";

  threePages();
  run(5, 0.1f);
  press(1, BUTTON_H, BUTTON_V);
  EXPECT_TRUE(journal().isShow());
  EXPECT_FALSE(journal().title().isVisible()) << "the page waits for the shade";
  settle();
  EXPECT_TRUE(journal().title().isVisible());
  EXPECT_EQ(journal().title().getValue(), "Page 3 of 3");
  EXPECT_EQ(journal().text().getLines(), (std::vector<std::string>{"The letter"}));
  EXPECT_FALSE(journal().nextLink().isEnable());
  EXPECT_TRUE(journal().backLink().isEnable());
  EXPECT_FALSE(tSosCmd::Current().isEnable());
  EXPECT_FALSE(tZoomCmd::Current().isEnable());

  press(1, BACK_H, ARROW_V);
  press(1, BACK_H, ARROW_V);
  EXPECT_EQ(journal().title().getValue(), "Page 1 of 3");
  EXPECT_EQ(journal().text().getLines(), (std::vector<std::string>{"The mill", "by the river"}));
  EXPECT_FALSE(journal().backLink().isEnable());
  press(1, BACK_H, ARROW_V);
  EXPECT_EQ(journal().page(), 0);
  press(1, NEXT_H, ARROW_V);
  EXPECT_EQ(journal().title().getValue(), "Page 2 of 3");

  press(1, BUTTON_H, BUTTON_V);
  step(0.1f);
  EXPECT_FALSE(journal().title().isVisible()) << "closing hides the page at once";
  run(3, 0.1f);
  EXPECT_FALSE(journal().isShow());
  EXPECT_TRUE(tSosCmd::Current().isEnable());
}

TEST_F(JournalTest, ReadingHoldsTheSceneAndItsSoundsStillUntilItCloses) {
  threePages();
  step(0.0f);
  press(1, BUTTON_H, BUTTON_V);
  EXPECT_EQ(level->pausedBy, &journal()) << "the locations and their timed commands wait";
  EXPECT_TRUE(tAudio::Current().isPauseSound());
  press(1, BUTTON_H, BUTTON_V);
  EXPECT_EQ(level->pausedBy, nullptr);
  EXPECT_FALSE(tAudio::Current().isPauseSound());
}

TEST_F(JournalTest, PagesSurviveASaveButNotAGapInTheKeys) {
  threePages();
  tConfig saved;
  SavePlayHud(saved);
  journal().clearMessages();
  LoadPlayHud(saved);
  EXPECT_EQ(journal().pages(), 3);
  journal().show();
  settle();
  EXPECT_EQ(journal().title().getValue(), "Page 3 of 3");
  journal().backMessage();
  EXPECT_EQ(journal().text().getLines(), (std::vector<std::string>{"The key"}));
  journal().addMessage("p2");
  EXPECT_EQ(journal().pages(), 3) << "the restored pages count as added";

  tConfig gap;
  gap.SetString("journal=", "0", "p1");
  gap.SetString("journal=", "2", "p3");
  journal().loadInstant(gap, "journal=");
  EXPECT_EQ(journal().pages(), 1);
}

}  // namespace

}  // namespace vandrell
