// The level checker: what the load writes about a record, at its file and
// line, and what only the whole loaded level shows.
#include "game/level_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/level_test_support.h"

namespace vandrell {

namespace {

class LevelCheckTest : public ::testing::Test {
 protected:
  // "place: text" of every finding of that severity, in order.
  std::vector<std::string> findings(tLevelCheck::tSeverity severity) const {
    std::vector<std::string> lines;
    for (const auto& finding : check.findings()) {
      if (finding.severity == severity) lines.push_back(finding.place + ": " + finding.text);
    }
    return lines;
  }

  tLevelWorld world;
  tLevelCheck check;
};

}  // namespace

TEST_F(LevelCheckTest, MissingSoundsAndMusicAreErrorsAtTheirRecords) {
  check.check("basic");
  EXPECT_EQ(findings(tLevelCheck::ERROR), (std::vector<std::string>{
                                              "locations/basic/missions.cfg:1: the sound ding of mission find is missing",
                                              "locations/basic/missions.cfg:1: the sound done of mission find is missing",
                                              "locations/basic/missions.cfg:9: the sound ding of mission wheel is missing",
                                              "locations/basic/music.cfg: the track theme is missing",
                                          }));
  EXPECT_EQ(findings(tLevelCheck::WARNING), std::vector<std::string>{});
  EXPECT_GT(check.count(tLevelCheck::NOTE), 0) << "the loader's progress";
}

TEST_F(LevelCheckTest, NamesThatLeadNowhereAndPicsOffTheScreen) {
  check.check("edge");
  const std::vector<std::string> errors = findings(tLevelCheck::ERROR);
  EXPECT_NE(std::find(errors.begin(), errors.end(), "locations/edge/objects.cfg:50: the text lost names no message missing"),
            errors.end());
  EXPECT_EQ(findings(tLevelCheck::WARNING),
            (std::vector<std::string>{
                "locations/edge/objects.cfg:22: the tag nothing of sep names no mission",
                "locations/edge/missions.cfg:9: the item box has no caption (message box_name)",
                "locations/edge/objects.cfg:43: the pic far lies outside the screen",
            }));
}

TEST_F(LevelCheckTest, WhatTheLoadWritesAboutARecordIsAnErrorThere) {
  check.check("broken");
  const std::vector<std::string> errors = findings(tLevelCheck::ERROR);
  EXPECT_NE(std::find(errors.begin(), errors.end(), "locations/broken/objects.cfg:13: undef: frobnicate=1"),
            errors.end());
  EXPECT_NE(std::find(errors.begin(), errors.end(),
                      "locations/broken/missions.cfg:1: level> Undefined type for mission: typo!"),
            errors.end());
  EXPECT_TRUE(world.log.contains("undef: frobnicate=1")) << "the lines still reach the hook that was there";

  tLevelCheck none;
  none.check("nowhere");
  ASSERT_EQ(none.count(tLevelCheck::ERROR), 2);
  EXPECT_EQ(none.findings().back().text, "no level here: its location.cfg is missing");
}

}  // namespace vandrell
