#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "gui_test_support.h"

namespace vandrell {

namespace {

std::vector<std::string> Names(const tGuiSet& set) {
  std::vector<std::string> names;
  for (const auto& member : set.order()) names.push_back(member->id());
  return names;
}

// Runs a step of the test's choosing when PING first reaches it, then notes
// the PING; the note touches the object after the step, which may have dropped
// it from its set.
class tActor : public tProbe {
  VANDRELL_GUI_HOOKS(tActor, tProbe)

 public:
  tActor(std::string label, tTrace& trace, std::function<void()> act)
      : tProbe(std::move(label), trace), act(std::move(act)) {}
  int32_t TESTMSG_PING(vandrell::TESTMSG_PING& msg) override {
    if (act) std::exchange(act, nullptr)();
    return tProbe::TESTMSG_PING(msg);
  }
  std::function<void()> act;
};

class GuiSetTest : public GuiTest {
 protected:
  std::shared_ptr<tProbe> add(const std::string& name) {
    auto probe = MakeProbe(name, trace);
    set->insert(probe, name);
    return probe;
  }
  std::shared_ptr<tActor> addActor(const std::string& name, std::function<void()> act) {
    auto actor = std::make_shared<tActor>(name, trace, std::move(act));
    set->insert(actor, name);
    return actor;
  }
  void ping() { tGuiObject::sendto(*set, TESTMSG_PING{}); }

  tTrace trace;
  std::shared_ptr<tGuiSet> set = std::make_shared<tGuiSet>();
};

}  // namespace

TEST_F(GuiSetTest, MovesChangeTheDeliveryOrder) {
  add("a");
  add("b");
  add("c");
  ping();
  EXPECT_EQ(trace, (tTrace{"a:PING", "b:PING", "c:PING"}));
  set->toBottom("c");
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"c", "a", "b"}));
  set->toUp("c");
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"a", "c", "b"}));
  set->toTop("a");
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"c", "b", "a"}));
  set->toDown("a");
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"c", "a", "b"}));
}

TEST_F(GuiSetTest, MovesAtTheEndsOrWithUnknownNamesChangeNothing) {
  add("a");
  add("b");
  set->toUp("b");
  set->toDown("a");
  set->toTop("missing");
  set->toBottom("missing");
  set->toUp("missing");
  set->toDown("missing");
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"a", "b"}));
}

TEST_F(GuiSetTest, UnnamedObjectsGetTheNextNumberAndKeepAnExistingName) {
  auto first = MakeProbe("first", trace);
  auto second = MakeProbe("second", trace);
  ASSERT_EQ(set->insert(first), first);
  ASSERT_EQ(set->insert(second, " \t "), second);
  EXPECT_EQ(std::stoi(second->id()), std::stoi(first->id()) + 1);
  EXPECT_EQ(set->find(first->id()), first);

  // Joining another set without a name keeps the name.
  auto other = std::make_shared<tGuiSet>();
  other->insertBottom(first);
  EXPECT_EQ(other->find(first->id()), first);
}

TEST_F(GuiSetTest, NamesLoseOuterBlanksAndAreMatchedExactly) {
  auto x = MakeProbe("x", trace);
  set->insert(x, "  x\t");
  EXPECT_EQ(x->id(), "x");
  EXPECT_EQ(set->find("x"), x);
  EXPECT_EQ(set->find("  x\t"), nullptr);
  EXPECT_EQ(set->find("X"), nullptr);
}

TEST_F(GuiSetTest, TakenNameIsRefusedAndTheFirstMemberStays) {
  auto first = add("a");
  add("b");
  auto second = MakeProbe("second", trace);
  EXPECT_EQ(set->insert(second, "a"), nullptr);
  EXPECT_EQ(second->id(), "a");  // renamed even though refused
  EXPECT_EQ(set->insertBottom(second, "b"), nullptr);
  EXPECT_EQ(set->find("a"), first);
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"a", "b"}));
}

TEST_F(GuiSetTest, RenameKeepsThePlaceAndRefusesBlankOrTakenNames) {
  auto a = add("a");
  auto b = add("b");
  EXPECT_EQ(set->rename("a", "a"), a);
  EXPECT_EQ(set->rename("a", "b"), nullptr);
  EXPECT_EQ(set->rename("a", "  "), nullptr);
  EXPECT_EQ(set->rename("missing", "c"), nullptr);
  EXPECT_EQ(set->find("a"), a);
  EXPECT_EQ(set->find("b"), b);

  EXPECT_EQ(set->rename("a", " c "), a);
  EXPECT_EQ(a->id(), "c");
  EXPECT_EQ(set->find("a"), nullptr);
  EXPECT_EQ(set->find("c"), a);
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"c", "b"}));
}

