#include "scene/location_layer.h"

#include "gui/app_messages.h"
#include "gui/input_messages.h"
#include "scene/pic.h"

namespace vandrell {

tLocationLayer::tLocationLayer() {
  _fEnable->add<GUIMSG_UPDATE>();
  for (const auto& f : {_fEnable, _fDisable}) {
    f->add<GUIMSG_HOVER, GUIMSG_TREAT, GUIMSG_MOUSEDOWN, M_PIC_POSTDRAW, M_PIC_MUTABLE, M_MISSION_MUTABLE>();
  }
  filter(_fEnable);
}

int32_t tLocationLayer::GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
  for (const int32_t pass : {POSTDRAW_UNDER, POSTDRAW_NORMAL, POSTDRAW_OVER, POSTDRAW_TOP}) {
    M_PIC_POSTDRAW::sendto(*this, {pass});
  }
  return 0;
}

void tLocationLayer::pause(int32_t on, tPauseOwner key) {
  _pause.pause(on != 0, key);
  filter(isPause() ? _fDisable : _fEnable);
}

}  // namespace vandrell
