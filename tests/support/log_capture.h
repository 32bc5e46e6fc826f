// Collects the diagnostic lines written while it is alive, with the places
// they were written in.
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
  // The lines written in a place, as "place: line".
  std::vector<std::string> placed() const;
  void clear() {
    _lines.clear();
    _places.clear();
  }

 private:
  std::vector<std::string> _lines;
  // The place each line was written in ("" for none).
  std::vector<std::string> _places;
};

}  // namespace vandrell