TEST_F(GuiSetTest, RemoveByNameOrByObject) {
  auto a = add("a");
  auto b = add("b");
  EXPECT_EQ(set->remove("a"), a);
  EXPECT_EQ(set->remove("a"), nullptr);
  EXPECT_EQ(set->removeObject(a), 0);
  set->removeObject(b);
  EXPECT_TRUE(set->order().empty());
  EXPECT_TRUE(set->index().empty());
}

TEST_F(GuiSetTest, RemovingAnObjectRenamedElsewhereLeavesOtherMembersIndexed) {
  auto shared = add("old");
  auto other = std::make_shared<tGuiSet>();
  other->insert(shared);
  other->rename("old", "new");  // the name is shared by both sets
  auto newcomer = add("new");

  set->removeObject(shared);

  EXPECT_EQ(set->find("new"), newcomer);
  EXPECT_EQ(set->find("old"), nullptr);
  EXPECT_EQ(set->index().size(), set->order().size());
}

TEST_F(GuiSetTest, FilterKeepsMembersFromOtherMessagesButNotFromReleaseNotices) {
  class tRenderingSet : public tGuiSet {
    VANDRELL_GUI_HOOKS(tRenderingSet, tGuiSet, &tRenderingSet::GUIMSG_RENDER)

   public:
    explicit tRenderingSet(tTrace& trace) : trace(trace) {}
    virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
      trace.push_back("set:RENDER");
      return 0;
    }
    tTrace& trace;
  };
  auto filtered = std::make_shared<tRenderingSet>(trace);
  auto filter = std::make_shared<tGuiMessageFilter>();
  filter->add(GUIMSG_UPDATE{});
  filtered->filter(filter);
  auto member = MakeProbe("member", trace);
  filtered->insert(member);
  tGui::Current().insert(filtered);

  tGui::Current().update(0.1f);
  tGui::Current().render();
  EXPECT_EQ(trace, (tTrace{"member:UPDATE", "set:RENDER"}));

  member->free();
  EXPECT_TRUE(filtered->order().empty());

  filter->remove(GUIMSG_UPDATE{});
  filtered->insert(member);
  trace.clear();
  tGui::Current().update(0.1f);
  EXPECT_TRUE(trace.empty());
}

TEST_F(GuiSetTest, MemberThatFreesItselfDoesNotDisturbTheOthers) {
  tGui::Current().insert(set);
  add("a");
  std::shared_ptr<tActor> quitter = addActor("quitter", nullptr);
  quitter->act = [raw = quitter.get()] { raw->free(); };
  add("c");
  quitter.reset();  // only the set owns it now
  ping();
  EXPECT_EQ(trace, (tTrace{"a:PING", "quitter:PING", "c:PING"}));
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"a", "c"}));
}

TEST_F(GuiSetTest, WalkFollowsTheLiveList) {
  add("a");
  addActor("b", [this] {
    set->remove("c");                       // not reached yet: skipped
    set->insert(MakeProbe("top", trace), "top");  // reached in this walk
    set->insertBottom(MakeProbe("bottom", trace), "bottom");  // below the walk: not reached
    set->toTop("a");                        // already visited: reached again
    set->toTop("d");                        // not yet visited: reached once, at the end
  });
  add("c");
  add("d");
  add("e");
  ping();
  EXPECT_EQ(trace, (tTrace{"a:PING", "b:PING", "e:PING", "top:PING", "a:PING", "d:PING"}));
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"bottom", "b", "e", "top", "a", "d"}));
}

TEST_F(GuiSetTest, MemberMovingItselfToTheTopIsReachedAgain) {
  addActor("a", [this] { set->toTop("a"); });
  add("b");
  ping();
  EXPECT_EQ(trace, (tTrace{"a:PING", "b:PING", "a:PING"}));
}

TEST_F(GuiSetTest, ClearDuringAWalkEndsItAndKeepsTheWalkerAlive) {
  add("a");
  addActor("b", [this] {
    set->clear();
    set->insert(MakeProbe("late", trace), "late");
  });
  add("c");
  ping();
  EXPECT_EQ(trace, (tTrace{"a:PING", "b:PING", "late:PING"}));
  EXPECT_EQ(Names(*set), std::vector<std::string>{"late"});
}

TEST_F(GuiSetTest, NestedWalksOfOneSetBothStayInStep) {
  // b's PING handler pings the set again; during that inner walk d removes a
  // and c, which the outer walk has passed and not yet reached.
  add("a");
  addActor("b", [this] { ping(); });
  addActor("d", [this] {
    set->remove("a");
    set->remove("c");
  });
  add("c");
  ping();
  EXPECT_EQ(trace, (tTrace{"a:PING", "a:PING", "b:PING", "d:PING", "b:PING", "d:PING"}));
  EXPECT_EQ(Names(*set), (std::vector<std::string>{"b", "d"}));
}

}  // namespace vandrell
