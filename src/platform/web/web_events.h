// The page's input, moved into the platform event queue. The page's script
// (shell.js) listens to the pointer and the keys and hands each event over;
// the frame's event pump then queues them.
#pragma once

namespace vandrell {

// Starts and stops listening to the page's input.
void StartWebInput();
void StopWebInput();

}  // namespace vandrell
