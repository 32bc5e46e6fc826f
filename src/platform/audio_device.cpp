#include "platform/audio_device.h"

#include "platform/process_wide.h"

namespace vandrell {

TAudioContext& TAudioContext::Current() { return tProcessWide<TAudioContext>::get(CreateNullAudioContext); }

bool TAudioContext::makeCurrent() {
  if (!_activate()) return false;
  const TAudioContextPtr previous = tProcessWide<TAudioContext>::exchange(shared_from_this());
  if (previous && previous.get() != this) previous->_deactivate();
  return true;
}

void TAudioContext::ClearCurrent() {
  if (const TAudioContextPtr previous = tProcessWide<TAudioContext>::exchange(nullptr)) previous->_deactivate();
}

}  // namespace vandrell
