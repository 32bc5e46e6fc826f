// Handing things to the desktop: web links and message boxes.
#pragma once

#include <cstdint>
#include <string>

namespace vandrell {

// The address OpenURL gives the browser: "http:", "https:" and "file:"
// addresses unchanged; otherwise the part before the first "#" is a path, which
// becomes "file:" plus its full path when it names an existing file and is
// prefixed with "http:" when it does not; the "#" part follows again.
std::string MapURL(const std::string& url);
// Opens the address in the user's browser; false when that failed.
bool OpenURL(const std::string& url);

// Shows a message box and waits; with no display the text goes to the debug
// log and standard error instead.
void Notify(const std::string& text, bool serious);
// A start-up problem the player must read: always on standard error, and in a
// message box as well where there is a display. Also written to the debug log.
void Alert(const std::string& text);

}  // namespace vandrell
