// The saved state of a running level: what a level played for a while
// saves, a freshly loaded level restores; damaged or cut-short saves are
// refused or reported, never half applied; levels come and go without
// leaving anything alive.
#include <gtest/gtest.h>

#include "game/level.h"
#include "game/level_test_support.h"
#include "gui/gui_test_support.h"
#include "platform/text_stream.h"
#include "scene/pic_image.h"
#include "scene/pic_property.h"
#include "script/expr_book.h"

namespace vandrell {

namespace {

class LevelStateTest : public GuiTest {
 protected:
  std::shared_ptr<tLevel> load() {
    auto level = world.load("play");
    tGui::Current().insert(level);
    return level;
  }
  static void drop(std::shared_ptr<tLevel>& level) {
    level->clear();
    level->free();
    level.reset();
  }
  // A played level: clicks, a glide under way, a running command, script
  // variables, a shown text and an attachment.
  static void play(tLevel& level) {
    M_PIC_CLICK::send("gem1");
    M_PIC_CLICK::send("coin");
    std::dynamic_pointer_cast<tPicImage>(M_PIC_FIND::ask("gem2"))->zeb_translate(400.0f, 50.0f, 2.0f);
    tExprBook::Current().set("score", tExprNumber::Create(3.5f));
    tExprBook::Current().set("fav", tExprObject::Create(M_PIC_FIND::ask("coin")));
    M_TXT_FIND::ask("hello").front()->show(20, 30);
    tPicProperty::Current().attach(M_PIC_FIND::ask("coin"), M_PIC_FIND::ask("far"));
    level.locations().at("hall")->pics().toTop("bg");
    tGui::Current().update(0.5f);
  }
  // The save as text, and text read back as a configuration.
  static std::string text(tConfigBase& cfg) {
    auto bank = std::make_shared<TBank>();
    TTextStream stream(std::make_shared<TBankStream>(bank), UTF8);
    cfg.Save(stream);
    return std::string(bank->bytes().begin(), bank->bytes().end());
  }
  static tConfig parse(const std::string& text) {
    TTextStream stream(CreateBankStream(text), UTF8);
    tConfig cfg;
    cfg.Load(stream);
    return cfg;
  }
  static tConfig saved(tLevel& level) {
    tConfig cfg;
    level.saveInstant(cfg);
    return cfg;
  }

