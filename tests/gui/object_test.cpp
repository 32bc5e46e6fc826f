#include <gtest/gtest.h>

#include <stdexcept>

#include "gui_test_support.h"

namespace vandrell {

namespace {

class tBase : public tGuiObject {
  VANDRELL_GUI_HOOKS(tBase, tGuiObject, &tBase::GUIMSG_UPDATE, &tBase::TESTMSG_PING)

 public:
  explicit tBase(tTrace& trace) : trace(trace) {}
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE&) {
    trace.push_back("base:UPDATE");
    return 0;
  }
  virtual int32_t TESTMSG_PING(vandrell::TESTMSG_PING&) {
    trace.push_back("base:PING");
    return 0;
  }
  tTrace& trace;
};

// Lists its own UPDATE handler over the base's.
class tListedOverride : public tBase {
  VANDRELL_GUI_HOOKS(tListedOverride, tBase, &tListedOverride::GUIMSG_UPDATE)

 public:
  using tBase::tBase;
  int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE&) override {
    trace.push_back("derived:UPDATE");
    return 0;
  }
};

// Overrides without listing: the base's entry makes a virtual call.
class tPlainOverride : public tBase {
  VANDRELL_GUI_HOOKS(tPlainOverride, tBase)

 public:
  using tBase::tBase;
  int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE&) override {
    trace.push_back("derived:UPDATE");
    return 0;
  }
};

// A handler whose name is not its message type's.
class tOtherName : public tGuiObject {
  VANDRELL_GUI_HOOKS(tOtherName, tGuiObject, &tOtherName::TESTMSG_PINGS)

 public:
  virtual int32_t TESTMSG_PINGS(vandrell::TESTMSG_PING& msg) {
    msg.out(std::string("found"));
    return 0;
  }
};

// A mixin over any base: its table overlays whatever class it is given.
template <class Base>
class tPonging : public Base {
  VANDRELL_GUI_TEMPLATE_HOOKS(tPonging, Base, &tPonging::TESTMSG_PONG)

 public:
  using Base::Base;
  virtual int32_t TESTMSG_PONG(vandrell::TESTMSG_PONG&) {
    this->trace.push_back("mixin:PONG");
    return 0;
  }
};

class tUndeclared : public tBase {
 public:
  using tBase::tBase;
};

class tBelowUndeclared : public tUndeclared {
  VANDRELL_GUI_HOOKS(tBelowUndeclared, tUndeclared)

 public:
  using tUndeclared::tUndeclared;
};

// A message class that does not derive from tGuiMessage directly.
class tIndirectBase : public tGuiMessage {
 public:
  tGuiMessageType type() const override { return tGuiMessageType::of<tIndirectBase>(); }
};
class tIndirect : public tIndirectBase {};

}  // namespace

static_assert(tGuiDirectMessage<GUIMSG_UPDATE>);
static_assert(tGuiDirectMessage<TESTMSG_PING>);
static_assert(!tGuiDirectMessage<tIndirectBase>);
static_assert(!tGuiDirectMessage<tIndirect>);

using GuiObjectTest = GuiTest;

TEST_F(GuiObjectTest, SubclassHandlerReplacesTheBaseHandlerAndRunsOnce) {
  tTrace trace;
  auto listed = std::make_shared<tListedOverride>(trace);
  auto plain = std::make_shared<tPlainOverride>(trace);
  for (const auto& object : {std::static_pointer_cast<tGuiObject>(listed), std::static_pointer_cast<tGuiObject>(plain)}) {
    trace.clear();
    tGuiObject::sendto(*object, GUIMSG_UPDATE{});
    tGuiObject::sendto(*object, TESTMSG_PING{});
    EXPECT_EQ(trace, (tTrace{"derived:UPDATE", "base:PING"}));
  }
}

TEST_F(GuiObjectTest, ATemplateOverADependentBaseKeepsTheBaseHandlers) {
  tTrace trace;
  auto object = std::make_shared<tPonging<tListedOverride>>(trace);
  tGuiObject::sendto(*object, GUIMSG_UPDATE{});
  tGuiObject::sendto(*object, TESTMSG_PING{});
  tGuiObject::sendto(*object, TESTMSG_PONG{});
  EXPECT_EQ(trace, (tTrace{"derived:UPDATE", "base:PING", "mixin:PONG"}));
}

TEST_F(GuiObjectTest, HandlerIsFoundByItsParameterTypeWhateverItsName) {
  auto object = std::make_shared<tOtherName>();
  EXPECT_EQ(AnswerText(tGuiObject::sendto(*object, TESTMSG_PING{})), "found");
}

