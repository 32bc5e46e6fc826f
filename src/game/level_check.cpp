#include "game/level_check.h"

#include <algorithm>
#include <set>
#include <string_view>

#include "audio/audio.h"
#include "game/level.h"
#include "game/level_file.h"
#include "game/level_loader.h"
#include "game/loading.h"
#include "platform/log.h"
#include "platform/process_wide.h"
#include "resources/campaign.h"
#include "resources/media_lookup.h"
#include "script/action_keywords.h"
#include "script/command.h"
#include "scene/pic_image.h"

namespace vandrell {

namespace {

constexpr float SCREEN_WIDTH = 800.0f;
constexpr float SCREEN_HEIGHT = 600.0f;

// Keeps every debug-log line written while it lives, with its place, and
// passes each on to the hook that was there before.
class tLogCollector {
 public:
  tLogCollector() : _previous(GetDebugLogHook(&_previousContext)) { SetDebugLogHook(&tLogCollector::hook, this); }
  ~tLogCollector() { SetDebugLogHook(_previous, _previousContext); }
  tLogCollector(const tLogCollector&) = delete;
  tLogCollector& operator=(const tLogCollector&) = delete;

  std::vector<tLevelCheck::tFinding> lines;

 private:
  static void hook(std::string_view text, void* context) {
    auto* self = static_cast<tLogCollector*>(context);
    const std::string& place = DebugLogPlace::Current();
    // The resource cache names every file it keeps: progress, not trouble.
    const bool problem = !place.empty() && text.rfind("rm> ", 0) != 0;
    self->lines.push_back({problem ? tLevelCheck::ERROR : tLevelCheck::NOTE, place, std::string(text)});
    if (self->_previous) self->_previous(text, self->_previousContext);
  }

