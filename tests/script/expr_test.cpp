#include "script/expr.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "script/expr_book.h"
#include "test_operators.h"

namespace vandrell {

namespace {

float evaluate(const std::string& text) { return tExpr::Create(text)->calc()->ToNumber(); }

bool isNullObject(const tExprValuePtr& value) {
  return std::dynamic_pointer_cast<tExprObject>(value) != nullptr && value->ToObject() == nullptr;
}

bool isEmptyValue(const tExprValuePtr& value) {
  return value && !std::dynamic_pointer_cast<tExprNumber>(value) && !std::dynamic_pointer_cast<tExprObject>(value);
}

// A book that remembers which names and properties were asked for.
class RecordingBook : public tExprBook {
 public:
  std::vector<std::pair<std::string, std::string>> asked;
  tExprValuePtr property(const std::string& name, const std::string& property) override {
    asked.emplace_back(name, property);
    return tExprNumber::Create(7.0f);
  }
};

struct Thing : tObject {};

TEST(ExprTest, PrecedenceAndGrouping) {
  TestOperatorTable ops;
  EXPECT_FLOAT_EQ(evaluate("2+3*4"), 14.0f);
  EXPECT_FLOAT_EQ(evaluate("(2+3)*4"), 20.0f);
  EXPECT_FLOAT_EQ(evaluate("2^3^2"), 64.0f);  // (2^3)^2: equal orders group from the left
  EXPECT_FLOAT_EQ(evaluate("8-3-2"), 3.0f);
  EXPECT_FLOAT_EQ(evaluate("2*(3+(4-1))"), 12.0f);
  EXPECT_FLOAT_EQ(evaluate(" 6 / 4 "), 1.5f);
}

TEST(ExprTest, MissingLeftOperandReadsTheEmptyBottomValue) {
  TestOperatorTable ops;
  EXPECT_FLOAT_EQ(evaluate("-5"), -5.0f);
  EXPECT_FLOAT_EQ(evaluate("!5"), -5.0f);
  EXPECT_FLOAT_EQ(evaluate("2*-3"), -3.0f);  // "*" takes the bottom value and 2 is left unused below it
  EXPECT_FLOAT_EQ(evaluate("+"), 0.0f);      // no operands at all
  // Prefix operators do not nest: the first one is applied to the bottom value.
  EXPECT_FLOAT_EQ(evaluate("!!3"), -3.0f);
  EXPECT_FLOAT_EQ(evaluate("!(!3)"), 3.0f);
}

TEST(ExprTest, UnbalancedBracketsAreTolerated) {
  TestOperatorTable ops;
  EXPECT_FLOAT_EQ(evaluate("(2+3"), 0.0f);  // the unmatched "(" is evaluated last and pushes 0
  EXPECT_FLOAT_EQ(evaluate("2+3)"), 5.0f);
  EXPECT_FLOAT_EQ(evaluate(")))"), 0.0f);
  EXPECT_FLOAT_EQ(evaluate("((4"), 0.0f);
}

TEST(ExprTest, NumbersFollowDecimalConversion) {
  TestOperatorTable ops;
  EXPECT_FLOAT_EQ(evaluate("1.5*2"), 3.0f);
  EXPECT_FLOAT_EQ(evaluate(".5"), 0.5f);
  EXPECT_FLOAT_EQ(evaluate("3abc"), 3.0f);
  EXPECT_FLOAT_EQ(evaluate("2.5e2"), 250.0f);
  EXPECT_FLOAT_EQ(evaluate("."), 0.0f);
  EXPECT_EQ(evaluate("1e999"), std::numeric_limits<float>::infinity());
  // "-" cuts the exponent off: 0.1 (the dangling "e" is junk) minus 999.
  EXPECT_FLOAT_EQ(evaluate("0.1e-999"), 0.1f - 999.0f);
}

TEST(ExprTest, EmptyTextGivesTheEmptyValue) {
  TestOperatorTable ops;
  for (const char* text : {"", "   ", "\t\r\n"}) {
    const tExprValuePtr value = tExpr::Create(text)->calc();
    EXPECT_TRUE(isEmptyValue(value)) << '"' << text << '"';
    EXPECT_EQ(value->ToNumber(), 0.0f);
    EXPECT_EQ(value->ToObject(), nullptr);
  }
}

TEST(ExprTest, LexemesAreCutOnlyAtOperatorCharacters) {
  auto book = std::make_shared<tExprBook>();
  book->set("a b", tExprNumber::Create(4.0f));
  book->set("a", tExprNumber::Create(100.0f));
  TestOperatorTable ops(book);
  EXPECT_FLOAT_EQ(evaluate("a b*2"), 8.0f);
  EXPECT_FLOAT_EQ(evaluate("  a b  +1"), 5.0f);
  // An operator character is one wherever it stands, even inside a name.
  EXPECT_FLOAT_EQ(evaluate("a-b"), 100.0f);
}

TEST(ExprTest, PropertiesSplitAtTheColonAndAreTrimmed) {
  auto book = std::make_shared<RecordingBook>();
  TestOperatorTable ops(book);
  EXPECT_FLOAT_EQ(evaluate("door:x"), 7.0f);
  EXPECT_FLOAT_EQ(evaluate(" door : x +1"), 8.0f);
  evaluate("a:b:c");
  evaluate("pic:");
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"door", "x"}, {"door", "x"}, {"a", "b"}, {"pic", ""}};
  EXPECT_EQ(book->asked, expected);
}