  tLevelWorld world;
};

}  // namespace

TEST_F(LevelStateTest, ALevelRestoredFromItsSaveIsAsItWas) {
  auto played = load();
  play(*played);
  tConfig before = saved(*played);
  const std::string written = text(before);
  drop(played);

  auto level = load();
  ASSERT_EQ(level->loadInstant(parse(written)), 1);
  tConfig after = saved(*level);
  EXPECT_EQ(text(after), written) << "every value the level saves";

  EXPECT_EQ(level->missions().find("gem")->getCount(), 1);
  EXPECT_EQ(level->missions().list().front()->id(), "coin");
  EXPECT_FALSE(std::dynamic_pointer_cast<tPic>(M_PIC_FIND::ask("gem1"))->isShow());
  EXPECT_EQ(tExprBook::Current().get("score")->ToNumber(), 3.5f);
  EXPECT_EQ(tExprBook::Current().get("fav")->ToObject(), M_PIC_FIND::ask("coin")) << "the new level's pic";
  EXPECT_TRUE(M_COMMAND_FIND::ask("loop")->isPlay());
  EXPECT_EQ(M_TXT_ISSHOW::ask(), M_TXT_FIND::ask("hello").front());
  ASSERT_EQ(tPicProperty::Current().attachments().size(), 1u);
  EXPECT_EQ(level->locations().at("hall")->pics().order().back()->id(), "bg");

  tGui::Current().update(2.0f);
  EXPECT_EQ(M_PIC_FIND::ask("gem2")->zeb_property_x(), 400.0f) << "the glide goes on where it was";
}

TEST_F(LevelStateTest, APicThatLeftItsLocationStaysOutThroughEverySaveAfter) {
  auto level = load();
  M_PIC_FIND::ask("gem1")->free();
  tConfig save = saved(*level);
  for (int generation = 0; generation < 2; ++generation) {
    const std::string written = text(save);
    drop(level);
    level = load();
    ASSERT_EQ(level->loadInstant(parse(written)), 1);
    EXPECT_EQ(level->locations().at("hall")->pics().find("gem1"), nullptr) << "restore " << generation;
    save = saved(*level);
  }
}

TEST_F(LevelStateTest, ADamagedSaveIsRefusedWholeAndLostNamesRestoreAsNothing) {
  auto level = load();
  play(*level);
  tConfig good = saved(*level);
  const std::string state = text(good);

  tConfig damaged = parse(state);
  damaged.SetString("mission=gem", "counter", "lots");
  EXPECT_EQ(level->loadInstant(damaged), 0);
  EXPECT_TRUE(world.log.contains("[mission=gem] counter=lots where a number belongs"));
  tConfig nan = parse(state);
  nan.SetString("pic=coin", "h", "nan");
  EXPECT_EQ(level->loadInstant(nan), 0);
  tConfig cut = parse(state);
  cut.RemoveSection("pic=far");
  EXPECT_EQ(level->loadInstant(cut), 0) << "fewer values than were written";
  tConfig after = saved(*level);
  EXPECT_EQ(text(after), state) << "nothing of a refused save is applied";

  tConfig stale = parse(state);
  stale.RemoveSection("check=");
  stale.SetString("pic=ghost", "show", "1");
  stale.SetString("mission_order=", "0", "ghost");
  stale.SetString("var=0", "pic", "ghost");
  const std::string firstVar = stale.GetString("var=0", "name", "");
  EXPECT_EQ(level->loadInstant(stale), 1);
  EXPECT_TRUE(world.log.contains("names the pic ghost, which the level no longer has"));
  EXPECT_TRUE(world.log.contains("names the mission ghost"));
  EXPECT_EQ(tExprBook::Current().get(firstVar)->ToObject(), nullptr);
  EXPECT_TRUE(M_PIC_FIND::ask("gem2")) << "the rest is restored";
}

TEST_F(LevelStateTest, ASaveCutShortAnywhereNeverBreaksTheRestore) {
  auto level = load();
  play(*level);
  tConfig full = saved(*level);
  const std::string state = text(full);
  int32_t restored = 0;
  for (size_t length = 0; length < state.size(); ++length) {
    tConfig cut = parse(state.substr(0, length));
    restored += level->loadInstant(cut);
    // Without its count the restore goes through with what is left, unless
    // the cut left a value that is no number; a sample of those cuts keeps
    // the test quick.
    if (length % 37 != 0) continue;
    cut.RemoveSection("check=");
    level->loadInstant(cut);
  }
  EXPECT_LT(restored, 40) << "a cut save is refused unless the cut only shortened its last value";
  drop(level);
  auto fresh = load();
  EXPECT_EQ(fresh->loadInstant(parse(state)), 1) << "the whole save still restores";
}

TEST_F(LevelStateTest, LevelsLoadedRestoredAndClearedFiftyTimesLeaveNothingAlive) {
  std::string state;
  {
    auto level = load();
    play(*level);
    tConfig cfg = saved(*level);
    state = text(cfg);
    drop(level);
  }
  std::vector<std::weak_ptr<void>> gone;
  for (int round = 0; round < 50; ++round) {
    auto level = load();
    level->loadInstant(parse(state));
    tGui::Current().update(0.1f);
    gone.push_back(level);
    for (const auto& [name, ref] : level->pics()) gone.push_back(ref.lock());
    for (const auto& [name, ref] : level->commands()) gone.push_back(ref.lock());
    for (const auto& [id, mission] : level->missions().missions()) gone.push_back(mission);
    for (const auto& member : level->txts().order()) gone.push_back(member);
    drop(level);
  }
  for (size_t i = 0; i < gone.size(); ++i) ASSERT_TRUE(gone[i].expired()) << i;
}

}  // namespace vandrell
