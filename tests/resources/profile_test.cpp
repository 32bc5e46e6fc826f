#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/safe_file.h"
#include "platform/stream.h"
#include "resources/profile.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

class ProfileTest : public ::testing::Test {
 protected:
  std::string path() const { return dir.path() + "/"; }

  // A profile as the program sees it at its next start.
  tProfile restart() {
    tProfile fresh;
    fresh.loadProfile(path());
    return fresh;
  }

  void writeRaw(const std::string& name, const std::string& bytes) {
    TStreamPtr out = WriteFile(dir.file(name));
    ASSERT_TRUE(out);
    out->writeString(bytes);
  }

  std::string readRaw(const std::string& name) {
    std::vector<uint8_t> bytes;
    return LoadFileBytes(dir.file(name), bytes) ? std::string(bytes.begin(), bytes.end()) : "<missing>";
  }

  TempDir dir;
};

tConfig levelState(const std::string& value) {
  tConfig config;
  config.SetString("level", "pic", value);
  return config;
}

int32_t saveState(tProfile& profile, const std::string& value, const std::string& suffix) {
  tConfig state = levelState(value);
  return profile.makeSave(state, suffix);
}

}  // namespace

TEST_F(ProfileTest, MissingFileMeansNoPlayersAndIsNotCorruption) {
  LogCapture log;
  tProfile profile = restart();
  EXPECT_TRUE(log.contains("Can't load profiles!"));
  EXPECT_EQ(profile.isCorrupt(), 0);
  EXPECT_EQ(profile.slot(), 0);
  for (int s = 1; s <= 3; ++s) EXPECT_EQ(profile.isPlayer(s), 0);
}

TEST_F(ProfileTest, PlayersAndTheirProgressSurviveARestart) {
  {
    tProfile profile = restart();
    profile.user(2);
    profile.createPlayer("Ada");
    profile.upProgress();
    profile.upProgress();
    profile.sos(3);
    profile.finish();
    profile.user(1);
    profile.createPlayer("Bo");
    profile.saveProfile();
  }
  LogCapture log;
  tProfile profile = restart();
  EXPECT_TRUE(log.contains("Profiles loaded."));
  EXPECT_EQ(profile.slot(), 0) << "nobody is selected after a start";
  EXPECT_EQ(profile.isPlayer(0), 0);
  EXPECT_EQ(profile.isPlayer(2), 1);
  EXPECT_EQ(profile.isPlayer(3), 0);
  EXPECT_EQ(profile.getName(2), "Ada");
  profile.user(2);
  EXPECT_EQ(profile.isPlayer(0), 1);
  EXPECT_EQ(profile.getName(0), "Ada");
  EXPECT_EQ(profile.getName(1), "Bo");
  EXPECT_EQ(profile.getProgress(), 2);
  EXPECT_EQ(profile.getSos(), 3);
  EXPECT_EQ(profile.isFinish(), 1);
  EXPECT_EQ(profile.isFinishCredits(), 0);
}

TEST_F(ProfileTest, ProgressStartsFromNothing) {
  tProfile profile = restart();
  profile.user(1);
  profile.createPlayer("Cy");
  EXPECT_EQ(profile.isProgress(), 0);
  EXPECT_EQ(profile.getProgress(), 0);
  profile.upProgress();
  EXPECT_EQ(profile.isProgress(), 1);
  EXPECT_EQ(profile.getProgress(), 1);
}

TEST_F(ProfileTest, CreatingOverAPlayerStartsAFreshOne) {
  tProfile profile = restart();
  profile.user(1);
  profile.createPlayer("Old");
  profile.progress(7);
  profile.createPlayer("New");
  EXPECT_EQ(profile.getName(1), "New");
  EXPECT_EQ(profile.isProgress(), 0);
}

TEST_F(ProfileTest, ScriptVariablesAreWrittenAtOnce) {
  {
    tProfile profile = restart();
    profile.user(3);
    profile.createPlayer("Di");
    profile.zeb_uv("door_open", 1.5f);
    profile.zeb_uv("extra_ni", 4);
    // No saveProfile: the program "crashes" here.
  }
  tProfile profile = restart();
  profile.user(3);
  EXPECT_FLOAT_EQ(profile.zeb_property("door_open"), 1.5f);
  EXPECT_FLOAT_EQ(profile.zeb_property("never_set"), 0.0f);
  EXPECT_EQ(profile.getExtra(), 4);
}

