// Handing things to the browser: links open in a new tab, messages go to the
// page's status line and the browser's console.
#include <emscripten/emscripten.h>

#include <cstdio>

#include "platform/log.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/window_icon.h"

namespace vandrell {

namespace {

void tellPage(const std::string& text, bool serious) {
  std::fprintf(stderr, "%s\n", text.c_str());
  EM_ASM({ Module.vandrellMessage(UTF8ToString($0), $1); }, text.c_str(), serious ? 1 : 0);
}

}  // namespace

bool OpenURL(const std::string& url) {
  const std::string address = MapURL(url);
  DebugLog("Open URL: " + address);
  return EM_ASM_INT({ return window.open(UTF8ToString($0), "_blank") ? 1 : 0; }, address.c_str()) != 0;
}

void Notify(const std::string& text, bool serious) {
  DebugLog(text);
  tellPage(text, serious);
}

void Alert(const std::string& text) {
  DebugLog(text);
  tellPage(text, true);
}

// The page's tab shows the site's own icon.
bool SetWindowIcon(const TPixmapPtr& icon) { return false; }

}  // namespace vandrell
