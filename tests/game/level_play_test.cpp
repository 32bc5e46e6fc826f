// The running level: lookups by name, clicks turned into mission progress,
// the hint's target, the shade with the message it sends once black, and
// pausing.
#include <gtest/gtest.h>

#include <algorithm>

#include "audio/audio.h"
#include "game/level.h"
#include "game/level_test_support.h"
#include "gui/gui_test_support.h"
#include "resources/profile.h"
#include "scene/pic_image.h"

namespace vandrell {

namespace {

// Writes down the game messages the level sends.
class tGameEar : public tGuiObject {
  VANDRELL_GUI_HOOKS(tGameEar, tGuiObject, &tGameEar::M_GAME_PROGRESS, &tGameEar::M_GAME_NEXTLEVEL,
                     &tGameEar::M_GAME_SAVE, &tGameEar::M_GAME_EXTRA)

 public:
  virtual int32_t M_GAME_PROGRESS(vandrell::M_GAME_PROGRESS&) { return heard("progress"); }
  virtual int32_t M_GAME_NEXTLEVEL(vandrell::M_GAME_NEXTLEVEL&) { return heard("next"); }
  virtual int32_t M_GAME_SAVE(vandrell::M_GAME_SAVE&) { return heard("save"); }
  virtual int32_t M_GAME_EXTRA(vandrell::M_GAME_EXTRA&) { return heard("extra"); }

  std::vector<std::string> trace;

 private:
  int32_t heard(const char* what) {
    trace.push_back(what);
    return 0;
  }
};

// Counts the profile writes instead of writing.
class tCountingProfile : public tProfile {
 public:
  void saveProfile() override { ++saves; }
  int32_t saves = 0;
};

class LevelPlayTest : public GuiTest {
 protected:
  void SetUp() override {
    level = world.load("play");
    ASSERT_EQ(world.loaded, 1);
    tGui::Current().insert(level);
    tGui::Current().insert(ear);
    TestActionLog().clear();
  }
  std::shared_ptr<tPicImage> image(const std::string& name) const {
    return std::dynamic_pointer_cast<tPicImage>(M_PIC_FIND::ask(name));
  }
  static std::vector<std::string> ids(const tMissionList& missions) {
    std::vector<std::string> names;
    for (const auto& mission : missions) names.push_back(mission->id());
    return names;
  }
  static bool takesInput(const tLevel& level) {
    return !level.getFilter() || level.getFilter()->filter(tGuiMessageType::of<GUIMSG_MOUSEDOWN>());
  }

