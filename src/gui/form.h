// An invisible rectangle that owns a set of child objects and keeps them
// placed and sized by their anchors whenever it moves or changes size.
#pragma once

#include <cstdint>
#include <memory>

#include "gui/object_set.h"
#include "gui/gui_rect.h"

namespace vandrell {

class tGuiForm : public tGuiRect {
  VANDRELL_GUI_HOOKS(tGuiForm, tGuiRect)

 public:
  // At (0, 0), 1 by 1, with a fully transparent colour.
  tGuiForm();

  virtual const std::shared_ptr<tGuiSet>& set() const { return _set; }
  // Tells every child, in stacking order, that the form went from `oldRect`
  // to `newRect` (design units).
  virtual void _reshape(const tRect& oldRect, const tRect& newRect);

  // The children get every message first, except the reshape of the form's
  // own parent: the form follows that itself and then reshapes its children.
  int32_t message(tGuiMessage& msg, tGuiMessageType type) override;
  void hotspot(float h, float v) override;
  void move(float h, float v, int32_t relative) override;
  void resize(float l, float t, int32_t relative) override;

 private:
  std::shared_ptr<tGuiSet> _set = std::make_shared<tGuiSet>();
};

}  // namespace vandrell
