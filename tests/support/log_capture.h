// Collects the diagnostic lines written while it is alive.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vandrell {

class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  const std::vector<std::string>& lines() const { return _lines; }
  bool contains(std::string_view fragment) const;
  void clear() { _lines.clear(); }

 private:
  std::vector<std::string> _lines;
};

}  // namespace vandrell
