#include "support/log_capture.h"

#include "platform/log.h"

namespace vandrell {

LogCapture::LogCapture() {
  SetDebugLogHook(
      [](std::string_view text, void* self) { static_cast<LogCapture*>(self)->_lines.emplace_back(text); }, this);
}

LogCapture::~LogCapture() { SetDebugLogHook(nullptr, nullptr); }

bool LogCapture::contains(std::string_view fragment) const {
  for (const std::string& line : _lines) {
    if (line.find(fragment) != std::string::npos) return true;
  }
  return false;
}

}  // namespace vandrell
