#include "gui/form.h"

#include "gui_test_support.h"

namespace vandrell {

namespace {

std::shared_ptr<tGuiRect> makeChild(float h, float v, float l, float t) {
  auto child = std::make_shared<tGuiRect>();
  child->move(h, v, 0);
  child->resize(l, t, 0);
  return child;
}

std::shared_ptr<tGuiForm> makeForm(float l, float t) {
  auto form = std::make_shared<tGuiForm>();
  form->resize(l, t, 0);
  return form;
}

// A form that writes down the PINGs it handles itself.
class tTracedForm : public tGuiForm {
  VANDRELL_GUI_HOOKS(tTracedForm, tGuiForm, &tTracedForm::TESTMSG_PING)

 public:
  explicit tTracedForm(tTrace& trace) : trace(trace) {}
  virtual int32_t TESTMSG_PING(vandrell::TESTMSG_PING& msg) {
    trace.push_back("form:PING");
    msg.out(std::string("form"));
    return 0;
  }
  tTrace& trace;
};

using FormTest = GuiTest;

TEST_F(FormTest, ANewFormIsAnInvisibleUnitRectangle) {
  tGuiForm form;
  EXPECT_EQ(form.rect(), tRect::Create(0, 0, 1, 1));
  EXPECT_EQ(form.color()->a, 0.0f);
  EXPECT_FALSE(form.isPaint());
  EXPECT_TRUE(form.set()->order().empty());
}

TEST_F(FormTest, MovingTheFormCarriesItsChildren) {
  const auto form = makeForm(100, 100);
  const auto start = makeChild(30, 40, 10, 10), end = makeChild(60, 70, 10, 10);
  start->anchorPosition(ANCHOR_START, ANCHOR_START);
  end->anchorPosition(ANCHOR_END, ANCHOR_END);
  form->set()->insert(start);
  form->set()->insert(end);

  form->move(10, 0, 1);
  EXPECT_EQ(start->h(), 40.0f);
  EXPECT_EQ(start->v(), 40.0f);
  EXPECT_EQ(end->h(), 70.0f);
  form->move(0, 0, 0);
  EXPECT_EQ(start->h(), 30.0f);
  EXPECT_EQ(end->h(), 60.0f);
}

TEST_F(FormTest, ResizingPlacesAndSizesChildrenByTheirAnchors) {
  const auto form = makeForm(100, 100);
  const auto proportional = makeChild(50, 0, 20, 10), fromEnd = makeChild(90, 0, 5, 5);
  fromEnd->anchorPosition(ANCHOR_END, ANCHOR_START);
  fromEnd->anchorSize(ANCHOR_START, ANCHOR_END);
  form->set()->insert(proportional);
  form->set()->insert(fromEnd);

  form->resize(200, 100, 0);
  EXPECT_EQ(proportional->h(), 100.0f);
  EXPECT_EQ(proportional->l(), 40.0f);
  EXPECT_EQ(proportional->t(), 10.0f);
  EXPECT_EQ(fromEnd->h(), 190.0f);
  EXPECT_EQ(fromEnd->l(), 5.0f);  // keeps its width
  form->resize(0, 50, 1);
  EXPECT_EQ(fromEnd->t(), 55.0f);  // grows with the form's height
}

TEST_F(FormTest, MovingTheHotspotMovesTheRectangleAndTheChildren) {
  const auto form = makeForm(100, 50);
  form->move(100, 100, 0);
  const auto child = makeChild(120, 110, 10, 10);
  child->anchorPosition(ANCHOR_START, ANCHOR_START);
  form->set()->insert(child);

  form->hotspot(0.5f, 0.5f);
  EXPECT_EQ(form->rect(), tRect::Create(50, 75, 100, 50));
  EXPECT_EQ(child->h(), 70.0f);
  EXPECT_EQ(child->v(), 85.0f);
}

TEST_F(FormTest, AFormInsideAFormFollowsItsParentAndReshapesItsChildrenOnce) {
  const auto outer = makeForm(200, 100);
  const auto inner = makeForm(100, 50);
  inner->move(50, 20, 0);
  inner->anchorPosition(ANCHOR_START, ANCHOR_START);
  inner->anchorSize(ANCHOR_END, ANCHOR_START);
  const auto child = makeChild(140, 30, 10, 10);  // 10 units left of inner's right edge
  child->anchorPosition(ANCHOR_END, ANCHOR_START);
  child->anchorSize(ANCHOR_START, ANCHOR_START);
  inner->set()->insert(child);
  outer->set()->insert(inner);

  outer->move(10, 0, 1);
  EXPECT_EQ(inner->h(), 60.0f);
  EXPECT_EQ(child->h(), 150.0f);  // moved once with inner, not again with outer

  outer->resize(300, 100, 0);
  EXPECT_EQ(inner->l(), 200.0f);
  EXPECT_EQ(child->h(), 250.0f);
  EXPECT_EQ(child->l(), 10.0f);
}

TEST_F(FormTest, ChildrenGetMessagesBeforeTheFormItself) {
  tTrace trace;
  const auto form = std::make_shared<tTracedForm>(trace);
  form->set()->insert(MakeProbe("child", trace));
  tGui::Current().insert(form);

  EXPECT_EQ(AnswerText(tGuiObject::send(TESTMSG_PING{})), "form");
  EXPECT_EQ(trace, (tTrace{"child:PING", "form:PING"}));
}

TEST_F(FormTest, AFreedChildLeavesTheForm) {
  const auto form = makeForm(10, 10);
  const auto child = makeChild(0, 0, 1, 1);
  form->set()->insert(child);
  tGui::Current().insert(form);
  child->free();
  EXPECT_TRUE(form->set()->order().empty());
}

}  // namespace

}  // namespace vandrell
