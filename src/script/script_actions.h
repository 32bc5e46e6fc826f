// Binds the vocabulary's rows whose actions work on script objects alone:
// variables, waits, game flow, commands and command groups.
#pragma once

namespace vandrell {

// Run once at start-up, after the script language is installed.
void RegisterScriptActions();

}  // namespace vandrell
