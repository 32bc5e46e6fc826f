// The player's files survive the program being killed at any moment: a child
// process saves the options, the profiles and a level's save in a loop
// through the program's own save paths and is killed (SIGKILL) at a random
// point; the files are then read back as the next start reads them. Each must
// be whole and either the version before the interrupted save or the one it
// was writing, and the player's progress never goes back.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "game/app.h"
#include "platform/filesystem.h"
#include "platform/process.h"
#include "resources/profile.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {

// Keys written with the version in every file, so a file that mixed two
// versions or lost its end is told from a whole one.
constexpr int32_t OPTION_KEYS = 40;
constexpr int32_t SAVE_KEYS = 1500;
constexpr int32_t PLAYER = 1;

// The version each file was last written with: -1 when the file is missing,
// -2 when it is not whole (damaged, or its keys disagree).
struct tVersions {
  int32_t options = -1;
  int32_t profiles = -1;
  int32_t save = -1;
};
constexpr int32_t MISSING = -1;
constexpr int32_t BROKEN = -2;

int32_t sameEverywhere(const tConfigBase& cfg, const std::string& section, const std::string& prefix, int32_t keys) {
  const int32_t version = cfg.GetInt(section, prefix + "0", MISSING);
  for (int32_t k = 1; k < keys; ++k) {
    if (cfg.GetInt(section, prefix + std::to_string(k), MISSING) != version) return BROKEN;
  }
  return version;
}

// The files read back the way a new start of the program reads them.
tVersions readBack(tApp& app, const std::string& user) {
  tVersions found;
  app.config().Clear();
  app.loadConfig();
  found.options = sameEverywhere(app.config(), "", "pad", OPTION_KEYS);
  if (app.config().GetInt("", "saves", MISSING) != found.options) found.options = BROKEN;

  tProfile profile;
  profile.loadProfile(user);
  profile.user(PLAYER);
  found.profiles = profile.isCorrupt() ? BROKEN : profile.getProgress();
  if (profile.zeb_property("step") != static_cast<float>(found.profiles)) found.profiles = BROKEN;

  tConfig save;
  if (profile.isSave("")) found.save = profile.loadSave(save, "") ? sameEverywhere(save, "level", "k", SAVE_KEYS) : BROKEN;
  return found;
}

// The child: from the versions on disk, saves ever newer ones, writing one
// byte to `ack` after each file is saved, until it is killed.
[[noreturn]] void saveForever(tApp& app, const std::string& user, tVersions from, int ack) {
  tProfile profile;
  profile.loadProfile(user);
  profile.user(PLAYER);
  for (int32_t step = 1;; ++step) {
    for (int32_t k = 0; k < OPTION_KEYS; ++k) app.config().SetInt("", "pad" + std::to_string(k), from.options + step);
    app.config().SetInt("", "saves", from.options + step);
    app.saveConfig();
    if (::write(ack, "o", 1) != 1) ::_exit(1);

    profile.progress(from.profiles + step);
    profile.zeb_uv("step", static_cast<float>(from.profiles + step));
    if (::write(ack, "p", 1) != 1) ::_exit(1);

    tConfig level;
    for (int32_t k = 0; k < SAVE_KEYS; ++k) level.SetInt("level", "k" + std::to_string(k), from.save + step);
    if (!profile.makeSave(level, "")) ::_exit(1);
    if (::write(ack, "s", 1) != 1) ::_exit(1);
  }
}

// Kills the child however the test ends.
struct tChild {
  pid_t pid;
  ~tChild() {
    if (pid > 0) {
      ::kill(pid, SIGKILL);
      ::waitpid(pid, nullptr, 0);
    }
  }
};

}  // namespace

TEST(SaveKill, EveryFileIsTheOldOrTheNewVersionAndProgressIsNeverLost) {
  TempDir folder;
  const std::string user = folder.path() + "/";
  std::vector<std::string> args = {"vandrell", "-user", user, "-a", "0"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  SetAppArgs(static_cast<int>(argv.size()), argv.data());
  tApp app;
  tProfile first;
  first.loadProfile(user);
  first.user(PLAYER);
  first.createPlayer("Ada");
  first.progress(0);
  first.zeb_uv("step", 0.0f);

  std::mt19937 random(20261209);
  tVersions disk{MISSING, 0, MISSING};
  for (int round = 0; round < 24; ++round) {
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    tChild child{::fork()};
    ASSERT_GE(child.pid, 0);
    if (child.pid == 0) {
      ::close(pipeEnds[0]);
      saveForever(app, user, disk, pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    // Let it finish a random number of files, then kill it wherever it is.
    const int wanted = std::uniform_int_distribution<int>(0, 6)(random);
    std::string acks;
    char byte = 0;
    while (static_cast<int>(acks.size()) < wanted && ::read(pipeEnds[0], &byte, 1) == 1) acks += byte;
    ASSERT_EQ(static_cast<int>(acks.size()), wanted) << "the saving child died on its own";
    ::kill(child.pid, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(child.pid, &status, 0), child.pid);
    child.pid = 0;
    ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended on its own";
    // Saves it finished while the kill was on its way.
    while (::read(pipeEnds[0], &byte, 1) == 1) acks += byte;
    ::close(pipeEnds[0]);

    // The version each file had once its last finished save was done; the
    // interrupted save may have replaced it with the next one, nothing else.
    const auto after = [&](int32_t start, char file) {
      return start + static_cast<int32_t>(std::count(acks.begin(), acks.end(), file));
    };
    const tVersions old{after(disk.options, 'o'), after(disk.profiles, 'p'), after(disk.save, 's')};
    const tVersions found = readBack(app, user);
    SCOPED_TRACE("round " + std::to_string(round) + ", saves finished: " + acks);
    EXPECT_TRUE(found.options == old.options || found.options == old.options + 1) << found.options;
    EXPECT_TRUE(found.profiles == old.profiles || found.profiles == old.profiles + 1) << found.profiles;
    EXPECT_TRUE(found.save == old.save || found.save == old.save + 1) << found.save;
    EXPECT_EQ(FileType(user + "profiles.damaged"), FILETYPE_NONE);
    if (::testing::Test::HasFailure()) return;
    disk = found;
  }
}

}  // namespace vandrell
