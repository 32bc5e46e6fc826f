#include "script/action_keywords.h"

#include <gtest/gtest.h>

#include <set>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

#include "script/action.h"
#include "script_level.h"

namespace vandrell {

namespace {

using ActionKeywordsTest = ScriptLevelTest;

// An argument text the kind accepts.
std::string sample(const tArgSpec& spec) {
  switch (spec.kind) {
    case tArgKind::NAME: return "thing";
    case tArgKind::N: return "1";
    case tArgKind::TICKS: return "25";
    case tArgKind::MS: return "250";
    case tArgKind::VALUE: return "v+1";
    default: return "p";
  }
}

// The action text with the first `count` arguments of the row.
std::string written(const std::string& keyword, const tActionRow& row, int32_t count) {
  std::string text = keyword;
  for (int32_t i = 0; i < count; ++i) {
    text += (i ? "," : "=") + (i < row.maxArgs() ? sample(row.args[i]) : std::string("1"));
  }
  return text;
}

}  // namespace

TEST_F(ActionKeywordsTest, TheVocabularyHasEveryKeywordOnceInItsRows) {
  const auto& rows = tActionKeywords::Current().rows();
  std::set<std::string> keywords, classes;
  for (const tActionRow& row : rows) {
    EXPECT_TRUE(classes.insert(row.className).second) << row.className;
    for (const auto& keyword : row.keywords) EXPECT_TRUE(keywords.insert(keyword).second) << keyword;
  }
  EXPECT_EQ(rows.size(), 164u) << "163 action classes and the markers";
  EXPECT_EQ(keywords.size(), 249u);
  EXPECT_EQ(rows.front().keywords, (std::vector<std::string>{"type", "addblend", "darkblend", "itemmissionscripton",
                                                              "itemmissionscriptoff", "pass"}));
  EXPECT_EQ(tActionKeywords::Current().find("sm"), tActionKeywords::Current().find("showmission"));
  EXPECT_EQ(tActionKeywords::Current().find("SHOWOBJECT"), nullptr) << "keywords are case-sensitive";
  EXPECT_TRUE(tAction::Parse("SHOWOBJECT=p").empty());
  EXPECT_TRUE(log.contains("undef: SHOWOBJECT=p"));
}

TEST_F(ActionKeywordsTest, EveryKeywordParsesWithItsArgumentsIntoItsRowsClass) {
  for (const tActionRow& row : tActionKeywords::Current().rows()) {
    const auto first = MakeAction(row.keywords.front());
    for (const auto& keyword : row.keywords) {
      for (int32_t count : {row.minArgs(), row.maxArgs()}) {
        const std::string text = written(keyword, row, count);
        const auto actions = tAction::Parse(text);
        ASSERT_EQ(actions.size(), 1u) << text;
        EXPECT_EQ(actions[0]->keyword(), keyword);
        EXPECT_EQ(typeid(*actions[0]), typeid(*first)) << text << " runs another class than " << row.keywords.front();
      }
    }
  }
  EXPECT_TRUE(log.lines().empty()) << log.lines().front();
}

TEST_F(ActionKeywordsTest, AWrongArgumentCountIsReportedAndTheActionStillParses) {
  for (const tActionRow& row : tActionKeywords::Current().rows()) {
    if (row.anyArgs) continue;
    std::vector<int32_t> wrong{row.maxArgs() + 1};
    if (row.minArgs() > 0) wrong.push_back(row.minArgs() - 1);
    for (int32_t count : wrong) {
      const std::string text = written(row.keywords.back(), row, count);
      log.clear();
      EXPECT_EQ(tAction::Parse(text).size(), 1u) << text;
      ASSERT_EQ(log.lines().size(), 1u) << text;
      const std::string expected = "args: " + text + " (" + row.keywords.back() + " takes ";
      EXPECT_EQ(log.lines()[0].rfind(expected, 0), 0u) << log.lines()[0];
    }
  }
  log.clear();
  tAction::Parse("sm=a|b,c|");
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"args: sm=a|b,c| (sm takes 1 argument, not 2)",
                                                   "args: sm=a|b,c| (sm takes 1 argument, not 0)"}));
  log.clear();
  tAction::Parse("sound=door");
  tAction::Parse("resist=30000,win,lose,255,0,0,9");
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"args: resist=30000,win,lose,255,0,0,9 "
                                                   "(resist takes 1 to 6 arguments, not 7)"}));
}

TEST_F(ActionKeywordsTest, RowsNotBoundYetReportOnceAndMarkersStayQuiet) {
  EXPECT_FALSE(tActionKeywords::Current().find("so")->available);
  EXPECT_TRUE(tActionKeywords::Current().find("set")->available);
  run("so=p;showobject=p;type=0;pass;progress=1,2", "a");
  run("so=q;ho=p", "b");
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"not available yet: so", "not available yet: ho"}));
}

TEST_F(ActionKeywordsTest, ToolsReadWhatACommandAsksForWithoutRunningIt) {
  const auto uses = DescribeCommand("[sm=m1|m2;if=next,uv:coins>2][nosuch=1;wait;seta0=door:x+1,2;seta1=door]x");
  ASSERT_EQ(uses.size(), 7u);
  EXPECT_EQ(uses[0].row->className, "tZebAction_showmission");
  EXPECT_EQ(uses[1].text, "sm=m1|m2");
  ASSERT_EQ(uses[1].arguments().size(), 1u);
  EXPECT_EQ(uses[1].arguments()[0].spec.names, tNameOf::MISSION);
  EXPECT_EQ(uses[1].arguments()[0].name(), "m2");
  EXPECT_EQ(uses[2].problem(), "");
  EXPECT_EQ(uses[2].arguments()[1].spec.kind, tArgKind::N);
  EXPECT_EQ(uses[2].arguments()[1].name(), "") << "a computed argument names nothing";
  EXPECT_EQ(uses[3].row, nullptr);
  EXPECT_EQ(uses[3].problem(), "undef: nosuch=1");
  EXPECT_EQ(uses[4].problem(), "wait takes 1 argument, not 0");
  EXPECT_EQ(uses[5].arguments()[0].spec.kind, tArgKind::PIC);
  EXPECT_EQ(uses[5].arguments()[0].name(), "");
  EXPECT_EQ(uses[6].arguments()[0].name(), "door") << "a pic is written as its name";
  EXPECT_EQ(uses[6].problem(), "seta1 takes 2 arguments, not 1");
  EXPECT_TRUE(log.lines().empty()) << "describing reports nothing";
}

TEST_F(ActionKeywordsTest, SubsystemsBindRowsByClassAndTestsAddKeywordsOfTheirOwn) {
  EXPECT_THROW(tActionKeywords::Current().implement<tAction>("tZebAction_nosuch"), std::logic_error);
  RegisterAction<tAction>({"waitms", "rec"});
  EXPECT_EQ(tActionKeywords::Current().find("waitms")->className, "");
  EXPECT_EQ(tActionKeywords::Current().find("rec"), tActionKeywords::Current().find("waitms"));
  EXPECT_EQ(tActionKeywords::Current().find("wait")->className, "tZebAction_wait") << "other rows stay";
  const auto before = tActionKeywords::Current().rows().size();
  RegisterAction<tAction>({"waitms", "rec"});
  EXPECT_EQ(tActionKeywords::Current().rows().size(), before) << "a row left without keywords goes";
}

}  // namespace vandrell