  std::shared_ptr<tCountingProfile> profile = std::make_shared<tCountingProfile>();
  tCurrentScope<tProfile> profileScope{profile};
  tLevelWorld world;
  std::shared_ptr<tLevel> level;
  std::shared_ptr<tGameEar> ear = std::make_shared<tGameEar>();
};

}  // namespace

TEST_F(LevelPlayTest, LookupsAnswerFromTheLevelsOwnIndexes) {
  EXPECT_EQ(M_PIC_FIND::ask("gem1"), level->pics().at("gem1").lock());
  EXPECT_EQ(M_PIC_FIND::ask("ghost"), nullptr);
  const tPicList gems = M_PIC_FINDBYMISSION::ask("gem");
  ASSERT_EQ(gems.size(), 2u);
  EXPECT_EQ(gems[1], M_PIC_FIND::ask("gem2"));
  EXPECT_EQ(M_MISSION_FIND::ask("coin"), level->missions().find("coin"));
  EXPECT_EQ(ids(M_MISSION_LIST::ask()), ids(level->missions().list()));
  EXPECT_EQ(M_LOCATION_FIND::ask("side"), level->locations().at("side"));
  EXPECT_EQ(M_PICPARTICLE_FINDBYLOCATION::ask("side").get(), &level->locations().at("side")->particles());
  EXPECT_EQ(M_PICPARTICLE_FINDBYLOCATION::ask("attic"), nullptr);
  EXPECT_EQ(M_COMMAND_FIND::ask("loop"), level->commands().at("loop").lock());
  EXPECT_EQ(M_COMMANDGROUP_FIND::ask("doors"), nullptr);
  EXPECT_EQ(M_MESSAGE_FIND::ask("hello"), level->messages().at("hello"));
  ASSERT_EQ(M_TXT_FIND::ask("hello").size(), 1u);
  EXPECT_EQ(M_TXT_ISSHOW::ask(), nullptr);
  M_TXT_FIND::ask("hello").front()->show(10, 10);
  EXPECT_EQ(M_TXT_ISSHOW::ask(), M_TXT_FIND::ask("hello").front());

  level->clear();
  level->free();
  EXPECT_EQ(M_MISSION_FIND::ask("coin"), nullptr) << "no level, no answer";
}

TEST_F(LevelPlayTest, AClickCountsForItsMissionsOrIsAMistake) {
  M_PIC_CLICK::send("bg");
  EXPECT_EQ(TestActionLog(), (std::vector<std::string>{"fa bg", "mistake"}));
  EXPECT_TRUE(image("bg")->isShow()) << "a mistake hides nothing";

  TestActionLog().clear();
  M_PIC_CLICK::send("gem1");
  EXPECT_EQ(TestActionLog(), (std::vector<std::string>{"fa gem1", "reset", "a gem1"}));
  EXPECT_FALSE(image("gem1")->isShow());
  EXPECT_EQ(level->missions().find("gem")->getCount(), 1);

  TestActionLog().clear();
  M_PIC_CLICK::send("coin");
  EXPECT_TRUE(image("coin")->isShow()) << "type=0 stays";
  EXPECT_EQ(ids(level->missions().list()).front(), "coin") << "the mission worked on last comes first";
  M_PIC_CLICK::send("far");
  EXPECT_EQ(TestActionLog(), (std::vector<std::string>{"reset", "a coin", "reset"}));

  TestActionLog().clear();
  M_PIC_CLICK::send("gem2");
  EXPECT_EQ(TestActionLog(), (std::vector<std::string>{"reset", "a gem2", "gem done", "all found"}))
      << "the last mission done runs its group's command";
  M_PIC_CLICK::send("gem2");
  EXPECT_EQ(TestActionLog().back(), "mistake") << "a done mission takes the click no more";
  EXPECT_EQ(std::count(TestActionLog().begin(), TestActionLog().end(), "all found"), 1);

  TestActionLog().clear();
  M_PIC_CLICK::send("note");
  M_PIC_CLICK::send("ghost");
  EXPECT_TRUE(TestActionLog().empty()) << "texts and unknown names are no image pics";
}

TEST_F(LevelPlayTest, TheHintPointsAtAFindablePicOfTheMissionWorkedOnLast) {
  EXPECT_EQ(M_SOS::ask(), M_PIC_FIND::ask("gem1"));
  M_PIC_CLICK::send("coin");
  EXPECT_EQ(M_SOS::ask(), M_PIC_FIND::ask("coin"));
  M_LOCATION_FIND::ask("hall")->enable(0);
  EXPECT_EQ(M_SOS::ask(), M_PIC_FIND::ask("far")) << "pics of a disabled location are out of reach";
  M_LOCATION_FIND::ask("side")->show(0);
  EXPECT_EQ(M_SOS::ask(), nullptr);
}

TEST_F(LevelPlayTest, TheShadeFadesInThenToBlackAndSendsItsMessageOnceBlack) {
  EXPECT_EQ(level->shade(), 1.0f);
  EXPECT_TRUE(takesInput(*level)) << "input is taken while the level fades in";
  tGui::Current().update(1.0f);
  EXPECT_FLOAT_EQ(level->shade(), 0.5f);
  tGui::Current().update(1.5f);
  EXPECT_EQ(level->shade(), 0.0f);

  M_LEVEL_COMPLETE msg;
  tGuiObject::send(msg);
  EXPECT_EQ(ear->trace, std::vector<std::string>{"progress"});
  EXPECT_FALSE(takesInput(*level)) << "from the first frame of the fade";
  EXPECT_TRUE(tAudio::Current().isPauseMusic());
  tGui::Current().update(1.0f);
  EXPECT_FLOAT_EQ(level->bg().color()->a, 0.5f);
  EXPECT_EQ(ear->trace, std::vector<std::string>{"progress"});
  tGui::Current().update(1.0f);
  tGui::Current().update(0.1f);
  EXPECT_EQ(ear->trace, (std::vector<std::string>{"progress", "next", "next"})) << "repeated while black";

  level->clear();
  EXPECT_FALSE(tAudio::Current().isPauseMusic()) << "the fade's pause ends with its level";
  EXPECT_FALSE(tAudio::Current().isPauseSound());
}

TEST_F(LevelPlayTest, AFastCompleteSendsBothAtOnceAndAnExtraSavesFirst) {
  tGuiObject::send(M_LEVEL_FASTCOMPLETE{});
  EXPECT_EQ(ear->trace, (std::vector<std::string>{"progress", "next"}));
  EXPECT_EQ(level->shadeTo(), 0.0f);
  ear->trace.clear();
  tGuiObject::send(M_LEVEL_EXTRA{});
  tGui::Current().update(0.1f);
  EXPECT_EQ(ear->trace, (std::vector<std::string>{"save", "extra"})) << "a level still black from its start";
  EXPECT_EQ(profile->saves, 1);
}

TEST_F(LevelPlayTest, APauseLastsUntilEveryOwnerReleasedIt) {
  int menu = 0;
  int dialog = 0;
  M_LEVEL_PAUSE::send(&menu);
  M_LEVEL_PAUSE::send(&dialog);
  EXPECT_FALSE(level->getFilter()->filter(tGuiMessageType::of<GUIMSG_RENDER>())) << "nothing is drawn";
  M_LEVEL_PAUSEOFF::send(&menu);
  EXPECT_TRUE(level->isPause());
  M_LEVEL_PAUSEOFF::send(&dialog);
  EXPECT_FALSE(level->isPause());
  EXPECT_TRUE(takesInput(*level));

  M_LEVEL_PAUSE::send(&menu);
  tGuiObject::send(M_LEVEL_GAME{});
  M_LEVEL_PAUSEOFF::send(&menu);
  EXPECT_FALSE(takesInput(*level)) << "a pause ending during a fade to black gives no input back";

  M_LOCATION_PAUSE::send(&menu);
  EXPECT_TRUE(level->layer0().isPause());
  M_LOCATION_PAUSEOFF::send(&menu);
  EXPECT_FALSE(level->layer0().isPause());
}

}  // namespace vandrell
