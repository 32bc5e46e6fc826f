#include "resources/strings.h"

#include "platform/process_wide.h"

#include "platform/log.h"
#include "resources/media_lookup.h"

namespace vandrell {

int32_t tStrings::loadStrings() {
  TStreamPtr stream = tFile::Current().media("data/strings");
  if (!stream) {
    DebugLog("Can't load strings!");
    return 0;
  }
  TTextStream text(stream, UTF8);
  _config.Load(text);
  stream->close();
  DebugLog("Strings loaded.");
  return 0;
}

std::string tStrings::get(const std::string& section, const std::string& key) const {
  return _config.GetString(section, key, "(string)");
}

bool tStrings::contains(const std::string& section, const std::string& key) const {
  return _config.Contains(section, key) != 0;
}

tStrings& tStrings::Current() { return tProcessWide<tStrings>::get(); }

}  // namespace vandrell
