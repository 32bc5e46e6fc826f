// Label-like objects with their surface state open to the tests, counting how
// often they redraw their surface.
#pragma once

#include <memory>

#include "gui/label.h"

namespace vandrell {

template <class Base>
class tInspected : public Base {
 protected:
  // What VANDRELL_GUI_HOOKS declares, spelt out for a dependent base.
  const tGuiHookTable& _getMessageHooks() const override {
    static const tGuiHookTable hooks = Base::_getMessageHooks().template overlay<tInspected>(typeid(Base));
    return hooks;
  }

 public:
  void _makeSurface() override {
    ++rebuilds;
    Base::_makeSurface();
  }
  const TImagePtr& surface() const { return this->_surface; }
  int32_t wSurface() const { return this->_wSurface; }
  int32_t hSurface() const { return this->_hSurface; }
  // The surface's pixels, or null.
  TPixmapPtr pixels() const { return this->_surface ? this->_surface->pixmaps[0] : nullptr; }

  int32_t rebuilds = 0;
};

}  // namespace vandrell
