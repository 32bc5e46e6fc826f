#include "menus/page_widget.h"

#include "resources/media_lookup.h"
#include "resources/strings.h"

namespace vandrell {

std::string MMenuString(const std::string& section, const std::string& key) {
  return tStrings::Current().get(section, key);
}

tLetterPtr MMenuFont(const std::string& name) { return tFile::Current().letter("data/" + name + "/font", rmDefault()); }

}  // namespace vandrell
