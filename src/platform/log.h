// Diagnostic log. Lines are discarded unless a target is chosen, either with
// SetDebugLogTarget (the "-log" switch) or the VANDRELL_LOG environment variable.
#pragma once

#include <string>
#include <string_view>

namespace vandrell {

// Receives one diagnostic line (without line end). Written to the target
// with the current place in front ("locations/a/objects.cfg:12: ..."); the
// hook gets the line as it is and may ask for the place.
void DebugLog(std::string_view text);

// Where the lines written now come from: a data file and a line of it, set
// by a reader of data files while it handles one record, so that every line
// written meanwhile, by whatever part of the program, leads a content creator
// to that record. Places nest; the innermost counts.
class DebugLogPlace {
 public:
  explicit DebugLogPlace(std::string place);
  ~DebugLogPlace();
  DebugLogPlace(const DebugLogPlace&) = delete;
  DebugLogPlace& operator=(const DebugLogPlace&) = delete;

  // The innermost place, "" outside every place.
  static const std::string& Current();
};

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
// The hook in force and its context, so a temporary hook can pass lines on
// and put the previous one back.
DebugLogHook GetDebugLogHook(void** context);

}  // namespace vandrell
