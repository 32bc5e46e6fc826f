#include "game/level_check.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string_view>

#include "audio/audio.h"
#include "game/level.h"
#include "game/level_file.h"
#include "game/level_loader.h"
#include "game/loading.h"
#include "gui/gui.h"
#include "hud/panel.h"
#include "menus/menu_cmd.h"
#include "platform/log.h"
#include "platform/process_wide.h"
#include "platform/window.h"
#include "resources/campaign.h"
#include "resources/letter.h"
#include "resources/media_lookup.h"
#include "scene/pic_image.h"
#include "scene/pic_label.h"
#include "scene/pic_text.h"
#include "script/action_keywords.h"
#include "script/command.h"

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
  // The level lives in a GUI root of its own, as in the game, so that what
  // it looks up by message while it loads and runs is found. The game hides
  // the menu button while a level loads; scripts show it.
  const tCurrentScope<tGui> root(std::make_shared<tGui>());
  auto level = std::make_shared<tLevel>();
  tLevelLoader loader(*level);
  tGui::Current().insert(level);
  tMenuCmd::Current().hide();
  tLoading quiet;
  int32_t loaded = 0;
  {
    tLogCollector log;
    loaded = loader.load(path, quiet);
    for (tFinding& line : log.lines) add(line.severity, line.place, line.text);
  }
  _picPlaces = loader.picPlaces();
  _missionPlaces = loader.missionPlaces();
  if (loaded) {
    checkLevel(*level);
    checkSight(*level);
  } else {
    add(ERROR, tFile::LEVEL_PATH + path, "no level here: its location.cfg is missing");
  }
  level->clear();
  tMenuCmd::Current().hide();
}

void tLevelCheck::checkCampaign() {
  if (!tFile::Current().level("campaign.cfg", tFile::OPTIONAL)) {
    add(ERROR, tFile::LEVEL_PATH + std::string("campaign.cfg"), "no campaign file");
    return;
  }
  for (const std::string& path : CampaignLevels()) check(path);
}

std::vector<std::string> tLevelCheck::CampaignLevels() {
  tCampaign campaign;
  {
    tLogCollector log;
    campaign.loadCampaign("");
  }
  std::vector<std::string> sections = {"title", "intro", "menu", "extra"};
  for (int32_t n = 0; campaign.contains(std::to_string(n), ""); ++n) sections.push_back(std::to_string(n));
  std::vector<std::string> levels;
  for (const std::string& section : sections) {
    if (!campaign.contains(section, "path")) continue;
    const std::string path = campaign.get(section, "path");
    if (std::find(levels.begin(), levels.end(), path) == levels.end()) levels.push_back(path);
  }
  return levels;
}

