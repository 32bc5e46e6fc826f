#include "platform/window_state.h"

#include "platform/process_wide.h"

namespace vandrell {

TWindowState& TWindowState::Current() { return tProcessWide<TWindowState>::get(); }

void SetPresentHook(TPresentHook hook, void* context) {
  TWindowState::Current().presentHook = hook;
  TWindowState::Current().presentContext = context;
}

void SetClsColor(int32_t red, int32_t green, int32_t blue) {
  TWindowState& s = TWindowState::Current();
  s.clsRed = red & 255;
  s.clsGreen = green & 255;
  s.clsBlue = blue & 255;
}

void GetClsColor(int32_t& red, int32_t& green, int32_t& blue) {
  const TWindowState& s = TWindowState::Current();
  red = s.clsRed;
  green = s.clsGreen;
  blue = s.clsBlue;
}

}  // namespace vandrell
