// A level folder built from arbitrary text: the input, cut at form feeds,
// gives in turn location.cfg, sysmissions.cfg, messages.cfg, missions.cfg,
// mission_groups.cfg, objects.cfg, extcommands.cfg and music.cfg (a file the
// input does not reach is missing). Further locations that location.cfg
// names read the same files when their folder is "l", none otherwise. A
// small media folder holds one
// picture, "a.png" (4 x 4), for the records to name. The level is loaded with
// the game's loader, runs two updates and is cleared.
//
// Throughout: every pic the level lists is alive and stands in a set of a
// location; the missions a pic carries are the level's own, and every tag
// lists only the level's pics; once cleared and dropped, nothing of the level
// is left alive.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "game/level.h"
#include "game/level_loader.h"
#include "game/loading.h"
#include "game/scripting.h"
#include "gui/object.h"
#include "platform/filesystem.h"
#include "platform/png_codec.h"
#include "platform/process_wide.h"
#include "platform/stream.h"
#include "resources/media_lookup.h"

using namespace vandrell;

namespace {

// Names the line of the check that failed: the stack trace cannot, as the
// checks are inlined.
void require(bool condition, int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "check failed at line %d of %s\n", line, __FILE__);
  std::abort();
}

constexpr const char* FILES[] = {"location.cfg",       "../sysmissions.cfg", "messages.cfg",    "missions.cfg",
                                 "mission_groups.cfg", "objects.cfg",        "extcommands.cfg", "music.cfg"};

// The data folder of one process, removed when the process ends.
struct DataFolder {
  std::string root = std::string(FileType("/dev/shm") == FILETYPE_DIR ? "/dev/shm" : "/tmp") +
                     "/vandrell-fuzz-level-" + std::to_string(getpid()) + "/";
  DataFolder() {
    CreateDir(root + "media");
    CreateDir(root + "locations/l");
    const TPixmapPtr image = TPixmap::Create(4, 4);
    for (int32_t i = 0; i < 16; ++i) image->WritePixel(i % 4, i / 4, static_cast<int32_t>(0xff000000u | i * 0x111111u));
    require(SavePixmapPNG(*image, root + "media/a.png"));
  }
  ~DataFolder() { std::filesystem::remove_all(root); }

  // Writes the files the input gives and removes the others.
  void lay(const std::string& input) const {
    size_t start = 0;
    for (const char* name : FILES) {
      const std::string path = root + "locations/l/" + name;
      std::filesystem::remove(path);
      if (start > input.size()) continue;
      const size_t end = std::min(input.find('\f', start), input.size());
      const TStreamPtr file = WriteFile(path);
      require(file != nullptr);
      file->writeString(input.substr(start, end - start));
      file->close();
      start = end + 1;
    }
  }
};

void checkLoaded(const tLevel& level) {
  for (const auto& [name, ref] : level.pics()) {
    const auto pic = ref.lock();
    require(pic != nullptr);
    bool placed = false;
    for (const auto& [id, location] : level.locations()) {
      placed = placed || location->pics().find(name) == pic || location->particles().find(name) == pic;
    }
    require(placed);
    for (const auto& mission : pic->missions()) require(level.missions().find(mission->id()) == mission);
  }
  for (const auto& [tag, pics] : level.mtags()) {
    for (const auto& ref : pics) {
      const auto pic = ref.lock();
      require(pic != nullptr && level.pics().at(pic->id()).lock() == pic);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const DataFolder folder;
  static const bool started = [] {
    StartScripting();
    return true;
  }();
  static_cast<void>(started);
  const tCurrentScope<tFile> media(std::make_shared<tFile>(folder.root));
  const tCurrentScope<tAudio> audio(std::make_shared<tAudio>());
  folder.lay(std::string(reinterpret_cast<const char*>(data), size));

  std::vector<std::weak_ptr<void>> loaded;
  {
    auto level = std::make_shared<tLevel>();
    tLoading loading;
    if (tLevelLoader(*level).load("l", loading)) {
      checkLoaded(*level);
      for (int i = 0; i < 2; ++i) tGuiObject::sendto(*level, GUIMSG_UPDATE{}, tFloatArray{0.02f});
    }
    for (const auto& [name, ref] : level->pics()) loaded.push_back(ref.lock());
    for (const auto& [name, ref] : level->commands()) loaded.push_back(ref.lock());
    for (const auto& [id, mission] : level->missions().missions()) loaded.push_back(mission);
    loaded.push_back(level);
    level->clear();
  }
  for (const auto& ref : loaded) require(ref.expired());
  return 0;
}