void tLevelCheck::checkLevel(const tLevel& level) {
  checkSounds(level);
  checkNames(level);
  checkArguments(level);
  checkScreen(level);
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

void tLevelCheck::checkSounds(const tLevel& level) {
  for (const auto& [id, mission] : level.missions().missions()) {
    for (const size_t which : {tMission::SOUND_APPLY, tMission::SOUND_COMPLETE}) {
      const std::string& sound = mission->sound(which);
      if (!sound.empty() && !hasFile(tFile::MEDIA_PATH + sound + ".ogg")) {
        add(ERROR, placeOf(_missionPlaces, id), "the sound " + sound + " of mission " + id + " is missing");
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

void tLevelCheck::checkNames(const tLevel& level) {
  for (const auto& [tag, pics] : level.mtags()) {
    if (tag.empty() || level.missions().find(tag)) continue;
    for (const auto& ref : pics) {
      if (const auto pic = ref.lock()) {
        add(WARNING, placeOf(_picPlaces, pic->id()), "the tag " + tag + " of " + pic->id() + " names no mission");
      }
    }
  }
  for (const auto& [source, txts] : level.txttags()) {
    if (level.messages().count(source)) continue;
    for (const auto& ref : txts) {
      if (const auto txt = ref.lock()) {
        add(ERROR, placeOf(_picPlaces, txt->id()), "the text " + txt->id() + " names no message " + source);
      }
    }
  }
  for (const auto& member : level.items().order()) {
    if (!level.messages().count(member->id() + "_name")) {
      add(WARNING, placeOf(_missionPlaces, member->id()),
          "the item " + member->id() + " has no caption (message " + member->id() + "_name)");
    }
  }
}

void tLevelCheck::checkScreen(const tLevel& level) {
  const tRect screen = tRect::Create(0.0f, 0.0f, SCREEN_WIDTH, SCREEN_HEIGHT);
  for (const auto& [name, ref] : level.pics()) {
    const auto pic = std::dynamic_pointer_cast<tPicImage>(ref.lock());
    if (!pic || !pic->visual().getPixmap()) continue;
    const tRect r = pic->visual().rect();
    if (r.xTo() <= screen.x || r.x >= screen.xTo() || r.yTo() <= screen.y || r.y >= screen.yTo()) {
      add(WARNING, placeOf(_picPlaces, name), "the pic " + name + " lies outside the screen");
    }
  }
}

void tLevelCheck::checkSight(tLevel& level) {
  // The start commands run up to their first wait. Which locations they
  // open may hang on the player's progress (a scene still locked), so the
  // locations keep the flags their files give them.
  std::map<std::string, std::pair<int32_t, int32_t>> asLoaded;
  for (const auto& [id, location] : level.locations()) asLoaded[id] = {location->isShow(), location->isEnable()};
  tGuiObject::sendto(level, GUIMSG_UPDATE{}, tFloatArray{0.0f});
  for (const auto& [id, location] : level.locations()) {
    location->show(asLoaded[id].first);
    location->enable(asLoaded[id].second);
  }
  checkWords(level);
  // Things are searched for in play, under the panel and the menu button.
  tPanel::Current().show();
  tMenuCmd::Current().show();
  checkFindability(level);
}

namespace {

std::string units(float value) { return std::to_string(std::lround(value)); }

// The label and text pics of a location that show words.
std::vector<std::shared_ptr<tPicMessage>> wordsOf(const tLocation& location) {
  std::vector<std::shared_ptr<tPicMessage>> words;
  for (const auto& member : location.pics().order()) {
    const auto pic = std::dynamic_pointer_cast<tPicMessage>(member);
    if (pic && pic->isShow() && pic->visual().getPixmap()) words.push_back(pic);
  }
  return words;
}

bool overlap(const tRect& a, const tRect& b) {
  return a.x < b.xTo() && b.x < a.xTo() && a.y < b.yTo() && b.y < a.yTo();
}

}  // namespace

void tLevelCheck::checkWords(const tLevel& level) {
  for (const auto& [id, location] : level.locations()) {
    const std::vector<std::shared_ptr<tPicMessage>> words = wordsOf(*location);
    for (const auto& pic : words) {
      const tRect rect = pic->visual().rect();
      const std::string& place = placeOf(_picPlaces, pic->id());
      // Its slot is as wide as the step to its nearest neighbour in its row
      // (a pic whose position lies level with its words; the screen without
      // one), placed about its position as its hotspot is placed in it.
      const tGuiImage& visual = pic->visual();
      float step = SCREEN_WIDTH;
      std::string runsOver;
      for (const auto& other : words) {
        const tGuiImage& neighbour = other->visual();
        const float apart = std::abs(neighbour.h() - visual.h());
        if (other == pic || neighbour.v() < rect.y || neighbour.v() >= rect.yTo() || apart < 1.0f) continue;
        step = std::min(step, apart);
        if (overlap(rect, neighbour.rect()) && runsOver.empty()) runsOver = other->id();
      }
      const float left = step < SCREEN_WIDTH ? visual.h() - visual.hHotspot() * step : 0.0f;
      const float right = left + step;
      if (const auto* text = dynamic_cast<const tPicText*>(pic.get())) {
        checkText(level, *text);
        if (!runsOver.empty()) add(WARNING, place, "the text " + pic->id() + " runs over " + runsOver);
      } else if (rect.x < left - 0.5f || rect.xTo() > right + 0.5f) {
        add(WARNING, place, "the label " + pic->id() + " is " + units(rect.w) + " units wide but its slot is " +
                                units(step) + (runsOver.empty() ? "" : ": it runs over " + runsOver));
      }
    }
  }
}

void tLevelCheck::checkText(const tLevel& level, const tPicText& text) {
  const std::string& place = placeOf(_picPlaces, text.id());
  const tGuiText& box = text.words();
  if (const tLetterPtr& font = box.getLetter()) {
    for (const std::string& line : box.getLines()) {
      for (size_t start = 0; start < line.size();) {
        const size_t end = std::min(line.find(' ', start), line.size());
        const std::string word = line.substr(start, end - start);
        if (static_cast<float>(font->width(word)) > box.l()) {
          add(WARNING, place, "the text " + text.id() + " holds a word " + std::to_string(font->width(word)) +
                                  " units wide in a box " + units(box.l()) + " wide: " + word);
        }
        start = end + 1;
      }
    }
  }
  const float height = ParamFloat(text.prms(), 3);
  if (text.visual().t() > height) {
    add(WARNING, place, "the text " + text.id() + " runs " + units(text.visual().t() - height) +
                            " units past the foot of its box, " + units(height) + " high");
  }
}

void tLevelCheck::checkFindability(tLevel& level) {
  if (!CurrentGraphics()) {
    add(NOTE, "", "the findability of " + level.path() + " is not measured: there is no graphics context");
    return;
  }
  tLevelFigures figures{level.path(), {}};
  for (const auto& [id, things] : tFindability::Things(level)) {
    tLocation& location = *level.locations().at(id);
    const int32_t shown = location.isShow(), enabled = location.isEnable();
    location.show(1);
    location.enable(1);
    for (tFindability::tThing& thing : tFindability::Measure(level, id, things)) {
      judge(level, thing);
      figures.things.push_back(std::move(thing));
    }
    location.enable(enabled);
    location.show(shown);
  }
  _figures.push_back(std::move(figures));
}

void tLevelCheck::judge(const tLevel& level, const tFindability::tThing& thing) {
  const std::string& place = placeOf(_picPlaces, thing.name);
  const std::string& name = thing.name;
  // A thing that shows only later may find the scene changed by then: what
  // keeps it from being found now is a warning.
  const tSeverity fatal = thing.hidden ? WARNING : ERROR;
  const std::string later = thing.hidden ? " (it is hidden as the level starts; fine if the scene changes before it shows)" : "";
  std::string problem;
  if (thing.own > 0.0f && thing.offScreen >= thing.own) {
    problem = " lies wholly off the screen";
  } else if (thing.own > 0.0f && thing.underPanel + thing.offScreen >= thing.own) {
    problem = " lies wholly under the panel";
  } else if (thing.clickable <= 0.0f) {
    problem = " cannot be found: " + (thing.visible <= 0.0f          ? std::string("nothing of it shows")
                                      : !thing.clickTaker.empty() ? "the clicks on it go to " + thing.clickTaker
                                                                  : "no pixel of it that shows lies in its hit shape");
  }
  if (!problem.empty()) {
    add(fatal, place, name + problem + later);
    return;
  }
  const auto pic = level.pics().count(name) ? level.pics().at(name).lock() : nullptr;
  if (pic && pic->prms().size() <= 29) {
    add(ERROR, place, name + " has no hint point (record fields 28 and 29)");
  } else if (pic && thing.hintMiss > tFindability::HINT_REACH) {
    add(ERROR, place, "the hint point of " + name + " (" + units(pic->zeb_property_xsos()) + ", " +
                          units(pic->zeb_property_ysos()) + ") lies " + units(thing.hintMiss) + " units off it");
  }
  if (thing.visible < tFindability::SMALL_AREA) {
    add(WARNING, place, "only " + units(thing.visible) + " square units of " + name + " show (under " +
                            units(tFindability::SMALL_AREA) + "): hard to see" + later);
  }
  if (thing.underPanel + thing.underMenu > thing.own / 2.0f) {
    const char* where = thing.underMenu <= 0.0f   ? "the panel"
                        : thing.underPanel <= 0.0f ? "the menu button"
                                                   : "the panel and the menu button";
    add(WARNING, place, "more than half of " + name + " lies under " + std::string(where) + later);
  }
  if (thing.clickBeside > thing.visible) {
    add(WARNING, place, "the hit shape of " + name + " is much larger than what shows of it: clicks on " +
                            units(thing.clickBeside) + " square units beside it count");
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
