// The one media lookup: turns a relative data name into a stream, searching
// the pak archives (locale archives first, then "data"), then the locale
// folders, then the plain folder, all inside its root folder (the program's
// own, whatever the working folder is); and loads pixmaps and images through
// the resource manager the caller names: the level's own cache for level art,
// rmDefault() for what lives the whole run, rmNull() for what is never kept.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/image.h"
#include "platform/pixmap.h"
#include "platform/stream.h"
#include "resources/pak.h"
#include "resources/resource_manager.h"

namespace vandrell {

class tLetter;

class tFile {
 public:
  static constexpr const char* MEDIA_PATH = "media/";
  static constexpr const char* LEVEL_PATH = "locations/";
  static constexpr const char* MUSIC_PATH = "music/";

  // Whether the data must have a file. A missing required file raises the
  // notice in archive mode; an optional one is looked for quietly.
  enum tNeed { REQUIRED, OPTIONAL };

  // `root` is a folder name ending in "/" (or empty for the working folder).
  explicit tFile(std::string root = DefaultRoot());
  // The program's folder.
  static std::string DefaultRoot();
  const std::string& root() const { return _root; }

  // Reads the locale names from the file "locale" in the root folder, one
  // per line; none when it is missing.
  int32_t loadLocale();
  // Switches to archive mode: opens the archive of each locale and "data"
  // (those that exist), with entry names matched regardless of case.
  int32_t loadPak();

  // Null when no archive and no folder has the name.
  TStreamPtr file(const std::string& name, tNeed need = REQUIRED) const;
  TStreamPtr media(const std::string& name, tNeed need = REQUIRED) const;
  TStreamPtr sound(const std::string& name) const;
  TStreamPtr music(const std::string& name) const;
  // A track's own volume file, which most tracks do without: always quiet.
  TStreamPtr musicVolume(const std::string& name) const;
  TStreamPtr level(const std::string& name, tNeed need = REQUIRED) const;

  // Null when the file is missing or cannot be decoded.
  TPixmapPtr pixmap(const std::string& url, tResourceManager& manager) const;
  // Flags -1 mean the renderer's default image flags.
  TImagePtr image(const std::string& url, int32_t flags, tResourceManager& manager) const;
  TImagePtr anim(const std::string& url, int32_t cellWidth, int32_t cellHeight, int32_t firstCell, int32_t cellCount,
                 int32_t flags, tResourceManager& manager) const;

  // A bitmap font: the description `url` and its image `url` + ".pixmap"; an
  // empty font when either is missing. Every call gets its own font object
  // with its own spacing over the glyphs cached for `url` (letter_lookup.cpp).
  std::shared_ptr<tLetter> letter(const std::string& url, tResourceManager& manager) const;

  const std::vector<std::string>& locales() const { return _locales; }
  // Whether the game's data is there at all: the "data" archive in archive
  // mode, a "media/" folder otherwise.
  bool hasData() const;

  static tFile& Current();

 private:
  // A cached image under `key`, or the one `make` builds from the pixmap.
  template <typename Make>
  TImagePtr cachedImage(const std::string& url, const std::string& key, tResourceManager& manager, Make make) const;

  std::string _root;
  std::vector<std::string> _locales;
  // Empty while archives are switched off.
  std::optional<std::vector<std::shared_ptr<tPak>>> _paks;
  bool _dataArchive = false;
};

}  // namespace vandrell
