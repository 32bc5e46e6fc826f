// tFile::letter lives beside the fonts rather than in the media lookup so that
// the lookup does not depend on them.
#include "platform/log.h"
#include "platform/text_stream.h"
#include "resources/letter.h"
#include "resources/media_lookup.h"

namespace vandrell {

tLetterPtr tFile::letter(const std::string& url, tResourceManager& manager) const {
  auto font = std::make_shared<tLetter>();
  if (const tLetterPtr cached = manager.Resource(url, nullptr).as<tLetter>()) {
    font->share(*cached);
    return font;
  }
  const TStreamPtr description = media(url);
  const TPixmapPtr image = pixmap(url + ".pixmap", manager);
  if (description && image) {
    tMultiConfig config;
    TTextStream text(description, UTF8);
    config.Load(text);
    font->Load(config, image);
  } else {
    DebugLog("Can't load font \"" + url + "\"");
  }
  if (description) description->close();
  // An empty font is cached too: a missing font is looked for once.
  manager.Resource(url, font);
  return font;
}

}  // namespace vandrell
