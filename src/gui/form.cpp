#include "gui/form.h"

namespace vandrell {

tGuiForm::tGuiForm() { _color->a = 0.0f; }

void tGuiForm::_reshape(const tRect& oldRect, const tRect& newRect) {
  vandrell::GUIMSG_PARENTRESHAPE msg;
  msg.make(tRectPair{oldRect, newRect}, {});
  // A child that a reshape handler takes out of the set must not be skipped
  // or visited twice by the others.
  const tGuiSet::tOrder children = _set->order();
  for (const std::shared_ptr<tGuiObject>& child : children) child->message(msg, msg.type());
}

int32_t tGuiForm::message(tGuiMessage& msg, tGuiMessageType type) {
  if (type != tGuiMessageType::of<vandrell::GUIMSG_PARENTRESHAPE>()) _set->message(msg, type);
  return tGuiRect::message(msg, type);
}

void tGuiForm::hotspot(float h, float v) {
  const tRect before = rect();
  tGuiRect::hotspot(h, v);
  _reshape(before, rect());
}

void tGuiForm::move(float h, float v, int32_t relative) {
  const tRect before = rect();
  tGuiRect::move(h, v, relative);
  _reshape(before, rect());
}

void tGuiForm::resize(float l, float t, int32_t relative) {
  const tRect before = rect();
  tGuiRect::resize(l, t, relative);
  _reshape(before, rect());
}

}  // namespace vandrell
