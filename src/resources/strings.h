// The localized texts of the interface, looked up by section and key.
#pragma once

#include <cstdint>
#include <string>

#include "resources/config.h"

namespace vandrell {

class tStrings {
 public:
  // Reads "data/strings" below the media folder as UTF-8.
  int32_t loadStrings();
  // "(string)" for a text the strings file lacks.
  std::string get(const std::string& section, const std::string& key) const;
  bool contains(const std::string& section, const std::string& key) const;

  static tStrings& Current();

 private:
  tConfig _config;
};

}  // namespace vandrell
