#include "game/desktop_actions.h"

#include <string>

#include "core/numeric.h"
#include "core/screen.h"
#include "core/settings.h"
#include "platform/input.h"
#include "platform/shell.h"
#include "platform/stream.h"
#include "resources/config.h"
#include "resources/media_lookup.h"
#include "resources/strings.h"
#include "script/action_keywords.h"

namespace vandrell {

float tZebAction_pointerxy::exec() {
  const tScreen& screen = tScreen::Current();
  MoveMouse(trunci(screen.H2X(number(0))), trunci(screen.V2Y(number(1))));
  return 0.0f;
}

float tZebAction_url::exec() {
  tSettings::Current().minimize();
  const std::string name = variable(0);
  if (!name.empty()) {
    // A placeholder is no address to send a browser to.
    if (tStrings::Current().contains("url", name)) {
      OpenURL(tStrings::Current().get("url", name));
    } else {
      reportOnce("no link \"" + name + "\" in the strings");
    }
  } else if (const TStreamPtr file = ReadFile(tFile::Current().root() + "url")) {
    tConfig links;
    links.Load(file);
    if (links.Contains("url", "game")) OpenURL(links.GetString("url", "game", ""));
  }
  return 0.0f;
}

void RegisterDesktopActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_pointerxy);
  VANDRELL_ACTION(keywords, tZebAction_url);
}

}  // namespace vandrell
