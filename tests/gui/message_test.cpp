#include <gtest/gtest.h>

#include "gui/message_filter.h"
#include "gui_test_support.h"

namespace vandrell {

namespace {
// Only the test that allows it everywhere uses this type.
VANDRELL_GUI_MESSAGE(TESTMSG_EVERYWHERE);
}  // namespace

using GuiMessageTest = GuiTest;

TEST_F(GuiMessageTest, EmitWithoutReceiverReturnsTheGivenOut) {
  tTrace trace;
  tGui::Current().insert(MakeProbe("unreached", trace));
  tGuiMessage::gui(nullptr);
  TESTMSG_PING ping;
  EXPECT_EQ(AnswerText(ping.make({}, std::string("given")).emit()), "given");
  EXPECT_TRUE(trace.empty());
}

TEST_F(GuiMessageTest, UpdateWithoutInputHasADeltaOfZero) {
  GUIMSG_UPDATE update;
  EXPECT_EQ(update.make({}, {}).in().type(), typeid(tFloatArray));
  EXPECT_EQ(update.delta(), 0.0f);
  update.make(tFloatArray{0.25f}, {});
  EXPECT_EQ(update.delta(), 0.25f);
}

TEST_F(GuiMessageTest, AccessorOnAWrongPayloadThrows) {
  GUIMSG_KEYDOWN key;
  key.make(std::string("65"), {});
  EXPECT_THROW(key.key(), std::bad_any_cast);
  key.make(tIntArray{}, {});
  EXPECT_THROW(key.key(), std::out_of_range);
}

TEST_F(GuiMessageTest, EachClassHasItsOwnType) {
  EXPECT_EQ(GUIMSG_UPDATE{}.type(), tGuiMessageType::of<GUIMSG_UPDATE>());
  EXPECT_NE(tGuiMessageType::of<TESTMSG_PING>(), tGuiMessageType::of<TESTMSG_PONG>());
  const tGuiMessage& ping = TESTMSG_PING{};
  EXPECT_EQ(ping.type(), tGuiMessageType::of<TESTMSG_PING>());
}

TEST_F(GuiMessageTest, FilterPassesItsTypesAndThoseAllowedEverywhere) {
  tGuiMessageFilter filter;
  const tGuiMessageType free = tGuiMessageType::of<GUIMSG_FREE>();
  const tGuiMessageType ping = tGuiMessageType::of<TESTMSG_PING>();
  const tGuiMessageType pong = tGuiMessageType::of<TESTMSG_PONG>();
  EXPECT_TRUE(filter.filter(free));
  EXPECT_FALSE(filter.filter(ping));

  filter.add(TESTMSG_PING{});
  filter.add(TESTMSG_PONG{});
  filter.remove(TESTMSG_PONG{});
  filter.remove(GUIMSG_FREE{});  // not this filter's to take away
  EXPECT_TRUE(filter.filter(ping));
  EXPECT_FALSE(filter.filter(pong));
  EXPECT_TRUE(filter.filter(free));

  filter.clear();
  EXPECT_FALSE(filter.filter(ping));
  EXPECT_TRUE(filter.filter(free));

  tGuiMessageFilter other;
  other.add(TESTMSG_PING{});
  tGuiMessageFilter::allow(TESTMSG_EVERYWHERE{});
  EXPECT_TRUE(filter.filter(tGuiMessageType::of<TESTMSG_EVERYWHERE>()));
  EXPECT_TRUE(other.filter(tGuiMessageType::of<TESTMSG_EVERYWHERE>()));
}

}  // namespace vandrell
