#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/filesystem.h"
#include "platform/safe_file.h"
#include "platform/stream.h"
#include "platform/user_folder.h"
#include "support/log_capture.h"
#include "support/temp_dir.h"

namespace vandrell {

namespace {
std::vector<uint8_t> bytes(const std::string& text) { return {text.begin(), text.end()}; }

std::string contents(const std::string& path) {
  std::vector<uint8_t> data;
  if (!LoadFileBytes(path, data)) return "<missing>";
  return {data.begin(), data.end()};
}

// Restores an environment variable when the test ends.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : _name(name) {
    if (const char* old = getenv(name)) _old = old, _had = true;
    value ? setenv(name, value, 1) : unsetenv(name);
  }
  ~ScopedEnv() { _had ? setenv(_name, _old.c_str(), 1) : unsetenv(_name); }

 private:
  const char* _name;
  std::string _old;
  bool _had = false;
};
}  // namespace

TEST(SafeFile, ReplacesTheWholeFileAndLeavesNoTemporary) {
  TempDir dir;
  const std::string path = dir.file("options");
  ASSERT_TRUE(WriteFileSafely(path, bytes("first version, rather long")));
  ASSERT_TRUE(WriteFileSafely(path, bytes("second")));
  EXPECT_EQ(contents(path), "second");
  EXPECT_EQ(FileType(path + ".new"), FILETYPE_NONE);
}

TEST(SafeFile, FailedWriteKeepsThePreviousFile) {
  TempDir dir;
  LogCapture log;
  const std::string path = dir.file("profiles");
  ASSERT_TRUE(WriteFileSafely(path, bytes("good old content")));
  SimulateWriteFailureAfter(5);
  EXPECT_FALSE(WriteFileSafely(path, bytes("new content that does not fit")));
  SimulateWriteFailureAfter(-1);
  EXPECT_EQ(contents(path), "good old content");
  EXPECT_EQ(FileType(path + ".new"), FILETYPE_NONE);
  EXPECT_TRUE(log.contains("previous file is kept"));
}

TEST(SafeFile, UnwritableFolderIsReportedNotFatal) {
  LogCapture log;
  EXPECT_FALSE(WriteFileSafely("/nonexistent-folder/options", bytes("x")));
  EXPECT_TRUE(log.contains("/nonexistent-folder/options"));
}

TEST(SafeFile, KeepAsideNumbersRepeatedCopies) {
  TempDir dir;
  const std::string path = dir.file("profiles");
  WriteFileSafely(path, bytes("one"));
  EXPECT_EQ(KeepAside(path, ".damaged"), path + ".damaged");
  WriteFileSafely(path, bytes("two"));
  EXPECT_EQ(KeepAside(path, ".damaged"), path + ".damaged.1");
  EXPECT_EQ(contents(path + ".damaged"), "one");
  EXPECT_EQ(contents(path + ".damaged.1"), "two");
  EXPECT_EQ(FileType(path), FILETYPE_NONE);
  EXPECT_EQ(KeepAside(path, ".damaged"), "") << "nothing to move";
}

TEST(UserFolder, AppDataWinsThenXdgThenHome) {
  {
    ScopedEnv appdata("APPDATA", "/users/ada/AppData");
    EXPECT_EQ(DefaultUserPath("Quorvix", "Vandrell"), "/users/ada/AppData/Quorvix/Vandrell/");
  }
  ScopedEnv noAppdata("APPDATA", nullptr);
  {
    ScopedEnv xdg("XDG_DATA_HOME", "/home/ada/data");
    EXPECT_EQ(DefaultUserPath("Quorvix", "Vandrell"), "/home/ada/data/Quorvix/Vandrell/");
  }
  ScopedEnv noXdg("XDG_DATA_HOME", nullptr);
  ScopedEnv home("HOME", "/home/ada");
  EXPECT_EQ(DefaultUserPath("Quorvix", "Vandrell"), "/home/ada/.local/share/Quorvix/Vandrell/");
}

}  // namespace vandrell