  void* _previousContext = nullptr;
  DebugLogHook _previous;
};

bool hasFile(const std::string& name) { return tFile::Current().file(name, tFile::OPTIONAL) != nullptr; }

std::string placeOf(const std::map<std::string, std::string>& places, const std::string& name) {
  const auto found = places.find(name);
  return found == places.end() ? "" : found->second;
}

}  // namespace

void tLevelCheck::check(const std::string& path) {
  // The level's music goes to the audio manager; its playlists are kept for
  // the check and dropped after.
  const tCurrentScope<tAudio> audio(std::make_shared<tAudio>());
  auto level = std::make_shared<tLevel>();
  tLevelLoader loader(*level);
  tLoading quiet;
  int32_t loaded = 0;
  {
    tLogCollector log;
    loaded = loader.load(path, quiet);
    for (tFinding& line : log.lines) add(line.severity, line.place, line.text);
  }
  if (loaded) {
    checkLevel(*level, loader);
  } else {
    add(ERROR, tFile::LEVEL_PATH + path, "no level here: its location.cfg is missing");
  }
  level->clear();
}

void tLevelCheck::checkCampaign() {
  if (!tFile::Current().level("campaign.cfg", tFile::OPTIONAL)) {
    add(ERROR, tFile::LEVEL_PATH + std::string("campaign.cfg"), "no campaign file");
    return;
  }
  tCampaign campaign;
  {
    tLogCollector log;
    campaign.loadCampaign("");
  }
  std::vector<std::string> sections = {"title", "intro", "menu", "extra"};
  for (int32_t n = 0; campaign.contains(std::to_string(n), ""); ++n) sections.push_back(std::to_string(n));
  std::set<std::string> done;
  for (const std::string& section : sections) {
    if (!campaign.contains(section, "path")) continue;
    const std::string path = campaign.get(section, "path");
    if (done.insert(path).second) check(path);
  }
}

void tLevelCheck::checkLevel(const tLevel& level, const tLevelLoader& loader) {
  checkSounds(level, loader);
  checkNames(level, loader);
  checkArguments(level);
  checkScreen(level, loader);
}

namespace {

// Whether the level has what a name argument of `kind` names; names of kinds
// the level does not hold (variables, items, links) pass.
bool levelHas(const tLevel& level, tNameOf kind, const std::string& name) {
  switch (kind) {
    case tNameOf::MISSION:
      return level.missions().find(name) != nullptr;
    case tNameOf::COMMAND:
      return level.commands().count(name) != 0;
    case tNameOf::GROUP:
      return level.cgroups().count(name) != 0;
    case tNameOf::LOCATION:
      return level.locations().count(name) != 0;
    case tNameOf::MESSAGE:
      return level.messages().count(name) != 0;
    case tNameOf::TEXT:
      return level.txttags().count(LowerField(name)) != 0;
    default:
      return true;
  }
}

}  // namespace

void tLevelCheck::checkArguments(const tLevel& level) {
  const tActionKeywords& keywords = tActionKeywords::Current();
  for (const auto& [name, ref] : level.commands()) {
    const tCommandPtr command = ref.lock();
    if (!command) continue;
    for (const auto& block : command->blocks()) {
      for (const auto& action : block->actions()) {
        const tActionRow* row = keywords.find(action->keyword());
        if (!row || row->anyArgs) continue;
        const int32_t count = std::min(action->argCount(), static_cast<int32_t>(row->args.size()));
        for (int32_t i = 0; i < count; ++i) {
          const tArgSpec& arg = row->args[i];
          if (arg.kind != tArgKind::NAME) continue;
          const std::string written = action->variable(i);
          if (written.empty() || levelHas(level, arg.names, written)) continue;
          add(ERROR, "", "command " + name + ": " + action->keyword() + " argument " + std::to_string(i + 1) + " '" +
                             written + "' names no " + ArgNoun(arg));
        }
      }
    }
  }
}

void tLevelCheck::checkSounds(const tLevel& level, const tLevelLoader& loader) {
  for (const auto& [id, mission] : level.missions().missions()) {
    for (const size_t which : {tMission::SOUND_APPLY, tMission::SOUND_COMPLETE}) {
      const std::string& sound = mission->sound(which);
      if (!sound.empty() && !hasFile(tFile::MEDIA_PATH + sound + ".ogg")) {
        add(ERROR, placeOf(loader.missionPlaces(), id), "the sound " + sound + " of mission " + id + " is missing");
      }
    }
  }
  const std::string music = tFile::LEVEL_PATH + level.path() + "/music.cfg";
  for (int32_t n = 0; n < tAudio::MUSICLISTS; ++n) {
    for (const std::string& track : tAudio::Current().tracks(n)) {
      if (!hasFile(tFile::MUSIC_PATH + track + ".ogg")) add(ERROR, music, "the track " + track + " is missing");
    }
  }
}

void tLevelCheck::checkNames(const tLevel& level, const tLevelLoader& loader) {
  for (const auto& [tag, pics] : level.mtags()) {
    if (tag.empty() || level.missions().find(tag)) continue;
    for (const auto& ref : pics) {
      if (const auto pic = ref.lock()) {
        add(WARNING, placeOf(loader.picPlaces(), pic->id()), "the tag " + tag + " of " + pic->id() + " names no mission");
      }
    }
  }
  for (const auto& [source, txts] : level.txttags()) {
    if (level.messages().count(source)) continue;
    for (const auto& ref : txts) {
      if (const auto txt = ref.lock()) {
        add(ERROR, placeOf(loader.picPlaces(), txt->id()), "the text " + txt->id() + " names no message " + source);
      }
    }
  }
  for (const auto& member : level.items().order()) {
    if (!level.messages().count(member->id() + "_name")) {
      add(WARNING, placeOf(loader.missionPlaces(), member->id()),
          "the item " + member->id() + " has no caption (message " + member->id() + "_name)");
    }
  }
}

void tLevelCheck::checkScreen(const tLevel& level, const tLevelLoader& loader) {
  const tRect screen = tRect::Create(0.0f, 0.0f, SCREEN_WIDTH, SCREEN_HEIGHT);
  for (const auto& [name, ref] : level.pics()) {
    const auto pic = std::dynamic_pointer_cast<tPicImage>(ref.lock());
    if (!pic || !pic->visual().getPixmap()) continue;
    const tRect r = pic->visual().rect();
    if (r.xTo() <= screen.x || r.x >= screen.xTo() || r.yTo() <= screen.y || r.y >= screen.yTo()) {
      add(WARNING, placeOf(loader.picPlaces(), name), "the pic " + name + " lies outside the screen");
    }
  }
}

void tLevelCheck::add(tSeverity severity, const std::string& place, const std::string& text) {
  _findings.push_back({severity, place, text});
}

int32_t tLevelCheck::count(tSeverity severity) const {
  return static_cast<int32_t>(std::count_if(_findings.begin(), _findings.end(),
                                             [&](const tFinding& finding) { return finding.severity == severity; }));
}

}  // namespace vandrell
