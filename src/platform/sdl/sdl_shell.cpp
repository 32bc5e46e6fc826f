#include <SDL.h>

#include <cstdio>

#include "platform/log.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace vandrell {

bool OpenURL(const std::string& url) {
  const std::string address = MapURL(url);
  DebugLog("Open URL: " + address);
  if (IsHeadless()) return false;
  return SDL_OpenURL(address.c_str()) == 0;
}

void Notify(const std::string& text, bool serious) {
  DebugLog(text);
  if (!IsHeadless()) {
    const Uint32 kind = serious ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    if (SDL_ShowSimpleMessageBox(kind, AppTitle().c_str(), text.c_str(), nullptr) == 0) return;
  }
  std::fprintf(stderr, "%s\n", text.c_str());
}

void Alert(const std::string& text) {
  DebugLog(text);
  std::fprintf(stderr, "%s\n", text.c_str());
  if (!IsHeadless()) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, AppTitle().c_str(), text.c_str(), nullptr);
}

}  // namespace vandrell
