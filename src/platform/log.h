// Diagnostic log. Lines are discarded unless a target is chosen, either with
// SetDebugLogTarget (the "-log" switch) or the VANDRELL_LOG environment variable.
#pragma once

#include <string>
#include <string_view>

namespace vandrell {

// Receives one diagnostic line (without line end).
void DebugLog(std::string_view text);

// "" discards lines, "-" writes them to standard error, anything else names a
// file that is created anew. Returns false when the file cannot be opened; the
// log then discards lines.
bool SetDebugLogTarget(const std::string& target);

// Applies VANDRELL_LOG when it is set; called once at start-up.
void DebugLogFromEnvironment();

// A process-local hook that sees every line, even when no target is set.
// Tests use it to check diagnostics; pass nullptr to remove it.
using DebugLogHook = void (*)(std::string_view text, void* context);
void SetDebugLogHook(DebugLogHook hook, void* context);

}  // namespace vandrell
