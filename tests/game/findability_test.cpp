// How findable hidden things are, on a made-up level whose figures are known
// by construction (tests/data/findability): red squares 40 units wide on a
// grey ground under a panel 100 units high; one half covered by a lid drawn
// in a later pass, one under the panel, one with its hint point 20 units
// beside it, one nearly as grey as the ground, one 12 units wide, one 25
// rows under the panel, one with a hit shape 120 units wide, one under a
// clear pane that takes every click, and one hidden at the start under a
// door; then words too wide for their places.
#include "game/findability.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/color_difference.h"
#include "game/level_check.h"
#include "game/scripting.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"
#include "script/action_keywords.h"
#include "script/expr.h"
#include "script/expr_book.h"
#include "support/render_fixture.h"
#include "support/screen_scope.h"

namespace vandrell {

namespace {

constexpr float SQUARE = 40.0f * 40.0f;

class FindabilityTest : public RenderTest {
 protected:
  FindabilityTest() : RenderTest(800, 600) {}

  void SetUp() override {
    RenderTest::SetUp();
    StartScripting();
    check.check("findable");
    ASSERT_EQ(check.figures().size(), 1u);
  }

  const tFindability::tThing& thing(const std::string& name) const {
    const auto& things = check.figures()[0].things;
    const auto found = std::find_if(things.begin(), things.end(), [&](const auto& t) { return t.name == name; });
    if (found == things.end()) throw std::out_of_range("no thing " + name);
    return *found;
  }
  // "place: text" of every finding of that severity.
  std::vector<std::string> findings(tLevelCheck::tSeverity severity) const {
    std::vector<std::string> lines;
    for (const auto& finding : check.findings()) {
      if (finding.severity == severity) lines.push_back(finding.place + ": " + finding.text);
    }
    return lines;
  }

  tCurrentScope<tActionKeywords> keywords{std::make_shared<tActionKeywords>()};
  tCurrentScope<tExprOperators> operators{std::make_shared<tExprOperators>()};
  tCurrentScope<tExprBook> book{nullptr};
  ScreenScope screen{1.0f, 1.0f, 0.0f, 0.0f};
  tCurrentScope<tFile> media{std::make_shared<tFile>(std::string(VANDRELL_TEST_DATA) + "/findability/")};
  tLevelCheck check;
};

}  // namespace

TEST_F(FindabilityTest, FiguresOfSquaresKnownByConstruction) {
  const double redOnGrey = DeltaE2000(LabOfRgb(220, 30, 30), LabOfRgb(128, 128, 128));
  const tFindability::tThing& whole = thing("whole");
  EXPECT_EQ(whole.own, SQUARE);
  EXPECT_EQ(whole.visible, SQUARE);
  EXPECT_EQ(whole.clickable, SQUARE);
  EXPECT_EQ(whole.clickBeside, 0.0f);
  EXPECT_EQ(whole.hintMiss, 0.0f);
  EXPECT_NEAR(whole.contrast, redOnGrey, 0.1);
  EXPECT_EQ(whole.grade(), tFindability::EASY);

  const tFindability::tThing& half = thing("half");
  EXPECT_EQ(half.visible, SQUARE / 2.0f) << "the lid's pass is drawn later";
  EXPECT_EQ(half.visiblePercent(), 50.0f);
  EXPECT_EQ(half.clickable, SQUARE / 2.0f) << "the lid takes no clicks, but what it covers is not seen";
  EXPECT_EQ(half.clickBeside, SQUARE / 2.0f);

  const tFindability::tThing& pale = thing("pale");
  EXPECT_NEAR(pale.contrast, DeltaE2000(LabOfRgb(131, 129, 128), LabOfRgb(128, 128, 128)), 0.1);
  EXPECT_LT(pale.contrast, tFindability::LOW_CONTRAST);
  EXPECT_EQ(pale.grade(), tFindability::HARD);

  EXPECT_EQ(thing("crumb").visible, 12.0f * 12.0f);
  EXPECT_EQ(thing("sunk").underPanel, SQUARE);
  EXPECT_EQ(thing("sunk").visible, 0.0f);
  EXPECT_EQ(thing("ledge").underPanel, 40.0f * 25.0f);
  EXPECT_EQ(thing("ledge").visible, 40.0f * 15.0f);
  EXPECT_EQ(thing("wide").clickBeside, 120.0f * 120.0f - SQUARE);
  EXPECT_EQ(thing("astray").hintMiss, 20.0f);
  EXPECT_EQ(thing("trapped").visible, SQUARE);
  EXPECT_EQ(thing("trapped").clickable, 0.0f);
  EXPECT_EQ(thing("trapped").clickTaker, "glass");
  EXPECT_TRUE(thing("later").hidden);

  const tFindability::tSummary summary = tFindability::Summarise(check.figures()[0].things);
  EXPECT_EQ(summary.count, 10);
  EXPECT_EQ(summary.medianVisible, 100.0f);
  // Half, ledge, and the two that show nothing.
  EXPECT_FLOAT_EQ(summary.partlyCovered, 0.4f);
  EXPECT_FLOAT_EQ(summary.lowContrast, 0.1f) << "pale; what shows nothing has no contrast to judge";
}

TEST_F(FindabilityTest, WhatKeepsAThingFromBeingFoundIsReportedAtItsRecord) {
  const std::string objects = "locations/findable/objects.cfg:";
  EXPECT_EQ(findings(tLevelCheck::ERROR), (std::vector<std::string>{
                                              objects + "29: sunk lies wholly under the panel",
                                              objects + "36: the hint point of astray (590, 130) lies 20 units off it",
                                              objects + "71: trapped cannot be found: the clicks on it go to glass",
                                          }));
  EXPECT_EQ(findings(tLevelCheck::WARNING),
            (std::vector<std::string>{
                objects + "99: the text box holds a word 80 units wide in a box 50 wide: AAAAAAAA",
                "locations/findable/list/objects.cfg:15: the label l_long is 240 units wide but its slot is 135: it "
                "runs over l_next",
                objects + "50: only 144 square units of crumb show (under 300): hard to see",
                objects + "57: more than half of ledge lies under the panel",
                objects + "64: the hit shape of wide is much larger than what shows of it: clicks on 12800 square "
                          "units beside it count",
                objects + "85: later cannot be found: nothing of it shows (it is hidden as the level starts; fine if "
                          "the scene changes before it shows)",
            }));
}

}  // namespace vandrell
