#include "support/log_capture.h"

#include "platform/log.h"

namespace vandrell {

LogCapture::LogCapture() {
  SetDebugLogHook(
      [](std::string_view text, void* self) {
        auto* capture = static_cast<LogCapture*>(self);
        capture->_lines.emplace_back(text);
        capture->_places.push_back(DebugLogPlace::Current());
      },
      this);
}

LogCapture::~LogCapture() { SetDebugLogHook(nullptr, nullptr); }

bool LogCapture::contains(std::string_view fragment) const {
  for (const std::string& line : _lines) {
    if (line.find(fragment) != std::string::npos) return true;
  }
  return false;
}

std::vector<std::string> LogCapture::placed() const {
  std::vector<std::string> lines;
  for (size_t i = 0; i < _lines.size(); ++i) {
    if (!_places[i].empty()) lines.push_back(_places[i] + ": " + _lines[i]);
  }
  return lines;
}

}  // namespace vandrell
