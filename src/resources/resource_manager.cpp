#include "resources/resource_manager.h"

#include "platform/log.h"
#include "platform/process_wide.h"

namespace vandrell {

tResource tThroughResourceManager::Resource(const std::string& url, const tResource& res) { return Through(url, res); }

tResource tThroughResourceManager::Through(const std::string& url, const tResource& res) {
  if (res) {
    DebugLog("rm> " + url);
    _urls[res] = url;
  }
  return res;
}

std::string tThroughResourceManager::Url(const tResource& res) const {
  const auto found = _urls.find(res);
  return found == _urls.end() ? std::string() : found->second;
}

void tThroughResourceManager::Clear() { _urls.clear(); }

tResource tCacheResourceManager::Resource(const std::string& url, const tResource& res) {
  const auto found = _ress.find(url);
  if (found != _ress.end()) return found->second;
  if (!res) return nullptr;
  _ress[url] = res;
  return Through(url, res);
}

void tCacheResourceManager::Clear() {
  tThroughResourceManager::Clear();
  _ress.clear();
}

tCacheResourceManager& rmDefault() { return tProcessWide<tCacheResourceManager>::get(); }

tNullResourceManager& rmNull() { return tProcessWide<tNullResourceManager>::get(); }

}  // namespace vandrell
