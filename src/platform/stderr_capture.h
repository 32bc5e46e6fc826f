// Keeps what the process writes to standard error, at the file level, from
// reaching the terminal for a while: for libraries that print their
// complaints there instead of returning them.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace vandrell {

class TStderrCapture {
 public:
  // Starts capturing; when that is impossible, output keeps going to the
  // terminal and finish() returns nothing.
  TStderrCapture();
  // Finishes the capture when finish() was not called.
  ~TStderrCapture();
  TStderrCapture(const TStderrCapture&) = delete;
  TStderrCapture& operator=(const TStderrCapture&) = delete;

  // Restores standard error and returns the captured lines, without their
  // line ends. Later calls return nothing.
  std::vector<std::string> finish();

 private:
  int _saved = -1;
  std::FILE* _captured = nullptr;
};

}  // namespace vandrell
