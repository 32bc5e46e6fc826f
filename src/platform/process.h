// The process: its arguments, folders, environment, title and exit.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace vandrell {

// Records the command line; argument 0 is the program. Called once by main.
void SetAppArgs(int argc, char** argv);
const std::vector<std::string>& AppArgs();
// The folder holding the program (ends without "/"), and the program's path.
std::string AppDir();
std::string AppFile();

// An environment variable, "" when unset.
std::string GetEnv(const std::string& name);

// The application title, also the window caption.
void SetAppTitle(const std::string& title);
const std::string& AppTitle();

// Ending the process unwinds the stack to main (or to a test) with this
// exception, so every owner releases what it holds before the exit code is
// returned.
struct TProcessExit {
  int32_t code;
};
[[noreturn]] void ExitProcess(int32_t code);

// One line on standard output.
void PrintLine(const std::string& text);

// Bytes of heap memory in use, for the developer overlay.
int64_t MemoryInUse();

}  // namespace vandrell
