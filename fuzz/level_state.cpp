// A saved level state from arbitrary text: a small level (two locations,
// missions with a group, image pics with click commands, an on-screen text,
// a looping command) is loaded, played for a click and an update, and then
// restored from the input read as a configuration file. A real save of that
// level is among the seeds.
//
// Throughout: the restore never crashes; a level restored, whatever the save
// held, saves a state it restores again; once cleared and dropped, nothing of
// the level is left alive.
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
#include "gui/gui.h"
#include "platform/filesystem.h"
#include "platform/png_codec.h"
#include "platform/process_wide.h"
#include "platform/stream.h"
#include "platform/text_stream.h"
#include "resources/config.h"
#include "resources/media_lookup.h"

using namespace vandrell;

namespace {

void require(bool condition, int line = __builtin_LINE()) {
  if (condition) return;
  std::fprintf(stderr, "check failed at line %d of %s\n", line, __FILE__);
  std::abort();
}

const std::string PARAMS = ",1,1,0,0,255,255,255,255,0,0,0,0,0,0,0,0,0,0,0,0,0,0,";

// Seven lines of "objects.cfg".
std::string pic(const std::string& name, const std::string& xy, const std::string& tags, const std::string& click,
                int32_t text = 0) {
  return name + "\n\n" + (text ? "hello" : "a.png") + "\n" + xy + PARAMS + std::to_string(text) + ",0,0,0,0,0\n" +
         tags + "\n" + click + "\n\n";
}

struct tDataFile {
  const char* path;
  std::string text;
};

const std::vector<tDataFile>& levelFiles() {
  static const std::vector<tDataFile> files = {
      {"locations/sysmissions.cfg", "look\n0,0,0,2\n"},
      {"locations/l/location.cfg", "hall\nl/side;side;0;0;0\nl/top;top;1;0;1\n"},
      {"locations/l/missions.cfg",
       "gem\ntextmission\n-1\n0,0,0,2\n\n\nwaitms=10\n\ncoin\ntextmission\n-1\n0,0,0,0\n\n\n\n\n"},
      {"locations/l/mission_groups.cfg", "gem;coin\nwaitms=5\n"},
      {"locations/l/messages.cfg", "hello\nWelcome\n"},
      {"locations/l/objects.cfg", pic("bg", "20,45", "look", "") + pic("gem1", "100,100", "gem", "type=2") +
                                      pic("gem2", "200,100", "gem", "") + pic("coin", "300,100", "coin", "type=0") +
                                      pic("note", "400,300", "", "", 9)},
      {"locations/l/side/objects.cfg", pic("far", "50,50", "coin", "type=0")},
      {"locations/l/extcommands.cfg", "command loop;1;0;1\nwaitms=1000\ncondition 1;1\nwaitms=1\n"},
  };
  return files;
}

// The data folder of one process, removed when the process ends.
struct DataFolder {
  std::string root = std::string(FileType("/dev/shm") == FILETYPE_DIR ? "/dev/shm" : "/tmp") +
                     "/vandrell-fuzz-level-state-" + std::to_string(getpid()) + "/";
  DataFolder() {
    CreateDir(root + "media");
    CreateDir(root + "locations/l/side");
    const TPixmapPtr image = TPixmap::Create(4, 4);
    for (int32_t i = 0; i < 16; ++i) image->WritePixel(i % 4, i / 4, static_cast<int32_t>(0xff000000u | i * 0x111111u));
    require(SavePixmapPNG(*image, root + "media/a.png"));
    for (const tDataFile& file : levelFiles()) {
      const TStreamPtr stream = WriteFile(root + file.path);
      require(stream != nullptr);
      stream->writeString(file.text);
      stream->close();
    }
  }
  ~DataFolder() { std::filesystem::remove_all(root); }
};

tConfig parse(const std::string& text) {
  TTextStream stream(CreateBankStream(text), UTF8);
  tConfig cfg;
  cfg.Load(stream);
  return cfg;
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
  const tConfig save = parse(std::string(reinterpret_cast<const char*>(data), size));

  std::vector<std::weak_ptr<void>> loaded;
  {
    auto level = std::make_shared<tLevel>();
    tLoading loading;
    require(tLevelLoader(*level).load("l", loading) == 1);
    tGui::Current().insert(level);
    M_PIC_CLICK::send("gem1");
    tGuiObject::send(GUIMSG_UPDATE{}, tFloatArray{0.02f});

    level->loadInstant(save);
    tGuiObject::send(GUIMSG_UPDATE{}, tFloatArray{0.02f});
    tConfig again;
    level->saveInstant(again);
    require(level->loadInstant(again) == 1);

    for (const auto& [name, ref] : level->pics()) loaded.push_back(ref.lock());
    for (const auto& [name, ref] : level->commands()) loaded.push_back(ref.lock());
    for (const auto& [id, mission] : level->missions().missions()) loaded.push_back(mission);
    loaded.push_back(level);
    level->clear();
    level->free();
  }
  for (const auto& ref : loaded) require(ref.expired());
  return 0;
}
