#include "gui/rect.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/stream.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

TEST(RectTest, InsideIncludesEveryEdge) {
  const tRect r = tRect::Create(80, 40, 40, 20);
  EXPECT_FLOAT_EQ(r.xTo(), 120);
  EXPECT_FLOAT_EQ(r.yTo(), 60);
  EXPECT_EQ(r.Inside(80, 40), 1);
  EXPECT_EQ(r.Inside(120, 60), 1);
  EXPECT_EQ(r.Inside(100, 50), 1);
  EXPECT_EQ(r.Inside(120.01f, 50), 0);
  EXPECT_EQ(r.Inside(100, 39.99f), 0);
}

TEST(RectTest, SumIsTheBoundingBox) {
  const tRect a = tRect::Create(0, 10, 5, 5);
  const tRect b = tRect::Create(-2, 12, 1, 10);
  EXPECT_EQ(a.Sum(b), tRect::Create(-2, 10, 7, 12));
  EXPECT_EQ(b.Sum(a), a.Sum(b));
  EXPECT_EQ(tRect::CreateRect(a), a);
}

TEST(RectTest, StreamRecordIsSixteenBytes) {
  auto bank = std::make_shared<TBank>();
  TBankStream out(bank);
  tRect::Create(1.5f, -2, 3, 4).Save(out);
  ASSERT_EQ(bank->size(), 16);
  // 1.5f is 0x3fc00000, stored little-endian.
  EXPECT_EQ(bank->data()[2], 0xc0);
  EXPECT_EQ(bank->data()[3], 0x3f);

  TBankStream in(bank);
  tRect loaded;
  ASSERT_TRUE(loaded.Load(in));
  EXPECT_EQ(loaded, tRect::Create(1.5f, -2, 3, 4));

  LogCapture log;
  TBankStream again(bank);
  again.seek(1);
  EXPECT_FALSE(loaded.Load(again));
  EXPECT_EQ(loaded, tRect::Create(1.5f, -2, 3, 4));
  EXPECT_TRUE(log.contains("rectangle record"));
}

}  // namespace

}  // namespace vandrell
