#include "gui/poly.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "platform/stream.h"
#include "support/log_capture.h"

namespace vandrell {

namespace {

tPoly square(float left, float top, float size) {
  tPoly poly;
  poly.AddPoint(left, top);
  poly.AddPoint(left + size, top);
  poly.AddPoint(left + size, top + size);
  poly.AddPoint(left, top + size);
  return poly;
}

// A "U" opening upwards: two prongs 0..10 and 20..30 over a base 20..30 high.
tPoly letterU() {
  tPoly poly;
  for (auto [x, y] : {std::pair{0, 0}, {10, 0}, {10, 20}, {20, 20}, {20, 0}, {30, 0}, {30, 30}, {0, 30}}) {
    poly.AddPoint(static_cast<float>(x), static_cast<float>(y));
  }
  return poly;
}

TEST(PolyTest, InsideNeedsThreePoints) {
  tPoly poly;
  EXPECT_EQ(poly.Inside(0, 0), 0);
  poly.AddPoint(0, 0);
  poly.AddPoint(10, 10);
  EXPECT_EQ(poly.Inside(5, 5), 0);
  EXPECT_EQ(poly.Inside(0, 0), 0);
}

TEST(PolyTest, InsideIsHalfOpenOnTheSquaresSides) {
  const tPoly poly = square(0, 0, 10);
  EXPECT_EQ(poly.Inside(5, 5), 1);
  EXPECT_EQ(poly.Inside(0, 5), 1);   // left side
  EXPECT_EQ(poly.Inside(5, 0), 1);   // top side
  EXPECT_EQ(poly.Inside(0, 0), 1);   // top-left corner
  EXPECT_EQ(poly.Inside(10, 5), 0);  // right side
  EXPECT_EQ(poly.Inside(5, 10), 0);  // bottom side
  EXPECT_EQ(poly.Inside(10, 10), 0);
  EXPECT_EQ(poly.Inside(-0.01f, 5), 0);
  EXPECT_EQ(poly.Inside(5, 10.01f), 0);
}

TEST(PolyTest, InsideFollowsConcaveOutlines) {
  const tPoly u = letterU();
  EXPECT_EQ(u.Inside(5, 5), 1);    // left prong
  EXPECT_EQ(u.Inside(25, 5), 1);   // right prong
  EXPECT_EQ(u.Inside(15, 5), 0);   // the notch between them
  EXPECT_EQ(u.Inside(15, 19), 0);  // just above the notch's floor
  EXPECT_EQ(u.Inside(15, 20), 1);  // on the floor (a side with smaller y)
  EXPECT_EQ(u.Inside(15, 25), 1);  // base
  EXPECT_EQ(u.Inside(35, 25), 0);
  // The winding direction does not matter.
  tPoly reversed;
  for (auto it = u.psets.rbegin(); it != u.psets.rend(); ++it) reversed.AddPoint((*it)->x, (*it)->y);
  EXPECT_EQ(reversed.Inside(15, 5), 0);
  EXPECT_EQ(reversed.Inside(25, 5), 1);
}

TEST(PolyTest, InsideOfASlantedTriangle) {
  tPoly triangle;
  triangle.AddPoint(0, 0);
  triangle.AddPoint(10, 10);
  triangle.AddPoint(0, 10);
  EXPECT_EQ(triangle.Inside(2, 8), 1);
  EXPECT_EQ(triangle.Inside(8, 2), 0);
  EXPECT_EQ(triangle.Inside(4.9f, 5), 1);
  EXPECT_EQ(triangle.Inside(5.1f, 5), 0);
}

TEST(PolyTest, PointsAreSharedAndRemovedFromTheEnd) {
  tPoly poly;
  auto mine = tPset::Create(1, 2);
  poly.AddPset(mine);
  const tPsetPtr added = poly.AddPoint(3, 4);
  poly.Move(10, 10);
  EXPECT_FLOAT_EQ(mine->x, 11);
  EXPECT_FLOAT_EQ(added->y, 14);
  poly.RemovePoint();
  ASSERT_EQ(poly.psets.size(), 1u);
  EXPECT_EQ(poly.psets[0], mine);
  poly.RemovePoint();
  poly.RemovePoint();  // nothing left: no effect
  EXPECT_TRUE(poly.psets.empty());
}

TEST(PolyTest, ProfileIsTheBoundingRectangle) {
  EXPECT_EQ(tPoly().GetProfile(), tRect::Create(0, 0, 0, 0));
  tPoly poly;
  poly.AddPoint(5, -2);
  poly.AddPoint(-3, 4);
  poly.AddPoint(1, 9);
  EXPECT_EQ(poly.GetProfile(), tRect::Create(-3, -2, 8, 11));
}

TEST(PolyTest, ScaleAndRotateAboutAPivot) {
  tPoly poly = square(10, 10, 10);
  poly.Scale(2, 0.5f, 10, 10);
  EXPECT_EQ(poly.GetProfile(), tRect::Create(10, 10, 20, 5));
  poly.Scale(2, 2, 0, 0);
  EXPECT_EQ(poly.GetProfile(), tRect::Create(20, 20, 40, 10));

  tPoly point;
  point.AddPoint(1, 0);
  point.Rotate(90, 0, 0);
  EXPECT_NEAR(point.psets[0]->x, 0, 1e-6);
  EXPECT_NEAR(point.psets[0]->y, 1, 1e-6);
  point.Rotate(180, 0, 2);  // about (0, 2): (0, 1) goes to (0, 3)
  EXPECT_NEAR(point.psets[0]->x, 0, 1e-5);
  EXPECT_NEAR(point.psets[0]->y, 3, 1e-5);

  tPoly empty;
  empty.Scale(2, 2, 5, 5);
  empty.Rotate(45, 5, 5);
  EXPECT_TRUE(empty.psets.empty());
}

TEST(PolyTest, CollideFindsTheNearestPointOfTheOutline) {
  const tPoly poly = square(0, 0, 10);
  EXPECT_EQ(poly.Collide(0, 0, 5, 5), nullptr);  // inside
  EXPECT_EQ(tPoly().Collide(0, 0, 5, 5), nullptr);

  tPsetPtr foot = poly.Collide(0, 0, 15, 4);  // beside the right side
  ASSERT_NE(foot, nullptr);
  EXPECT_FLOAT_EQ(foot->x, 10);
  EXPECT_FLOAT_EQ(foot->y, 4);

  foot = poly.Collide(0, 0, 3, -6);  // above the top side
  ASSERT_NE(foot, nullptr);
  EXPECT_FLOAT_EQ(foot->x, 3);
  EXPECT_FLOAT_EQ(foot->y, 0);

  const tPsetPtr corner = poly.Collide(0, 0, 14, 13);  // no foot falls on a side
  ASSERT_NE(corner, nullptr);
  EXPECT_FLOAT_EQ(corner->x, 10);
  EXPECT_FLOAT_EQ(corner->y, 10);
  EXPECT_NE(corner, poly.psets[2]);  // a new point, not the vertex
}

TEST(PolyTest, CollideProjectsOntoSlantedEdges) {
  tPoly diamond;
  diamond.AddPoint(0, -10);
  diamond.AddPoint(10, 0);
  diamond.AddPoint(0, 10);
  diamond.AddPoint(-10, 0);
  const tPsetPtr foot = diamond.Collide(0, 0, 10, 10);
  ASSERT_NE(foot, nullptr);
  EXPECT_NEAR(foot->x, 5, 1e-5);
  EXPECT_NEAR(foot->y, 5, 1e-5);
}

TEST(PolyTest, CollideCopesWithZeroLengthAndExtremeEdges) {
  tPoly poly = square(0, 0, 10);
  poly.AddPoint(0, 10);  // repeats the previous point
  const tPsetPtr near = poly.Collide(0, 0, -3, 12);
  ASSERT_NE(near, nullptr);
  EXPECT_FLOAT_EQ(near->x, 0);
  EXPECT_FLOAT_EQ(near->y, 10);

  // An edge this flat makes the slope underflow; no foot may turn into NaN.
  tPoly sliver;
  sliver.AddPoint(-1e30f, 0);
  sliver.AddPoint(1e30f, 1e-30f);
  sliver.AddPoint(0, 1);
  const tPsetPtr p = sliver.Collide(0, 0, 0, -5);
  ASSERT_NE(p, nullptr);
  EXPECT_FALSE(std::isnan(p->x));
  EXPECT_FALSE(std::isnan(p->y));
}

TEST(PolyTest, NearPointIsTheFirstNearestVertex) {
  EXPECT_EQ(tPoly().NearPoint(1, 1), nullptr);
  const tPoly poly = square(0, 0, 10);
  EXPECT_EQ(poly.NearPoint(9, 1), poly.psets[1]);
  EXPECT_EQ(poly.NearPoint(5, 5), poly.psets[0]);  // all four tie: the first wins
  EXPECT_EQ(poly.NearPoint(5, 6), poly.psets[2]);  // (10,10) and (0,10) tie: the earlier one
}

TEST(PolyTest, SaveAndLoadKeepThePointsInOrder) {
  tPoly poly = letterU();
  auto bank = std::make_shared<TBank>();
  TBankStream out(bank);
  poly.Save(out);
  EXPECT_EQ(bank->size(), 4 + 8 * 8);
  EXPECT_EQ(bank->data()[0], 8);  // the count comes first, little-endian

  TBankStream in(bank);
  tPoly loaded;
  ASSERT_TRUE(loaded.Load(in));
  ASSERT_EQ(loaded.psets.size(), poly.psets.size());
  for (size_t i = 0; i < poly.psets.size(); ++i) {
    EXPECT_EQ(loaded.psets[i]->x, poly.psets[i]->x);
    EXPECT_EQ(loaded.psets[i]->y, poly.psets[i]->y);
  }
}

TEST(PolyTest, MalformedRecordsLeaveThePolygonAlone) {
  const tPoly original = square(0, 0, 10);
  auto bank = std::make_shared<TBank>();
  TBankStream out(bank);
  original.Save(out);

  auto truncated = std::make_shared<TBank>(std::vector<uint8_t>(bank->bytes().begin(), bank->bytes().end() - 3));
  auto negative = std::make_shared<TBank>(std::vector<uint8_t>{0xff, 0xff, 0xff, 0xff});
  auto empty = std::make_shared<TBank>();
  for (const TBankPtr& bad : {truncated, negative, empty}) {
    LogCapture log;
    tPoly poly = square(1, 1, 1);
    TBankStream in(bad);
    EXPECT_FALSE(poly.Load(in));
    EXPECT_EQ(poly.psets.size(), 4u);
    EXPECT_EQ(poly.GetProfile(), tRect::Create(1, 1, 1, 1));
    EXPECT_TRUE(log.contains("polygon record")) << (log.lines().empty() ? "" : log.lines()[0]);
  }
}

}  // namespace

}  // namespace vandrell
