// Resource managers decide whether a loaded object (pixmap, image, font) is
// cached and shared under its url or key, or handed out as it is.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <typeinfo>

namespace vandrell {

// A loaded object of any kind. It remembers its kind, so a key that data
// happens to reuse for another kind of object yields nothing rather than
// the wrong object.
class tResource {
 public:
  tResource() = default;
  tResource(std::nullptr_t) {}
  template <typename T>
  tResource(std::shared_ptr<T> object) : _object(std::move(object)), _type(_object ? &typeid(T) : nullptr) {}

  template <typename T>
  std::shared_ptr<T> as() const {
    return _type && *_type == typeid(T) ? std::static_pointer_cast<T>(_object) : nullptr;
  }
  explicit operator bool() const { return _object != nullptr; }
  bool operator<(const tResource& other) const { return _object < other._object; }
  bool operator==(const tResource& other) const { return _object == other._object; }

 private:
  std::shared_ptr<void> _object;
  const std::type_info* _type = nullptr;
};

class tResourceManager {
 public:
  virtual ~tResourceManager() = default;
  // The object to use for `url`: `res` itself or one registered before.
  virtual tResource Resource(const std::string& url, const tResource& res) = 0;
  // Records `res` under `url` without sharing it.
  virtual tResource Through(const std::string& url, const tResource& res) = 0;
  virtual std::string Url(const tResource& res) const = 0;
  virtual void Clear() = 0;
};

// Caches nothing: every request loads anew.
class tNullResourceManager : public tResourceManager {
 public:
  tResource Resource(const std::string& url, const tResource& res) override { return res; }
  tResource Through(const std::string& url, const tResource& res) override { return res; }
  std::string Url(const tResource& res) const override { return ""; }
  void Clear() override {}
};

// Remembers the url of each object it has seen (and keeps it alive).
class tThroughResourceManager : public tResourceManager {
 public:
  tResource Resource(const std::string& url, const tResource& res) override;
  tResource Through(const std::string& url, const tResource& res) override;
  std::string Url(const tResource& res) const override;
  void Clear() override;

 protected:
  std::map<tResource, std::string> _urls;
};

// Shares one object per url or key until cleared.
class tCacheResourceManager : public tThroughResourceManager {
 public:
  // A lookup when `res` is null; otherwise the cached object if there is one,
  // else `res`, which is cached from now on.
  tResource Resource(const std::string& url, const tResource& res) override;
  void Clear() override;

 protected:
  std::map<std::string, tResource> _ress;
};

// The cache of everything that lives for the whole run (HUD, menus, fonts).
tCacheResourceManager& rmDefault();
// The manager of things that must never be cached (loading screens).
tNullResourceManager& rmNull();

}  // namespace vandrell
