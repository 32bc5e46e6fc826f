#include "platform/stderr_capture.h"

#include <unistd.h>

namespace vandrell {

TStderrCapture::TStderrCapture() {
  std::fflush(stderr);
  _captured = std::tmpfile();
  if (!_captured) return;
  _saved = dup(STDERR_FILENO);
  if (_saved < 0 || dup2(fileno(_captured), STDERR_FILENO) < 0) {
    if (_saved >= 0) close(_saved);
    _saved = -1;
    std::fclose(_captured);
    _captured = nullptr;
  }
}

TStderrCapture::~TStderrCapture() { finish(); }

std::vector<std::string> TStderrCapture::finish() {
  std::vector<std::string> lines;
  if (!_captured) return lines;
  std::fflush(stderr);
  dup2(_saved, STDERR_FILENO);
  close(_saved);
  _saved = -1;
  std::rewind(_captured);
  std::string line;
  for (int c; (c = std::fgetc(_captured)) != EOF;) {
    if (c != '\n') {
      line += static_cast<char>(c);
    } else {
      lines.push_back(std::move(line));
      line.clear();
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  std::fclose(_captured);
  _captured = nullptr;
  return lines;
}

}  // namespace vandrell
