#include "script/zeb_operators.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/random.h"
#include "resources/profile.h"
#include "script/expr.h"
#include "script/zeb_book.h"
#include "script/zeb_profile.h"
#include "zeb_script_scope.h"

namespace vandrell {

namespace {

float evaluate(const std::string& text) { return tExpr::Create(text)->calc()->ToNumber(); }

bool isNullObject(const tExprValuePtr& value) {
  return std::dynamic_pointer_cast<tExprObject>(value) != nullptr && value->ToObject() == nullptr;
}

// A scene object answering properties the way pics do: "id" is the object
// itself, so ids compare by identity.
class FakePic : public tObject, public std::enable_shared_from_this<FakePic> {
 public:
  explicit FakePic(float x) : _x(x) {}
  tExprValuePtr zeb_property(const std::string& name) {
    if (name == "x") return tExprNumber::Create(_x);
    if (name == "id") return tExprObject::Create(shared_from_this());
    return tExprObject::Create(nullptr);
  }

 private:
  float _x;
};

void addFakePicsOnce() {
  static const bool added = [] {
    tZebExpr::addPropertyOwner(ZebPropertyOwner<FakePic>());
    return true;
  }();
  (void)added;
}

// Every value drawn from `text` over many evaluations.
std::multiset<float> draws(const std::string& text, int count = 600) {
  SeedRnd(20240611);
  const auto expression = tExpr::Create(text);
  std::multiset<float> values;
  for (int i = 0; i < count; ++i) values.insert(expression->calc()->ToNumber());
  return values;
}

TEST(ZebOperatorsTest, TableHoldsTheNineteenSymbolsWithTheirOrders) {
  const auto table = ZebOperatorTable();
  const std::map<std::string, int32_t> orders = {
      {"(", 1},  {")", 2},  {"=", 10}, {"?", 10}, {"<", 10}, {">", 10}, {"{", 19},
      {"}", 19}, {"+", 20}, {"-", 20}, {"*", 30}, {"/", 30}, {"#", 30}, {"~", 39},
      {"'", 39}, {"!", 40}, {"%", 40}, {"$", 40}, {"^", 50}};
  ASSERT_EQ(table.size(), orders.size());
  for (const auto& [symbol, order] : orders) {
    ASSERT_TRUE(table.contains(symbol)) << symbol;
    EXPECT_EQ(table.at(symbol)->order(), order) << symbol;
  }
  EXPECT_NE(ZebOperatorTable().at("+"), table.at("+")) << "each table gets new instances";
}

TEST(ZebOperatorsTest, PrecedenceFromComparisonsUpToPower) {
  ZebScriptScope script;
  EXPECT_FLOAT_EQ(evaluate("2+3*4"), 14.0f);
  EXPECT_FLOAT_EQ(evaluate("(2+3)*4"), 20.0f);
  EXPECT_FLOAT_EQ(evaluate("2^3^2"), 64.0f);
  EXPECT_FLOAT_EQ(evaluate("8-3-2"), 3.0f);
  EXPECT_FLOAT_EQ(evaluate("-5"), -5.0f);
  EXPECT_FLOAT_EQ(evaluate("1+5{3"), 3.0f);  // Min binds looser than "+"
  EXPECT_FLOAT_EQ(evaluate("2{5<3"), 1.0f);  // and tighter than "<"
  EXPECT_FLOAT_EQ(evaluate("7}2*4"), 8.0f);
  EXPECT_FLOAT_EQ(evaluate("2*7#4"), 2.0f);  // "*" and "#" group from the left
  EXPECT_FLOAT_EQ(evaluate("9/3#2"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("2^2*3"), 12.0f);
  EXPECT_FLOAT_EQ(evaluate("1+1=4/2"), 1.0f);  // comparisons bind loosest
  EXPECT_FLOAT_EQ(evaluate("1<2=1"), 1.0f);    // and group from the left: (1<2)=1
}

TEST(ZebOperatorsTest, RandomOperatorsBindBetweenProductsAndPrefixes) {
  ZebScriptScope script;
  // (5~5)*0 every time; were "*" the tighter, 5~0 would draw from 0 to 5.
  for (float value : draws("5~5*0", 50)) EXPECT_EQ(value, 0.0f);
  // (!3)~3 spreads from -3 to 3; were "~" the tighter, -(3~3) would always be -3.
  const auto spread = draws("!3~3");
  EXPECT_EQ(*spread.begin(), -3.0f);
  EXPECT_EQ(*spread.rbegin(), 3.0f);
  // 2'(2^2): real numbers from 2 up to 4.
  const auto reals = draws("2'2^2");
  EXPECT_GE(*reals.begin(), 2.0f);
  EXPECT_LT(*reals.rbegin(), 4.0f);
  EXPECT_GT(*reals.rbegin(), 3.5f);
}

TEST(ZebOperatorsTest, PrefixOperatorsBindTightButDoNotNest) {
  ZebScriptScope script;
  EXPECT_FLOAT_EQ(evaluate("!5"), -5.0f);
  EXPECT_FLOAT_EQ(evaluate("!2^2"), -4.0f);
  EXPECT_FLOAT_EQ(evaluate("!2+3"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("!!3"), -3.0f);
  EXPECT_FLOAT_EQ(evaluate("$!3"), -3.0f);
  EXPECT_FLOAT_EQ(evaluate("$(!3)"), 3.0f);
  EXPECT_FLOAT_EQ(evaluate("%2.7"), 2.0f);
  EXPECT_FLOAT_EQ(evaluate("%(!2.7)"), -2.0f);
  EXPECT_FLOAT_EQ(evaluate("%!2.7"), -2.7f);
  EXPECT_FLOAT_EQ(evaluate("$(!4.5)"), 4.5f);
  EXPECT_FLOAT_EQ(evaluate("$4.5"), 4.5f);
}

TEST(ZebOperatorsTest, ArithmeticIsInThirtyTwoBitFloats) {
  ZebScriptScope script;
  EXPECT_EQ(evaluate("16777216+1"), 16777216.0f);  // in double it would be ...217
  EXPECT_EQ(evaluate("0.1+0.2"), 0.1f + 0.2f);
  EXPECT_EQ(evaluate("1/3"), 1.0f / 3.0f);
  EXPECT_EQ(evaluate("1/0"), std::numeric_limits<float>::infinity());
  EXPECT_EQ(evaluate("!1/0"), -std::numeric_limits<float>::infinity());
  EXPECT_TRUE(std::isnan(evaluate("0/0")));
  EXPECT_FLOAT_EQ(evaluate("7#3"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("!7#3"), -1.0f);
  EXPECT_FLOAT_EQ(evaluate("7.5#2"), 1.5f);
  EXPECT_TRUE(std::isnan(evaluate("7#0")));
  EXPECT_FLOAT_EQ(evaluate("2^10"), 1024.0f);
  EXPECT_FLOAT_EQ(evaluate("9^0.5"), 3.0f);
  EXPECT_EQ(evaluate("10^100"), std::numeric_limits<float>::infinity());  // beyond float: infinity
}

TEST(ZebOperatorsTest, MinAndMaxGiveTheRightOperandOnTies) {
  ZebScriptScope script;
  EXPECT_FLOAT_EQ(evaluate("2{5"), 2.0f);
  EXPECT_FLOAT_EQ(evaluate("5{2"), 2.0f);
  EXPECT_FLOAT_EQ(evaluate("2}5"), 5.0f);
  EXPECT_FLOAT_EQ(evaluate("5}2"), 5.0f);
  // 0 and -0 are equal, so the sign shows which operand came back.
  EXPECT_TRUE(std::signbit(evaluate("0{!0")));
  EXPECT_FALSE(std::signbit(evaluate("(!0){0")));
  EXPECT_TRUE(std::signbit(evaluate("0}!0")));
  EXPECT_FALSE(std::signbit(evaluate("(!0)}0")));
}

TEST(ZebOperatorsTest, ComparisonsOfNumbersObjectsAndUnsetVariables) {
  ZebScriptScope script;
  addFakePicsOnce();
  const auto p = std::make_shared<FakePic>(3.0f);
  const auto q = std::make_shared<FakePic>(3.0f);
  script.book().set("p", tExprObject::Create(p));
  script.book().set("q", tExprObject::Create(q));
  script.book().set("none", tExprObject::Create(nullptr));
  script.book().set("nothing", tExprObject::Create(nullptr));

  EXPECT_FLOAT_EQ(evaluate("x=0"), 1.0f);  // never set: the number 0
  EXPECT_FLOAT_EQ(evaluate("x?0"), 0.0f);
  EXPECT_FLOAT_EQ(evaluate("p:id=p:id"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("p:id=q:id"), 0.0f);
  EXPECT_FLOAT_EQ(evaluate("p:id?q:id"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("p:id=0"), 0.0f);  // an object never equals a number
  EXPECT_FLOAT_EQ(evaluate("p:id?0"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("none=nothing"), 1.0f);  // two nulls are the same object
  EXPECT_FLOAT_EQ(evaluate("p:x=q:x"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("p<1"), 1.0f);  // ordering reads an object as 0
  EXPECT_FLOAT_EQ(evaluate("p>!1"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("2<3"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("3<3"), 0.0f);
  EXPECT_FLOAT_EQ(evaluate("3>2"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("=0"), 0.0f);  // the empty value is neither number nor object
}

TEST(ZebOperatorsTest, RandMakesWholeNumbersOverTheTruncatedRange) {
  ZebScriptScope script;
  for (float value : draws("1~1", 50)) EXPECT_EQ(value, 1.0f);
  const auto inclusive = draws("1~3");
  EXPECT_EQ(std::set<float>(inclusive.begin(), inclusive.end()), (std::set<float>{1.0f, 2.0f, 3.0f}));
  const auto reversed = draws("3~1");
  EXPECT_EQ(std::set<float>(reversed.begin(), reversed.end()), (std::set<float>{1.0f, 2.0f, 3.0f}));
  const auto truncated = draws("1.9~3.9");
  EXPECT_EQ(std::set<float>(truncated.begin(), truncated.end()), (std::set<float>{1.0f, 2.0f, 3.0f}));
  const auto negative = draws("(!1.5)~1.5");
  EXPECT_EQ(std::set<float>(negative.begin(), negative.end()), (std::set<float>{-1.0f, 0.0f, 1.0f}));
  // Numbers beyond the Int range saturate instead of overflowing.
  for (float value : draws("(10^20)~(10^20)", 5)) EXPECT_EQ(value, 2147483648.0f);
}

TEST(ZebOperatorsTest, RndDrawsFromTheSmallerBoundUpToTheLarger) {
  ZebScriptScope script;
  for (const std::string text : {"2'5", "5'2"}) {
    const auto values = draws(text);
    EXPECT_GE(*values.begin(), 2.0f) << text;
    EXPECT_LT(*values.begin(), 2.1f) << text;
    EXPECT_LT(*values.rbegin(), 5.0f) << text;
    EXPECT_GT(*values.rbegin(), 4.9f) << text;
    EXPECT_GT(std::set<float>(values.begin(), values.end()).size(), 500u) << text;
  }
  for (float value : draws("3'3", 20)) EXPECT_EQ(value, 3.0f);
}

TEST(ZebOperatorsTest, RndNeverRoundsUpToTheUpperBound) {
  // Tiny ranges make the float rounding of the double draw reach the bound.
  tZebOp_Rnd rnd;
  const float high = std::nextafter(1.0f, 2.0f);
  SeedRnd(7);
  for (int i = 0; i < 2000; ++i) {
    ASSERT_EQ(rnd.calc(tExprNumber::Create(1.0f), tExprNumber::Create(high))->ToNumber(), 1.0f);
  }
}

TEST(ZebBookTest, UnsetNamesReadAsTheNumberZero) {
  ZebScriptScope script;
  const auto value = script.book().get("never");
  ASSERT_TRUE(std::dynamic_pointer_cast<tExprNumber>(value));
  EXPECT_EQ(value->ToNumber(), 0.0f);
  script.book().set("count", tExprNumber::Create(3.0f));
  EXPECT_FLOAT_EQ(evaluate("count+1"), 4.0f);
  EXPECT_FLOAT_EQ(evaluate("count:x"), 3.0f);  // a number is its own property
  EXPECT_FLOAT_EQ(evaluate("never:x"), 0.0f);
}

TEST(ZebBookTest, PropertiesComeFromTheObjectsThatAnswerThem) {
  ZebScriptScope script;
  addFakePicsOnce();
  const auto p = std::make_shared<FakePic>(12.5f);
  script.book().set("p", tExprObject::Create(p));
  EXPECT_FLOAT_EQ(evaluate("p:x*2"), 25.0f);
  EXPECT_EQ(tExpr::Create("p:id")->calc()->ToObject(), p);
  const auto unknown = tExpr::Create("p:nosuch")->calc();
  EXPECT_TRUE(isNullObject(unknown));
  EXPECT_EQ(unknown->ToNumber(), 0.0f);
  EXPECT_EQ(tExpr::Create("p:X")->calc()->ToObject(), nullptr) << "property names are case-sensitive";

  // An object of a kind that answers nothing is handed back itself.
  struct Plain : tObject {};
  const auto plain = std::make_shared<Plain>();
  script.book().set("plain", tExprObject::Create(plain));
  EXPECT_EQ(tExpr::Create("plain:x")->calc()->ToObject(), plain);
}

TEST(ZebBookTest, ProfilePropertiesAreThePlayersVariables) {
  ZebScriptScope script;
  const auto profile = std::make_shared<tProfile>();
  profile->user(1);
  profile->config().SetFloat("1", "uv_coins", 5.0f);
  script.book().set("uv", tExprObject::Create(tZebProfile::Create(*profile)));
  EXPECT_FLOAT_EQ(evaluate("uv:coins"), 5.0f);
  EXPECT_FLOAT_EQ(evaluate("uv:coins>4"), 1.0f);
  EXPECT_FLOAT_EQ(evaluate("uv:gems"), 0.0f);
  EXPECT_TRUE(std::dynamic_pointer_cast<tExprNumber>(tExpr::Create("uv:gems")->calc()));
  profile->config().SetFloat("1", "uv_coins", 3.0f);
  EXPECT_FLOAT_EQ(evaluate("uv:coins>4"), 0.0f);
}

}  // namespace

}  // namespace vandrell
