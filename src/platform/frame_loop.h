// Who drives the frames. A desktop program loops by itself; a web page must
// give the browser control back after every frame and be called again at its
// next animation frame.
#pragma once

#include <functional>

namespace vandrell {

// Calls `frame` once a frame for the rest of the run, which ends inside a
// frame through ExitProcess (platform/process.h). On the desktop the exit's
// exception leaves this call for the caller to catch. In a browser the call
// leaves its caller's stack behind without unwinding it (what lives there
// stays valid, and the browser calls `frame` from then on); an exit inside a
// frame ends the page's loop instead, and the page is told the exit code.
[[noreturn]] void RunFrames(std::function<void()> frame);

}  // namespace vandrell
