#include "platform/shell.h"

#include <algorithm>
#include <cctype>

#include "platform/filesystem.h"

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

}  // namespace vandrell
