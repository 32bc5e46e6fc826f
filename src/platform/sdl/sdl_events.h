// Moving SDL's events into the platform queue.
#pragma once

namespace vandrell {

// Drains SDL's queue, translating each event into the game's event records.
void PumpSdlEvents();
// Frees the system pointer shapes.
void ShutdownSdlPointers();

}  // namespace vandrell
