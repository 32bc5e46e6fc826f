#include "resources/campaign.h"

#include "platform/log.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"

namespace vandrell {

tCampaign& tCampaign::Current() { return tProcessWide<tCampaign>::get(); }

void tCampaign::loadCampaign(const std::string& testLevel) {
  _config.Clear();
  if (!testLevel.empty()) {
    _config.Set("0", "path", testLevel);
    return;
  }
  const TStreamPtr file = tFile::Current().level("campaign.cfg");
  if (!file) {
    DebugLog("Can't load campaign!");
    return;
  }
  _config.Load(file);
  DebugLog("Campaign loaded.");
}

std::string tCampaign::get(const std::string& section, const std::string& key) const {
  return _config.GetString(section, key, "(string)");
}

int32_t tCampaign::getInt(const std::string& section, const std::string& key) const {
  return _config.GetInt(section, key, 0);
}

int32_t tCampaign::contains(const std::string& section, const std::string& key) const {
  return _config.Contains(section, key);
}

}  // namespace vandrell
