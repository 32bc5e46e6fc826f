#include <AL/al.h>
#include <AL/alc.h>

#include <cstdlib>

#include "platform/audio_device.h"
#include "platform/window.h"

namespace vandrell {

bool AudioLibraryAvailable() { return true; }

intptr_t OpenAudioDevice() {
  // A run without a display has no listener either: mix into the null output
  // instead of probing sound cards that are not there.
  if (IsHeadless()) setenv("ALSOFT_DRIVERS", "null", 0);
  return reinterpret_cast<intptr_t>(alcOpenDevice(nullptr));
}

intptr_t CreateAudioContext(intptr_t device) {
  if (!device) return 0;
  return reinterpret_cast<intptr_t>(alcCreateContext(reinterpret_cast<ALCdevice*>(device), nullptr));
}

bool MakeAudioContextCurrent(intptr_t context) {
  return alcMakeContextCurrent(reinterpret_cast<ALCcontext*>(context)) == ALC_TRUE;
}

void DestroyAudioContext(intptr_t context) {
  if (context) alcDestroyContext(reinterpret_cast<ALCcontext*>(context));
}

void CloseAudioDevice(intptr_t device) {
  if (device) alcCloseDevice(reinterpret_cast<ALCdevice*>(device));
}

}  // namespace vandrell
