#include "resources/media_lookup.h"

#include "platform/filesystem.h"
#include "platform/process.h"
#include "platform/process_wide.h"
#include "platform/shell.h"
#include "platform/text_stream.h"
#include "resources/config.h"

namespace vandrell {

tFile::tFile(std::string root) : _root(std::move(root)) {}

std::string tFile::DefaultRoot() { return AppDir() + "/"; }

int32_t tFile::loadLocale() {
  _locales.clear();
  TStreamPtr stream = ReadFile(_root + "locale");
  if (!stream) return 0;
  TTextStream text(stream, LATIN1);
  for (const std::string& line : ReadConfigLines(text)) _locales.push_back(TrimConfigLine(line));
  return 0;
}

int32_t tFile::loadPak() {
  tPak::pakCaseSensitive = false;
  _paks.emplace();
  std::vector<std::string> names = _locales;
  names.push_back("data");
  _dataArchive = false;
  for (const std::string& name : names) {
    auto pak = std::make_shared<tPak>();
    if (!pak->load(_root + name)) continue;
    _paks->push_back(pak);
    _dataArchive = name == "data";
  }
  return 0;
}

bool tFile::hasData() const { return _paks ? _dataArchive : FileType(_root + MEDIA_PATH) == FILETYPE_DIR; }

TStreamPtr tFile::file(const std::string& name, tNeed need) const {
  if (_paks) {
    for (const auto& pak : *_paks) {
      if (TStreamPtr stream = pak->get(name)) return stream;
    }
    if (need == REQUIRED) Notify("Can't load " + name + " from pak!", false);
  }
  for (const std::string& locale : _locales) {
    const std::string path = _root + locale + "/" + name;
    if (FileType(path) == FILETYPE_FILE) return ReadFile(path);
  }
  const std::string path = _root + name;
  return FileType(path) == FILETYPE_FILE ? ReadFile(path) : nullptr;
}

TStreamPtr tFile::media(const std::string& name, tNeed need) const { return file(MEDIA_PATH + name, need); }

TStreamPtr tFile::sound(const std::string& name) const { return media(name + ".ogg"); }

TStreamPtr tFile::music(const std::string& name) const { return file(MUSIC_PATH + name + ".ogg"); }

TStreamPtr tFile::musicVolume(const std::string& name) const {
  return file(MUSIC_PATH + name + ".ogg.vol", OPTIONAL);
}

TStreamPtr tFile::level(const std::string& name, tNeed need) const { return file(LEVEL_PATH + name, need); }

TPixmapPtr tFile::pixmap(const std::string& url, tResourceManager& manager) const {
  tResource found = manager.Resource(url, nullptr);
  if (!found) found = manager.Resource(url, LoadPixmap(media(url)));
  return found.as<TPixmap>();
}

template <typename Make>
TImagePtr tFile::cachedImage(const std::string& url, const std::string& key, tResourceManager& manager,
                             Make make) const {
  if (const tResource found = manager.Resource(key, nullptr)) return found.as<TImage>();
  // The pixmap goes through the manager too, so images of one file with
  // different flags or cells decode it only once.
  TImagePtr made = make(pixmap(url, manager));
  manager.Resource(key, made);
  return made;
}

TImagePtr tFile::image(const std::string& url, int32_t flags, tResourceManager& manager) const {
  const std::string key = url + "@image_" + std::to_string(flags);
  return cachedImage(url, key, manager, [&](const TPixmapPtr& source) { return TImage::Load(source, flags); });
}

TImagePtr tFile::anim(const std::string& url, int32_t cellWidth, int32_t cellHeight, int32_t firstCell,
                      int32_t cellCount, int32_t flags, tResourceManager& manager) const {
  std::string key = url + "@anim_";
  for (const int32_t number : {cellWidth, cellHeight, firstCell, cellCount}) key += std::to_string(number) + "_";
  key += std::to_string(flags);
  return cachedImage(url, key, manager, [&](const TPixmapPtr& source) {
    return TImage::LoadAnim(source, cellWidth, cellHeight, firstCell, cellCount, flags);
  });
}

tFile& tFile::Current() { return tProcessWide<tFile>::get(); }

}  // namespace vandrell
