#include <SDL.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "platform/filesystem.h"
#include "platform/log.h"
#include "platform/process.h"
#include "platform/shell.h"
#include "platform/window.h"

namespace vandrell {

namespace {
bool startsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  return std::equal(prefix.begin(), prefix.end(), text.begin(),
                    [](char lower, char c) { return std::tolower(static_cast<unsigned char>(c)) == lower; });
}
}  // namespace

std::string MapURL(const std::string& url) {
  if (startsWithNoCase(url, "http:") || startsWithNoCase(url, "https:") || startsWithNoCase(url, "file:")) {
    return url;
  }
  const size_t hash = url.find('#');
  const std::string path = url.substr(0, hash);
  const std::string anchor = hash == std::string::npos ? std::string() : url.substr(hash);
  if (FileType(path) == FILETYPE_FILE) return "file:" + RealPath(path) + anchor;
  return "http:" + path + anchor;
}

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
