#include "scene/message.h"

#include <gtest/gtest.h>

#include "script/zeb_script_scope.h"

namespace vandrell {

namespace {

class MessageTest : public ::testing::Test {
 protected:
  void setN(float n) { script.book().set("n", tExprNumber::Create(n)); }

  ZebScriptScope script;
};

TEST_F(MessageTest, PrintsEachExpressionWithItsCurrentValueRoundedHalfAwayFromZero) {
  const auto message = tMessage::Create("Found [%%] N [%%] of 5[br]Second line");
  setN(3.2f);
  EXPECT_EQ(message->getLine(0), "Found 3 of 5");
  EXPECT_EQ(message->getLine(1), "Second line");
  setN(2.5f);
  EXPECT_EQ(message->getLine(0), "Found 3 of 5");
  setN(-2.5f);
  EXPECT_EQ(message->getLine(0), "Found -3 of 5");
  setN(7.0f);
  EXPECT_EQ(message->getLong(), "Found 7 of 5 Second line");
}

TEST_F(MessageTest, EmptyPiecesAndTrailingExpressionsKeepTheirPlaces) {
  const auto message = tMessage::Create("[br]left [%%]n[%%][%%]n+1[br]x[%%]n");
  setN(4.0f);
  EXPECT_EQ(message->getText(), (std::vector<std::string>{"", "left 45", "x4"}));
  EXPECT_EQ(message->getLong(), " left 45 x4");
  EXPECT_EQ(message->getLine(3), "");
  EXPECT_EQ(message->getLine(-1), "");
  message->loadLine("");  // replaces: one empty line
  EXPECT_EQ(message->getText(), std::vector<std::string>{""});
}

}  // namespace

}  // namespace vandrell
