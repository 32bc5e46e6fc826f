#include "resources/resource_manager.h"

#include <gtest/gtest.h>

#include "support/log_capture.h"

namespace vandrell {

namespace {
struct Thing {
  int id = 0;
};
tResource thing(int id) { return std::make_shared<Thing>(Thing{id}); }
}  // namespace

TEST(ResourceManager, CacheSharesTheFirstObjectOfEachKeyUntilCleared) {
  tCacheResourceManager cache;
  LogCapture log;
  EXPECT_FALSE(cache.Resource("a", nullptr)) << "a lookup of an unknown key finds nothing";
  const tResource first = thing(1);
  EXPECT_EQ(cache.Resource("a", first), first);
  EXPECT_EQ(cache.Resource("a", thing(2)), first) << "a later object for a cached key is ignored";
  EXPECT_EQ(cache.Resource("a", nullptr), first);
  EXPECT_EQ(cache.Resource("b", thing(3)).as<Thing>()->id, 3);
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"rm> a", "rm> b"}));
  EXPECT_EQ(cache.Url(first), "a");
  EXPECT_EQ(cache.Url(thing(4)), "");

  std::weak_ptr<Thing> released = first.as<Thing>();
  const tResource firstAgain = first;
  cache.Clear();
  EXPECT_FALSE(cache.Resource("a", nullptr));
  EXPECT_EQ(cache.Url(first), "");
  EXPECT_FALSE(released.expired()) << "still held here";
}

TEST(ResourceManager, ClearingTheCacheReleasesItsObjects) {
  tCacheResourceManager cache;
  std::weak_ptr<Thing> watch;
  {
    auto object = std::make_shared<Thing>();
    watch = object;
    cache.Resource("k", object);
  }
  EXPECT_FALSE(watch.expired());
  cache.Clear();
  EXPECT_TRUE(watch.expired());
}

TEST(ResourceManager, ThroughRecordsUrlsButNeverShares) {
  tThroughResourceManager through;
  LogCapture log;
  const tResource a = thing(1);
  const tResource b = thing(2);
  EXPECT_EQ(through.Resource("u", a), a);
  EXPECT_EQ(through.Resource("u", b), b);
  EXPECT_FALSE(through.Through("v", nullptr));
  EXPECT_EQ(through.Url(a), "u");
  EXPECT_EQ(through.Url(b), "u");
  EXPECT_EQ(log.lines(), (std::vector<std::string>{"rm> u", "rm> u"}));
  through.Clear();
  EXPECT_EQ(through.Url(a), "");
}

TEST(ResourceManager, NullManagerPassesEverythingThrough) {
  LogCapture log;
  const tResource a = thing(1);
  EXPECT_EQ(rmNull().Resource("u", a), a);
  EXPECT_EQ(rmNull().Through("u", a), a);
  EXPECT_FALSE(rmNull().Resource("u", nullptr));
  EXPECT_EQ(rmNull().Url(a), "");
  EXPECT_TRUE(log.lines().empty());
}

TEST(ResourceManager, ResourcesKnowTheirKind) {
  const tResource a = thing(7);
  EXPECT_EQ(a.as<Thing>()->id, 7);
  EXPECT_EQ(a.as<int>(), nullptr);
  EXPECT_EQ(tResource().as<Thing>(), nullptr);
  EXPECT_FALSE(tResource(std::shared_ptr<Thing>()));
}

}  // namespace vandrell
