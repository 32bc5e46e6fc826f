#include "script/command_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "script/action.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "script_test_fixture.h"

namespace vandrell {

namespace {

using Texts = std::vector<std::string>;

// Plays the command's blocks one by one and returns what they recorded.
Texts playEveryBlock(const std::string& text, int blocks) {
  TestActionLog().clear();
  const auto command = tCommand::Parse(text);
  for (int i = 0; i < blocks; ++i) command->nextcall();
  return TestActionLog();
}

using CommandParseTest = ScriptTest;

TEST(CommandTextTest, BlocksLieBetweenBracketsThatDoNotNest) {
  EXPECT_EQ(CommandBlockTexts("a;b"), (Texts{"a;b"}));
  EXPECT_EQ(CommandBlockTexts("[a;b][c]"), (Texts{"a;b", "c"}));
  EXPECT_EQ(CommandBlockTexts("x[a]y[b]z"), (Texts{"a", "b"}));
  EXPECT_EQ(CommandBlockTexts("[a[b]c]"), (Texts{"a[b"}));
  EXPECT_EQ(CommandBlockTexts("[a][b"), (Texts{"a", ""}));
  EXPECT_EQ(CommandBlockTexts("x["), (Texts{""}));
  EXPECT_EQ(CommandBlockTexts("a]b"), (Texts{"a]b"}));
  EXPECT_EQ(CommandBlockTexts(""), (Texts{""}));
  EXPECT_EQ(CommandBlockTexts("[]"), (Texts{""}));
}

TEST(CommandTextTest, ActionsAreTrimmedPiecesBetweenSemicolons) {
  EXPECT_EQ(BlockActionTexts(" a ;\tb=1 ;; "), (Texts{"a", "b=1", "", ""}));
  EXPECT_EQ(BlockActionTexts(""), (Texts{""}));
  EXPECT_EQ(TrimScriptText("\x01 x y\r\n"), "x y");
  EXPECT_EQ(TrimScriptText("\xC3\xA9"), "\xC3\xA9") << "bytes of UTF-8 text are not blanks";
}

TEST(CommandTextTest, OnlyTheFirstEqualsSignEndsTheKeyword) {
  const tActionText ifcall = SplitActionText("ifcall = open,x=1");
  EXPECT_EQ(ifcall.keyword, "ifcall");
  ASSERT_EQ(ifcall.alternatives.size(), 1u);
  EXPECT_EQ(ifcall.alternatives[0], (Texts{" open", "x=1"}));

  const tActionText alternatives = SplitActionText("show=a|b,1|");
  EXPECT_EQ(alternatives.keyword, "show");
  EXPECT_EQ(alternatives.alternatives, (std::vector<Texts>{{"a"}, {"b", "1"}, {""}}));

  const tActionText bare = SplitActionText("cls");
  EXPECT_EQ(bare.keyword, "cls");
  EXPECT_EQ(bare.alternatives, (std::vector<Texts>{{""}})) << "one empty argument";
}

TEST_F(CommandParseTest, RegistryMapsKeywordsAndAliasesCaseSensitively) {
  EXPECT_TRUE(std::dynamic_pointer_cast<tTestRecord>(MakeAction("show")));
  EXPECT_TRUE(std::dynamic_pointer_cast<tTestRecord>(MakeAction("rec")));
  EXPECT_NE(MakeAction("show"), MakeAction("show")) << "every lookup makes a new action";
  EXPECT_EQ(MakeAction("SHOW"), nullptr);
  EXPECT_EQ(MakeAction("nosuch"), nullptr);
  RegisterAction<tTestHook>({"rec"});
  EXPECT_TRUE(std::dynamic_pointer_cast<tTestHook>(MakeAction("rec"))) << "a later registration wins";
}

TEST_F(CommandParseTest, AlternativesMakeOneActionEach) {
  const auto actions = tAction::Parse("show=a|b,1|c");
  ASSERT_EQ(actions.size(), 3u);
  EXPECT_EQ(actions[1]->variable(0), "b");
  EXPECT_FLOAT_EQ(actions[1]->calc(1)->ToNumber(), 1.0f);
  EXPECT_EQ(playEveryBlock("show=a|b|c", 1), (Texts{"a", "b", "c"}));
  EXPECT_EQ(playEveryBlock("show=a;show=b;show=c", 1), (Texts{"a", "b", "c"}));
}

TEST_F(CommandParseTest, ArgumentsAreExpressionsReadOnDemand) {
  const auto actions = tAction::Parse("rec=open,x=1");
  ASSERT_EQ(actions.size(), 1u);
  const auto& action = actions[0];
  EXPECT_EQ(action->variable(0), "open");
  EXPECT_EQ(action->variable(1), "x=1");
  EXPECT_FLOAT_EQ(action->calc(1)->ToNumber(), 0.0f);
  script.book().set("x", tExprNumber::Create(1.0f));
  EXPECT_FLOAT_EQ(action->calc(1)->ToNumber(), 1.0f) << "evaluated again at each call";

  // Missing arguments take the caller's default, or the empty value.
  EXPECT_FLOAT_EQ(action->calc(2, tExprNumber::Create(255.0f))->ToNumber(), 255.0f);
  EXPECT_FLOAT_EQ(action->calc(-1, tExprNumber::Create(4.0f))->ToNumber(), 4.0f);
  const auto missing = action->calc(7);
  ASSERT_TRUE(missing);
  EXPECT_EQ(missing->ToObject(), nullptr);
  EXPECT_EQ(missing->ToNumber(), 0.0f);
  EXPECT_EQ(action->variable(2), "");
  EXPECT_EQ(action->variable(-1), "");

  const auto bare = tAction::Parse("show");
  ASSERT_EQ(bare.size(), 1u);
  EXPECT_EQ(bare[0]->variable(0), "");
  EXPECT_EQ(bare[0]->calc(0, tExprNumber::Create(9.0f))->ToNumber(), 0.0f) << "the empty argument exists";
}

TEST_F(CommandParseTest, UnknownKeywordsAreReportedAndSkipped) {
  EXPECT_EQ(playEveryBlock("show=a; SHOWOBJECT=p|q ;nosuch;show=b", 1), (Texts{"a", "b"}));
  EXPECT_EQ(log.lines(), (Texts{"undef: SHOWOBJECT=p|q", "undef: nosuch"}));
  log.clear();
  EXPECT_TRUE(tAction::Parse("").empty());
  EXPECT_TRUE(tAction::Parse("=1,2").empty());
  EXPECT_EQ(playEveryBlock(";;show=a;", 1), (Texts{"a"}));
  EXPECT_TRUE(log.lines().empty()) << "empty keywords are not reported";
}

TEST_F(CommandParseTest, BlocksBecomeTheCommandsBlocks) {
  EXPECT_EQ(playEveryBlock("show=a;show=b", 2), (Texts{"a", "b", "a", "b"}));
  EXPECT_EQ(playEveryBlock("[show=a;show=b][show=c]", 3), (Texts{"a", "b", "c", "a", "b"}));
  EXPECT_EQ(playEveryBlock("x[show=a]y[show=b]z", 2), (Texts{"a", "b"}));
  EXPECT_EQ(playEveryBlock("[show=a][show=b", 3), (Texts{"a", "a"})) << "the unclosed block is empty";
  EXPECT_TRUE(log.lines().empty());
}

}  // namespace

}  // namespace vandrell