TEST(ExprTest, VariablesWithoutABookAreNullObjects) {
  TestOperatorTable ops;  // no book
  EXPECT_TRUE(isNullObject(tExpr::Create("x")->calc()));
  EXPECT_TRUE(isNullObject(tExpr::Create("door:x")->calc()));
  EXPECT_FLOAT_EQ(evaluate("x+2"), 2.0f);
}

TEST(ExprTest, VariablesReadTheirCurrentValueAtEveryEvaluation) {
  auto book = std::make_shared<tExprBook>();
  TestOperatorTable ops(book);
  const tExprPtr e = tExpr::Create("n*2");
  EXPECT_TRUE(isEmptyValue(tExpr::Create("n")->calc()));  // a plain book's default
  EXPECT_FLOAT_EQ(e->calc()->ToNumber(), 0.0f);
  book->set("n", tExprNumber::Create(21.0f));
  EXPECT_FLOAT_EQ(e->calc()->ToNumber(), 42.0f);
  book->set("n", tExprNumber::Create(1.0f));
  EXPECT_FLOAT_EQ(e->calc()->ToNumber(), 2.0f);
}

TEST(ExprTest, ObjectValuesCompareByIdentity) {
  auto book = std::make_shared<tExprBook>();
  auto first = std::make_shared<Thing>();
  book->set("p", tExprObject::Create(first));
  book->set("q", tExprObject::Create(std::make_shared<Thing>()));
  book->set("r", tExprObject::Create(first));
  TestOperatorTable ops(book);
  EXPECT_FLOAT_EQ(evaluate("p=r"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("p=q"), 0.0f);
  EXPECT_EQ(tExpr::Create("p")->calc()->ToObject(), first);
  EXPECT_FLOAT_EQ(evaluate("p+1"), 1.0f);  // an object counts as 0
}

TEST(ExprTest, ClearingTheBookReleasesObjectsHeldByOldResults) {
  auto book = std::make_shared<tExprBook>();
  auto thing = std::make_shared<Thing>();
  std::weak_ptr<Thing> watch = thing;
  book->set("p", tExprObject::Create(std::move(thing)));
  book->set("n", tExprNumber::Create(3.0f));
  TestOperatorTable ops(book);
  const tExprPtr e = tExpr::Create("p");
  ASSERT_NE(e->calc()->ToObject(), nullptr);
  book->clear();
  EXPECT_EQ(e->result()->ToObject(), nullptr);
  EXPECT_TRUE(watch.expired());
  EXPECT_TRUE(isEmptyValue(book->get("n")));
}

TEST(ExprTest, BookSetReplacesAndPropertyOfAPlainBookIsTheVariable) {
  tExprBook book;
  book.set("v", tExprNumber::Create(1.0f));
  book.set("v", tExprNumber::Create(2.0f));
  EXPECT_FLOAT_EQ(book.get("v")->ToNumber(), 2.0f);
  EXPECT_FLOAT_EQ(book.property("v", "anything")->ToNumber(), 2.0f);
  EXPECT_TRUE(isEmptyValue(book.get("V")));  // names are case-sensitive
  book.set("v", nullptr);
  EXPECT_TRUE(isEmptyValue(book.get("v")));
}

TEST(ExprTest, VariableNamesTheLeadingVariable) {
  TestOperatorTable ops;
  EXPECT_EQ(tExpr::Create("count+1")->variable(), "count");
  EXPECT_EQ(tExpr::Create(" door : x ")->variable(), "door");
  EXPECT_EQ(tExpr::Create("!flag")->variable(), "flag");
  EXPECT_EQ(tExpr::Create("1+count")->variable(), "");
  EXPECT_EQ(tExpr::Create("")->variable(), "");
}

TEST(ExprTest, ResultAndTextKeepTheirLastState) {
  TestOperatorTable ops;
  const tExprPtr e = tExpr::Create("1+1");
  EXPECT_EQ(e->result(), nullptr);
  const tExprValuePtr first = e->calc();
  EXPECT_EQ(e->result(), first);
  e->expr("2*3");
  EXPECT_EQ(e->getExpr(), "2*3");
  EXPECT_FLOAT_EQ(e->calc()->ToNumber(), 6.0f);
}

TEST(ExprTest, CompileOnSetFixesTheFormWhenTheTextIsSet) {
  TestOperatorTable ops;
  tExpr::exprCompileOnSet = true;
  const tExprPtr early = tExpr::Create("2+3");
  tExpr::exprCompileOnSet = false;
  const tExprPtr late = tExpr::Create("2+3");
  tExprOperators::Current().clear();  // from here on "+" is no operator
  EXPECT_FLOAT_EQ(early->calc()->ToNumber(), 5.0f);
  EXPECT_FLOAT_EQ(late->calc()->ToNumber(), 2.0f);  // one constant lexeme, "2+3"
}

TEST(ExprTest, OperatorTokensAreSharedAndInReversePolishOrder) {
  TestOperatorTable ops;
  tExpr e;
  const auto tokens = e._rpn(e._parse("a+b*c"));
  ASSERT_EQ(tokens.size(), 5u);
  EXPECT_EQ(std::dynamic_pointer_cast<tExprVariable>(tokens[0])->variable(), "a");
  EXPECT_EQ(std::dynamic_pointer_cast<tExprVariable>(tokens[1])->variable(), "b");
  EXPECT_EQ(std::dynamic_pointer_cast<tExprVariable>(tokens[2])->variable(), "c");
  EXPECT_EQ(tokens[3], tExprOperators::Current().at("*"));
  EXPECT_EQ(tokens[4], tExprOperators::Current().at("+"));
  EXPECT_EQ(e._rpn(e._parse("1+1"))[2], tokens[4]);
}

}  // namespace

}  // namespace vandrell
