// The audio output device and its context. Handles are 0 when there is none.
#pragma once

#include <cstdint>

namespace vandrell {

// Whether the audio library is present (it is linked in, so always true here;
// kept so callers can report its absence the same way on every platform).
bool AudioLibraryAvailable();
// The default output device, 0 when none can be opened (no sound card).
intptr_t OpenAudioDevice();
// A context on the device, 0 on failure.
intptr_t CreateAudioContext(intptr_t device);
// Makes the context current (0 = none); false on failure.
bool MakeAudioContextCurrent(intptr_t context);
void DestroyAudioContext(intptr_t context);
void CloseAudioDevice(intptr_t device);

}  // namespace vandrell
