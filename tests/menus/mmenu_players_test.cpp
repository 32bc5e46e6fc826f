// Choosing, creating and removing players, through to the profiles file.
#include "mmenu_test_support.h"
#include "platform/filesystem.h"

namespace vandrell {

namespace {

constexpr int32_t ENTER = 13;
constexpr int32_t ESCAPE = 27;
constexpr int32_t BACKSPACE = 8;
constexpr int32_t SYSTEM_KEY = 91;

class MMenuPlayersTest : public MMenuTest {
 protected:
  void SetUp() override {
    build();
    menu().show();
  }

  // The players as a restarted program reads them from the profiles file.
  std::vector<std::string> savedNames() const {
    tProfile restarted;
    restarted.loadProfile(user.path() + "/");
    return {restarted.getName(1), restarted.getName(2), restarted.getName(3)};
  }
  bool hasSave(int32_t slot) const { return FileType(user.file(std::to_string(slot))) == FILETYPE_FILE; }
  void writeSave(int32_t slot) {
    profile().user(slot);
    tConfig save;
    save.SetInt("profile=", "progress", 1);
    ASSERT_TRUE(profile().makeSave(save, ""));
  }
  // After a start-up no player is selected.
  static void showSelection() {
    profile().user(0);
    menu().show();
  }
  static std::string input() { return widget<tMMenuCreateInput>()->getValue(); }
};

TEST_F(MMenuPlayersTest, ANewPlayerIsTypedConfirmedAndStillThereAfterARestart) {
  EXPECT_EQ(page(), "select");
  EXPECT_EQ(widget<tMMenuSelect2>()->getValue(), "New player");
  click<tMMenuSelect2>();
  EXPECT_EQ(page(), "create");
  EXPECT_EQ(input(), "Player1_") << "a suggested name, so a mouse alone can go on";
  EXPECT_FALSE(shows<tMMenuCreateEmpty>()) << "nothing typed yet is not a mistake";
  EXPECT_TRUE(widget<tMMenuCreateYes>()->isEnable());

  type(U"Zo\u00EB \u00C9lise.");
  EXPECT_EQ(input(), "Zo\xC3\xAB\xC3\x89lise_") << "accented letters count, blanks and dots do not";
  press(ENTER);
  EXPECT_EQ(page(), "main");
  EXPECT_EQ(level->take(), std::vector<std::string>{"__profile"});
  EXPECT_EQ(profile().slot(), 2);
  EXPECT_EQ(savedNames(), (std::vector<std::string>{"", "Zo\xC3\xAB\xC3\x89lise", ""}));
}

TEST_F(MMenuPlayersTest, TheNameTakesLettersAndDigitsUpToTwentyAndBackspaceTakesThemBack) {
  click<tMMenuSelect1>();
  type(U"a1\u20AC\u00D7\u00F7\u00BD");  // a euro sign, the two arithmetic signs and a fraction
  EXPECT_EQ(input(), "a1_");
  std::string eighteen;
  for (int i = 0; i < 18; ++i) eighteen += "\xC3\xBF";
  type(std::u32string(25, U'\u00FF'));
  EXPECT_EQ(input(), "a1" + eighteen + "_") << "twenty characters, however many bytes";
  type({static_cast<char32_t>(BACKSPACE)});
  type(U"z");
  EXPECT_EQ(tMMenuCreateInput::name().substr(tMMenuCreateInput::name().size() - 3), "\xC3\xBFz")
      << "Backspace takes a whole accented letter back";

  for (int i = 0; i < 20; ++i) type({static_cast<char32_t>(BACKSPACE)});
  EXPECT_EQ(input(), "_");
  EXPECT_TRUE(shows<tMMenuCreateEmpty>()) << "typed and erased: the player is told a name is needed";
  EXPECT_FALSE(widget<tMMenuCreateYes>()->isEnable());
  press(ENTER);
  EXPECT_EQ(page(), "create") << "Enter does not confirm an empty name";
  EXPECT_EQ(savedNames(), (std::vector<std::string>{"", "", ""}));
}

TEST_F(MMenuPlayersTest, ANameAnotherPlayerBearsInAnyLetterCaseIsRefused) {
  addPlayer(2, "\xC3\x89milie");
  profile().saveProfile();
  showSelection();
  click<tMMenuSelect3>();
  type(U"\u00E9MILIE");
  EXPECT_TRUE(shows<tMMenuCreateDuplicated>());
  EXPECT_FALSE(widget<tMMenuCreateYes>()->isEnable());
  press(ENTER);
  EXPECT_EQ(page(), "create");

  type(U"2");
  EXPECT_FALSE(shows<tMMenuCreateDuplicated>());
  click<tMMenuCreateYes>();
  EXPECT_EQ(page(), "main");
  EXPECT_EQ(savedNames(), (std::vector<std::string>{"", "\xC3\x89milie", "\xC3\xA9MILIE2"}));
}

TEST_F(MMenuPlayersTest, BackingOutOfTheCreationKeepsNoPlayer) {
  click<tMMenuSelect1>();
  type(U"Kit");
  press(ESCAPE);
  EXPECT_EQ(page(), "select");
  EXPECT_FALSE(profile().isPlayer(0));
  EXPECT_EQ(widget<tMMenuSelect1>()->getValue(), "New player");

  click<tMMenuSelect1>();
  EXPECT_EQ(input(), "Player1_") << "the page starts afresh";
}

TEST_F(MMenuPlayersTest, TheSuggestedNameIsFreeAndGivesWayToTheFirstKey) {
  addPlayer(1, "player1");
  profile().saveProfile();
  showSelection();
  click<tMMenuSelect2>();
  EXPECT_EQ(input(), "Player2_") << "no player's name, whatever the letter case";
  type({static_cast<char32_t>(BACKSPACE)});
  EXPECT_EQ(input(), "_") << "Backspace takes the whole suggestion";
  EXPECT_TRUE(shows<tMMenuCreateEmpty>());

  press(ESCAPE);
  click<tMMenuSelect2>();
  click<tMMenuCreateYes>();
  EXPECT_EQ(page(), "main");
  EXPECT_EQ(savedNames(), (std::vector<std::string>{"player1", "Player2", ""}));
}

TEST_F(MMenuPlayersTest, ChoosingAPlayerPlaysAsThem) {
  addPlayer(3, "Cyd");
  showSelection();
  EXPECT_EQ(widget<tMMenuSelect3>()->getValue(), "Cyd");
  click<tMMenuSelect3>();
  EXPECT_EQ(page(), "main");
  EXPECT_EQ(profile().slot(), 3);
  EXPECT_EQ(level->take(), std::vector<std::string>{"__profile"});
}

TEST_F(MMenuPlayersTest, RemovingAPlayerAsksAndTakesOnlyTheirSaves) {
  for (int32_t slot = 1; slot <= 3; ++slot) {
    addPlayer(slot, "P" + std::to_string(slot));
    writeSave(slot);
  }
  profile().saveProfile();
  showSelection();

  click<tMMenuSelect2>(2);
  EXPECT_EQ(page(), "remove");
  EXPECT_EQ(widget<tMMenuRemoveYes>()->getValue(), "Remove P2");
  press(ESCAPE);
  EXPECT_EQ(page(), "select");
  EXPECT_FALSE(profile().isPlayer(0));
  EXPECT_TRUE(hasSave(2));

  // The system key with button 1 asks the same.
  post(EVENT_KEYDOWN, SYSTEM_KEY);
  click<tMMenuSelect2>();
  post(EVENT_KEYUP, SYSTEM_KEY);
  EXPECT_EQ(page(), "remove");
  click<tMMenuRemoveYes>();
  EXPECT_EQ(page(), "select");
  EXPECT_EQ(widget<tMMenuSelect2>()->getValue(), "New player");
  EXPECT_EQ(savedNames(), (std::vector<std::string>{"P1", "", "P3"}));
  EXPECT_FALSE(hasSave(2));
  EXPECT_TRUE(hasSave(1));
  EXPECT_TRUE(hasSave(3));

  click<tMMenuSelect2>(2);
  EXPECT_EQ(page(), "select") << "an empty slot has no one to remove";
}

}  // namespace

}  // namespace vandrell