TEST_F(ProfileTest, SavesRoundTripAndBelongToTheirSlot) {
  tProfile profile = restart();
  profile.user(1);
  profile.createPlayer("Ed");
  EXPECT_EQ(profile.isSave(""), 0);
  tConfig state = levelState("open");
  EXPECT_EQ(profile.makeSave(state, ""), 1);
  EXPECT_EQ(saveState(profile, "auto", ".auto"), 1);
  EXPECT_EQ(FileType(dir.file("1")), FILETYPE_FILE);
  EXPECT_EQ(FileType(dir.file("1.auto")), FILETYPE_FILE);
  EXPECT_EQ(readRaw("1").find("open"), std::string::npos) << "saves are scrambled";

  tConfig loaded;
  EXPECT_EQ(profile.loadSave(loaded, ""), 1);
  EXPECT_EQ(loaded.GetString("level", "pic", ""), "open");
  profile.user(2);
  EXPECT_EQ(profile.isSave(""), 0);
  tConfig none;
  EXPECT_EQ(profile.loadSave(none, ""), 0);

  profile.user(1);
  profile.removePlayer();
  EXPECT_EQ(profile.slot(), 0);
  EXPECT_EQ(FileType(dir.file("1")), FILETYPE_NONE);
  EXPECT_EQ(FileType(dir.file("1.auto")), FILETYPE_NONE);
}

TEST_F(ProfileTest, SaveInstantCopiesThePlayerSection) {
  tProfile profile = restart();
  profile.user(2);
  profile.createPlayer("Flo");
  profile.progress(4);
  tConfig save;
  profile.saveInstant(save, "profile=");
  EXPECT_EQ(save.GetString("profile=", "name", ""), "Flo");
  EXPECT_EQ(save.GetInt("profile=", "progress", 0), 4);
  profile.progress(9);
  profile.loadInstant(save, "profile=");
  EXPECT_EQ(profile.getProgress(), 9) << "reading a save back never rewinds progress";
}

TEST_F(ProfileTest, ScratchSlotIsClearedAtEveryStart) {
  {
    tProfile profile = restart();
    profile.user(0);
    saveState(profile, "title", "");
    saveState(profile, "title", ".auto");
  }
  restart();
  EXPECT_EQ(FileType(dir.file("0")), FILETYPE_NONE);
  EXPECT_EQ(FileType(dir.file("0.auto")), FILETYPE_NONE);
}

TEST_F(ProfileTest, DamagedProfilesResetThePlayersButKeepTheirFiles) {
  {
    tProfile profile = restart();
    profile.user(1);
    profile.createPlayer("Gus");
    saveState(profile, "deep", "");
    saveState(profile, "deeper", ".auto");
    profile.saveProfile();
  }
  std::string damaged = readRaw("profiles");
  damaged[damaged.size() / 2] ^= 0x01;
  writeRaw("profiles", damaged);

  LogCapture log;
  tProfile profile = restart();
  EXPECT_TRUE(log.contains("Profiles corrupted!"));
  EXPECT_EQ(profile.isCorrupt(), 1);
  EXPECT_EQ(profile.isPlayer(1), 0);
  EXPECT_EQ(FileType(dir.file("1")), FILETYPE_NONE);
  // Nothing the player made is destroyed beyond recovery.
  EXPECT_EQ(readRaw("profiles.damaged"), damaged);
  EXPECT_EQ(FileType(dir.file("1.damaged")), FILETYPE_FILE);
  EXPECT_EQ(FileType(dir.file("1.auto.damaged")), FILETYPE_FILE);
}

TEST_F(ProfileTest, DamagedSaveMarksCorruptionAndLoadsNothing) {
  {
    tProfile profile = restart();
    profile.user(3);
    profile.createPlayer("Hal");
    saveState(profile, "x", "");
    profile.saveProfile();
  }
  std::string save = readRaw("3");
  save.back() ^= 0x40;
  writeRaw("3", save);

  tProfile profile = restart();
  EXPECT_EQ(profile.isCorrupt(), 1);
  EXPECT_EQ(profile.isPlayer(3), 1) << "a bad save does not cost the player";
  profile.user(3);
  tConfig state;
  EXPECT_EQ(profile.loadSave(state, ""), 0);
  EXPECT_TRUE(state.Sections().empty());
  EXPECT_EQ(FileType(dir.file("3")), FILETYPE_FILE) << "the file itself stays";
  profile.corrupt(0);
  EXPECT_EQ(profile.isCorrupt(), 0);
}

TEST_F(ProfileTest, WriteFailingHalfWayLeavesTheOldProfilesLoadable) {
  {
    tProfile profile = restart();
    profile.user(1);
    profile.createPlayer("Ivy");
    profile.progress(5);
    profile.saveProfile();
    profile.progress(6);
    SimulateWriteFailureAfter(4);
    profile.saveProfile();
    EXPECT_EQ(saveState(profile, "lost", ""), 0);
    SimulateWriteFailureAfter(-1);
  }
  tProfile profile = restart();
  EXPECT_EQ(profile.isCorrupt(), 0);
  profile.user(1);
  EXPECT_EQ(profile.getName(0), "Ivy");
  EXPECT_EQ(profile.getProgress(), 5);
  EXPECT_EQ(profile.isSave(""), 0);
}

}  // namespace vandrell