TEST_F(GuiObjectTest, UnhandledTypesAreIgnoredWithoutFallback) {
  tTrace trace;
  auto object = std::make_shared<tBase>(trace);
  tGuiObject::sendto(*object, TESTMSG_PONG{});
  tGuiObject::sendto(*object, GUIMSG_RENDER{});
  EXPECT_TRUE(trace.empty());
}

TEST_F(GuiObjectTest, ClassWithoutHookDeclarationFailsAtFirstDelivery) {
  tTrace trace;
  auto undeclared = std::make_shared<tUndeclared>(trace);
  EXPECT_THROW(tGuiObject::sendto(*undeclared, GUIMSG_UPDATE{}), std::logic_error);
  // A declared class below an undeclared one would lose that class's handlers.
  auto below = std::make_shared<tBelowUndeclared>(trace);
  EXPECT_THROW(tGuiObject::sendto(*below, GUIMSG_UPDATE{}), std::logic_error);
  EXPECT_TRUE(trace.empty());
}

TEST_F(GuiObjectTest, SendReturnsTheLastAnswerOrTheGivenOut) {
  tTrace trace;
  tGui::Current().insert(MakeProbe("lower", trace));
  tGui::Current().insert(MakeProbe("upper", trace));
  EXPECT_EQ(AnswerText(tGuiObject::send(TESTMSG_PING{})), "upper");
  EXPECT_EQ(AnswerText(tGuiObject::send(TESTMSG_PONG{}, {}, std::string("unchanged"))), "unchanged");
  EXPECT_FALSE(tGuiObject::send(TESTMSG_PONG{}).has_value());
}

TEST_F(GuiObjectTest, SendtoReachesOnlyTheTargetAndItsMembers) {
  tTrace trace;
  auto inTree = MakeProbe("tree", trace);
  tGui::Current().insert(inTree);
  auto loose = MakeProbe("loose", trace);
  tGuiObject::sendto(*loose, TESTMSG_PING{});
  EXPECT_EQ(trace, tTrace{"loose:PING"});

  trace.clear();
  auto set = std::make_shared<tGuiSet>();
  set->insert(MakeProbe("member", trace));
  EXPECT_EQ(AnswerText(tGuiObject::sendto(*set, TESTMSG_PING{})), "member");
  EXPECT_EQ(trace, tTrace{"member:PING"});
}

TEST_F(GuiObjectTest, GenidCountsUpByOne) {
  const int32_t first = tGuiObject::genid();
  EXPECT_GE(first, 1);
  EXPECT_EQ(tGuiObject::genid(), first + 1);
}

TEST_F(GuiObjectTest, FreeLeavesEverySetTheBroadcastReaches) {
  tTrace trace;
  auto shared = MakeProbe("shared", trace);
  auto first = std::make_shared<tGuiSet>();
  auto second = std::make_shared<tGuiSet>();
  auto detached = std::make_shared<tGuiSet>();
  tGui::Current().insert(first, "first");
  first->insert(second, "second");
  first->insert(shared, "shared");
  second->insert(shared);
  detached->insert(shared);

  shared->free();

  EXPECT_EQ(first->find("shared"), nullptr);
  EXPECT_EQ(second->find("shared"), nullptr);
  EXPECT_TRUE(first->order().size() == 1 && second->order().empty());
  EXPECT_EQ(detached->find("shared"), shared);
}

TEST_F(GuiObjectTest, FreeRequiresSharedOwnership) {
  tTrace trace;
  tProbe onStack("stack", trace);
  EXPECT_THROW(onStack.free(), std::bad_weak_ptr);
}

namespace {
// Broadcasts PONG from inside its PING handler.
class tRelay : public tGuiObject {
  VANDRELL_GUI_HOOKS(tRelay, tGuiObject, &tRelay::TESTMSG_PING, &tRelay::TESTMSG_PONG)

 public:
  explicit tRelay(tTrace& trace) : trace(trace) {}
  virtual int32_t TESTMSG_PING(vandrell::TESTMSG_PING&) {
    trace.push_back("relay:PING");
    send(vandrell::TESTMSG_PONG{});
    return 0;
  }
  virtual int32_t TESTMSG_PONG(vandrell::TESTMSG_PONG&) {
    trace.push_back("relay:PONG");
    return 0;
  }
  tTrace& trace;
};
}  // namespace

TEST_F(GuiObjectTest, NestedBroadcastCompletesBeforeTheOuterOneGoesOn) {
  tTrace trace;
  tGui::Current().insert(std::make_shared<tRelay>(trace));
  tGui::Current().insert(MakeProbe("after", trace));
  tGuiObject::send(TESTMSG_PING{});
  EXPECT_EQ(trace, (tTrace{"relay:PING", "relay:PONG", "after:PING"}));
}

}  // namespace vandrell
