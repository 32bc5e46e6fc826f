// The campaign list: which level folder plays as the title, the intro, the
// main-menu level, the extra level and each campaign level in turn, which
// levels may be saved and where chapters begin. Read from "campaign.cfg" in
// the level folder of the data, once at start-up.
#pragma once

#include <cstdint>
#include <string>

#include "resources/config.h"

namespace vandrell {

class tCampaign {
 public:
  // Empty until loaded.
  static tCampaign& Current();

  // With a test level (the "-l" switch) the file is not read: that level is
  // the whole campaign, as level "0". Otherwise a missing file leaves the
  // campaign empty.
  virtual void loadCampaign(const std::string& testLevel);
  // "(string)" when the option is missing.
  virtual std::string get(const std::string& section, const std::string& key) const;
  // 0 when the option is missing.
  virtual int32_t getInt(const std::string& section, const std::string& key) const;
  // An empty key asks whether the section exists.
  virtual int32_t contains(const std::string& section, const std::string& key) const;

  virtual ~tCampaign() = default;

 protected:
  tConfig _config;
};

}  // namespace vandrell
