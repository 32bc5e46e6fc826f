#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "platform/log.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/stream.h"
#include "support/temp_dir.h"

namespace vandrell {

TEST(Random, SameSeedGivesSameSequence) {
  SeedRnd(1234);
  const double a = Rnd(0, 1);
  const int32_t b = Rand(1, 1000000);
  SeedRnd(1234);
  EXPECT_EQ(Rnd(0, 1), a);
  EXPECT_EQ(Rand(1, 1000000), b);
}

TEST(Random, IntegersCoverBothBoundsInEitherOrder) {
  SeedRnd(7);
  std::map<int32_t, int> seen;
  for (int i = 0; i < 2000; ++i) ++seen[Rand(3, -1)];
  EXPECT_EQ(seen.size(), 5u);
  EXPECT_EQ(seen.begin()->first, -1);
  EXPECT_EQ(seen.rbegin()->first, 3);
  EXPECT_EQ(Rand(5, 5), 5);
}

TEST(Random, RealsStayInsideTheirBounds) {
  SeedRnd(99);
  double low = 10, high = 0;
  for (int i = 0; i < 5000; ++i) {
    const double r = Rnd(2.0, 4.0);
    ASSERT_GE(r, 2.0);
    ASSERT_LT(r, 4.0);
    low = std::min(low, r);
    high = std::max(high, r);
  }
  EXPECT_LT(low, 2.01);
  EXPECT_GT(high, 3.99);
  EXPECT_EQ(Rnd(1.5, 1.5), 1.5);
}

TEST(DebugLog, DiscardsByDefaultAndWritesToTheChosenFile) {
  TempDir dir;
  DebugLog("nobody hears this");
  ASSERT_TRUE(SetDebugLogTarget(dir.file("log.txt")));
  DebugLog("first");
  DebugLog("second line");
  SetDebugLogTarget("");
  DebugLog("discarded again");
  TStreamPtr in = ReadFile(dir.file("log.txt"));
  ASSERT_TRUE(in);
  EXPECT_EQ(in->readLine(), "first");
  EXPECT_EQ(in->readLine(), "second line");
  EXPECT_TRUE(in->eof());
  EXPECT_FALSE(SetDebugLogTarget(dir.file("missing/folder/log.txt")));
}

TEST(DebugLog, LinesWrittenInAPlaceNameItInTheFileButNotToTheHook) {
  TempDir dir;
  ASSERT_TRUE(SetDebugLogTarget(dir.file("log.txt")));
  std::vector<std::string> hooked;
  SetDebugLogHook([](std::string_view text, void* lines) {
    static_cast<std::vector<std::string>*>(lines)->push_back(std::string(text) + " @" + DebugLogPlace::Current());
  }, &hooked);
  {
    DebugLogPlace file("a.cfg");
    {
      DebugLogPlace line("a.cfg:3");
      DebugLog("inner");
    }
    DebugLog("outer");
  }
  DebugLog("nowhere");
  SetDebugLogHook(nullptr, nullptr);
  SetDebugLogTarget("");
  TStreamPtr in = ReadFile(dir.file("log.txt"));
  ASSERT_TRUE(in);
  EXPECT_EQ(in->readLine(), "a.cfg:3: inner");
  EXPECT_EQ(in->readLine(), "a.cfg: outer");
  EXPECT_EQ(in->readLine(), "nowhere");
  EXPECT_EQ(hooked, (std::vector<std::string>{"inner @a.cfg:3", "outer @a.cfg", "nowhere @"}));
}

TEST(Process, ExitUnwindsWithTheCode) {
  try {
    ExitProcess(3);
    FAIL() << "ExitProcess returned";
  } catch (const TProcessExit& exit) {
    EXPECT_EQ(exit.code, 3);
  }
}

TEST(Process, EnvironmentAndProgramFolder) {
  setenv("VANDRELL_TEST_VARIABLE", "value", 1);
  EXPECT_EQ(GetEnv("VANDRELL_TEST_VARIABLE"), "value");
  EXPECT_EQ(GetEnv("VANDRELL_SURELY_UNSET_VARIABLE"), "");
  EXPECT_FALSE(AppDir().empty());
  EXPECT_EQ(AppFile().rfind(AppDir() + "/", 0), 0u);
}

}  // namespace vandrell
