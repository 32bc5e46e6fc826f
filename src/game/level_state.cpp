// The saved state of a running level: one section per object, named by a
// prefix and the object's name or index, restored onto a freshly loaded
// level in a fixed order.
//
// A save is checked before anything is touched: one that was cut short (its
// key count does not match) or holds a value that is no number where the
// level writes numbers is refused as a whole, so a level is never left half
// restored. Names the level no longer has (its files changed since) are
// reported and restore as nothing.
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cmath>
#include <set>

#include "game/level.h"
#include "hud/panel.h"
#include "hud/play_hud.h"
#include "platform/log.h"
#include "resources/profile.h"
#include "scene/mission_property.h"
#include "scene/pic_message.h"
#include "scene/pic_property.h"
#include "script/expr_book.h"
#include "script/zeb_profile.h"

namespace vandrell {

namespace {

constexpr const char* TXT = "txt=";
constexpr const char* PIC = "pic=";
constexpr const char* COMMAND = "command=";
constexpr const char* LOCATION = "location=";
constexpr const char* PIC_ORDER = "pic_order=";
constexpr const char* PARTICLE_ORDER = "particle_order=";
constexpr const char* MISSION = "mission=";
constexpr const char* MISSION_ORDER = "mission_order=";
constexpr const char* MGROUP = "mgroup=";
constexpr const char* VAR = "var=";
constexpr const char* ITEM = "item=";
constexpr const char* PIC_PROPERTY = "pic_property=";
constexpr const char* PIC_HOLD = "pic_hold=";
constexpr const char* PIC_ATTACH = "pic_attach=";
constexpr const char* MISSION_PROPERTY = "mission_property=";
// The sections the HUD writes for the objects the level has.
constexpr const char* HUD_PREFIXES[] = {"panel=", "journal=", "sos=", "resist=", "unibutton="};
// Whether the panel is shown. The game adds its own keys to this section
// after the level wrote, so it is read from the save as a whole and left out
// of the level's key count.
constexpr const char* INTERFACE = "interface=";
constexpr const char* INTERFACE_PANEL = "panel";
// How many keys the level wrote, so a save cut short is known. It comes
// first both in a configuration sorted by section name and in one kept in
// the order of writing: a save cut short after it lost keys, and one cut
// before it holds nothing of the level.
constexpr const char* SEAL = "check=";
constexpr const char* SEAL_KEYS = "keys";

// The level's sections, by the prefix up to and including the "=".
const std::set<std::string>& levelPrefixes() {
  static const std::set<std::string> prefixes = [] {
    std::set<std::string> all = {TXT,    PIC, COMMAND, LOCATION,     PIC_ORDER, PARTICLE_ORDER, MISSION, MISSION_ORDER,
                                 MGROUP, VAR, ITEM,    PIC_PROPERTY, PIC_HOLD,  PIC_ATTACH,     MISSION_PROPERTY};
    all.insert(std::begin(HUD_PREFIXES), std::end(HUD_PREFIXES));
    return all;
  }();
  return prefixes;
}

// The prefix of a section of the level, or "".
std::string prefixOf(const std::string& section) {
  const size_t mark = section.find('=');
  if (mark == std::string::npos) return "";
  std::string prefix = section.substr(0, mark + 1);
  return levelPrefixes().count(prefix) ? prefix : "";
}

// What std::from_chars reads whole as a finite float in range (spelt out with
// strtof, which every standard library the game is built with has for floats).
bool isNumber(const std::string& text) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0])) || text[0] == '+' ||
      text.find_first_of("xX") != std::string::npos)
    return false;
  char* stop = nullptr;
  errno = 0;
  const float value = std::strtof(text.c_str(), &stop);
  return errno == 0 && stop == text.c_str() + text.size() && std::isfinite(value);
}

// Sections whose values are names, whatever they look like.
bool holdsNames(const std::string& prefix, const std::string& key) {
  if (prefix == PIC_ORDER || prefix == PARTICLE_ORDER || prefix == MISSION_ORDER || prefix == PIC_HOLD) return true;
  if (prefix == PIC_ATTACH) return key == "a" || key == "b";
  if (prefix == VAR) return key != "number";
  return false;
}

// "prefix" + key for every key whose every value in `schema` is a number:
// the keys the level writes numbers under.
std::set<std::string> numberKeys(const tConfigBase& schema) {
  std::set<std::string> numbers;
  std::set<std::string> words;
  for (const std::string& section : schema.Sections()) {
    const std::string prefix = prefixOf(section);
    if (prefix.empty()) continue;
    for (const std::string& key : schema.Options(section)) {
      if (holdsNames(prefix, key)) continue;
      (isNumber(schema.GetString(section, key, "")) ? numbers : words).insert(prefix + key);
    }
  }
  for (const std::string& word : words) numbers.erase(word);
  numbers.insert(std::string(VAR) + "number");
  return numbers;
}

// The keys of the level's sections.
int32_t countKeys(const tConfigBase& cfg) {
  int32_t keys = 0;
  for (const std::string& section : cfg.Sections()) {
    if (!prefixOf(section).empty()) keys += static_cast<int32_t>(cfg.Options(section).size());
  }
  return keys;
}

// A copy of the level's sections of `cfg` and its seal.
std::unique_ptr<tConfig> levelSections(const tConfigBase& cfg) {
  auto copy = std::make_unique<tConfig>();
  for (const std::string& section : cfg.Sections()) {
    if (prefixOf(section).empty() && section != SEAL) continue;
    copy->AddSection(section);
    for (const std::string& key : cfg.Options(section)) copy->Set(section, key, cfg.GetString(section, key, ""));
  }
  return copy;
}

std::string quoted(const std::string& section, const std::string& key, const std::string& value) {
  return "[" + section + "] " + key + "=" + value;
}

}  // namespace

void tLevel::saveInstant(tConfigBase& cfg) {
  cfg.SetInt(SEAL, SEAL_KEYS, 0);
  for (const auto& member : _txts->order()) {
    if (const auto txt = std::dynamic_pointer_cast<tTxt>(member)) txt->saveInstant(cfg, TXT + txt->id());
  }
  for (const auto& [name, ref] : _pics) {
    if (const tPicPtr pic = ref.lock()) {
      pic->saveInstant(cfg, PIC + name);
    } else {
      // A pic of the level files that left its location (a found item of a
      // restored level) is still named, so the next restore keeps it out
      // instead of taking it for a pic new in the files.
      cfg.SetInt(PIC + name, "left", 1);
    }
  }
  for (const auto& [name, ref] : _commands) {
    if (const tCommandPtr command = ref.lock()) command->saveInstant(cfg, COMMAND + name);
  }
  for (const auto& [id, location] : _locations) location->saveInstant(cfg, LOCATION + id);
  for (const auto& [id, location] : _locations) location->savePics(cfg, PIC_ORDER + id);
  for (const auto& [id, location] : _locations) location->saveParticles(cfg, PARTICLE_ORDER + id);
  _missions.saveInstant(cfg);
  for (size_t n = 0; n < _mgroups.size(); ++n) _mgroups[n]->saveInstant(cfg, MGROUP + std::to_string(n));
  saveVariables(cfg);
  _items->saveInstant(cfg, ITEM);
  tPicProperty::Current().saveInstant(cfg, PIC_PROPERTY);
  tPicProperty::Current().saveHold(cfg, PIC_HOLD);
  tPicProperty::Current().saveAttach(cfg, PIC_ATTACH);
  tMissionProperty::Current().saveInstant(cfg, MISSION_PROPERTY);
  SavePlayHud(cfg);
  cfg.SetInt(SEAL, SEAL_KEYS, countKeys(cfg));
  cfg.SetInt(INTERFACE, INTERFACE_PANEL, tPanel::Current().isShow());
}

void tLevel::saveVariables(tConfigBase& cfg) const {
  int32_t n = 0;
  for (const auto& [name, value] : tExprBook::Current().values()) {
    const std::string section = VAR + std::to_string(n++);
    cfg.SetString(section, "name", name);
    const tObjectPtr object = value ? value->ToObject() : nullptr;
    if (std::dynamic_pointer_cast<tExprNumber>(value)) {
      cfg.SetFloat(section, "number", value->ToNumber());
    } else if (const auto pic = std::dynamic_pointer_cast<tPic>(object)) {
      cfg.SetString(section, "pic", pic->id());
    } else if (const auto txt = std::dynamic_pointer_cast<tTxt>(object)) {
      cfg.SetString(section, "txt", txt->id());
    }
  }
}

int32_t tLevel::loadInstant(const tConfigBase& save) {
  const int32_t keys = countKeys(save);
  if (keys == 0) {
    DebugLog("level> The save holds nothing of the level and is not restored!");
    return 0;
  }
  if (save.Contains(SEAL, SEAL_KEYS) && save.GetString(SEAL, SEAL_KEYS, "") != std::to_string(keys)) {
    DebugLog("level> The save holds " + std::to_string(keys) + " values of " + save.GetString(SEAL, SEAL_KEYS, "") +
             ": it was cut short or damaged and is not restored!");
    return 0;
  }
  const std::unique_ptr<tConfig> cfg = levelSections(save);
  {
    tConfig schema;
    saveInstant(schema);
    const std::set<std::string> numbers = numberKeys(schema);
    int32_t damaged = 0;
    for (const std::string& section : cfg->Sections()) {
      const std::string prefix = prefixOf(section);
      for (const std::string& key : cfg->Options(section)) {
        const std::string value = cfg->GetString(section, key, "");
        if (!numbers.count(prefix + key) || isNumber(value)) continue;
        DebugLog("level> The save holds " + quoted(section, key, value) + " where a number belongs!");
        ++damaged;
      }
    }
    if (damaged) {
      DebugLog("level> The save is damaged and is not restored!");
      return 0;
    }
  }
  reportStale(*cfg);

  const auto restore = [&](const std::string& section, auto&& object) {
    if (cfg->Contains(section, "")) object.loadInstant(*cfg, section);
  };
  for (const auto& member : _txts->order()) {
    if (const auto txt = std::dynamic_pointer_cast<tTxt>(member)) restore(TXT + txt->id(), *txt);
  }
  for (const auto& [name, ref] : _pics) {
    if (const tPicPtr pic = ref.lock()) restore(PIC + name, *pic);
  }
  for (const auto& [name, ref] : _commands) {
    if (const tCommandPtr command = ref.lock()) restore(COMMAND + name, *command);
  }
  for (const auto& entry : _locations) {
    const std::string& id = entry.first;
    tLocation& location = *entry.second;
    // Pics the save does not know at all are new in the level files: they
    // stay where the files put them. Those it knows but does not order left
    // their location, slowly hidden.
    const auto reorder = [&](tGuiSet& set, const std::string& section, auto load) {
      if (!cfg->Contains(section, "")) return;
      const tGuiSet::tOrder before = set.order();
      (location.*load)(*cfg, section);
      for (const auto& member : before) {
        if (!set.find(member->id()) && !cfg->Contains(PIC + member->id(), "")) set.insert(member, member->id());
      }
    };
    reorder(location.pics(), PIC_ORDER + id, &tLocation::loadPics);
    reorder(location.particles(), PARTICLE_ORDER + id, &tLocation::loadParticles);
    restore(LOCATION + id, location);
  }
  RenewZoom(_sys0->pics());
  _missions.loadInstant(*cfg);
  for (size_t n = 0; n < _mgroups.size(); ++n) restore(MGROUP + std::to_string(n), *_mgroups[n]);
  loadVariables(*cfg);
  _items->loadInstant(*cfg, ITEM);
  eachPic([](tPic& pic) {
    if (auto* words = dynamic_cast<tPicMessage*>(&pic)) words->refresh();
  });
  _missions.sendCounters();
  for (const auto& member : _txts->order()) {
    if (const auto txt = std::dynamic_pointer_cast<tTxt>(member)) txt->refresh();
  }
  tPicProperty::Current().loadInstant(*cfg, PIC_PROPERTY);
  tPicProperty::Current().loadHold(*cfg, PIC_HOLD);
  tPicProperty::Current().loadAttach(*cfg, PIC_ATTACH);
  tMissionProperty::Current().loadInstant(*cfg, MISSION_PROPERTY);
  LoadPlayHud(*cfg);
  if (save.GetInt(INTERFACE, INTERFACE_PANEL, 0)) {
    tPanel::Current().show();
  } else {
    tPanel::Current().hide();
  }
  tGuiObject::send(M_PIC_MUTABLE{});
  return 1;
}

void tLevel::loadVariables(const tConfigBase& cfg) {
  tExprBook& book = tExprBook::Current();
  book.clear();
  std::set<std::string> saved;
  for (int32_t n = 0; cfg.Contains(VAR + std::to_string(n), ""); ++n) {
    const std::string section = VAR + std::to_string(n);
    const std::string name = cfg.GetString(section, "name", "");
    saved.insert(name);
    if (cfg.Contains(section, "number")) book.set(name, tExprNumber::Create(cfg.GetFloat(section, "number", 0.0f)));
    if (cfg.Contains(section, "pic")) {
      const auto found = _pics.find(cfg.GetString(section, "pic", ""));
      book.set(name, tExprObject::Create(found == _pics.end() ? nullptr : found->second.lock()));
    }
    if (cfg.Contains(section, "txt")) {
      book.set(name, tExprObject::Create(std::dynamic_pointer_cast<tTxt>(_txts->find(cfg.GetString(section, "txt", "")))));
    }
  }
  book.set("uv", tExprObject::Create(tZebProfile::Create(tProfile::Current())));
  book.set("uo", tExprObject::Create(tPicProperty::shared()));
  // Objects new in the level files are still known to scripts by name.
  for (const auto& [name, ref] : _pics) {
    if (!saved.count(name)) book.set(name, tExprObject::Create(ref.lock()));
  }
  for (const auto& member : _txts->order()) {
    if (!saved.count(member->id())) book.set(member->id(), tExprObject::Create(std::dynamic_pointer_cast<tTxt>(member)));
  }
}

void tLevel::reportStale(const tConfigBase& cfg) const {
  const auto report = [](const std::string& what, const std::string& name) {
    DebugLog("level> The save names " + what + " " + name + ", which the level no longer has; it is passed over.");
  };
  const auto isPic = [&](const std::string& name) { return _pics.count(name) != 0; };
  const auto checkPic = [&](const std::string& name) {
    if (!isPic(name)) report("the pic", name);
  };
  for (const std::string& section : cfg.Sections()) {
    const std::string prefix = prefixOf(section);
    const std::string name = section.substr(prefix.size());
    bool known = true;
    if (prefix == TXT) {
      known = _txts->find(name) != nullptr;
    } else if (prefix == PIC) {
      known = isPic(name);
    } else if (prefix == COMMAND) {
      known = _commands.count(name) != 0;
    } else if (prefix == LOCATION || prefix == PIC_ORDER || prefix == PARTICLE_ORDER) {
      known = _locations.count(name) != 0;
      if (known && prefix != LOCATION) {
        for (const std::string& key : cfg.Options(section)) checkPic(cfg.GetString(section, key, ""));
      }
    } else if (prefix == MGROUP) {
      known = false;
      for (size_t n = 0; n < _mgroups.size() && !known; ++n) known = name == std::to_string(n);
    } else if (prefix == MISSION) {
      known = _missions.find(name) != nullptr;
    } else if (prefix == MISSION_ORDER) {
      for (const std::string& key : cfg.Options(section)) {
        const std::string id = cfg.GetString(section, key, "");
        if (!_missions.find(id)) report("the mission", id);
      }
    } else if (prefix == ITEM) {
      known = _items->item(name) != nullptr;
    } else if (prefix == PIC_HOLD) {
      checkPic(cfg.GetString(section, "hold", ""));
    } else if (prefix == PIC_ATTACH) {
      if (cfg.Contains(section, "a")) checkPic(cfg.GetString(section, "a", ""));
      checkPic(cfg.GetString(section, "b", ""));
    } else if (prefix == VAR) {
      if (cfg.Contains(section, "pic")) checkPic(cfg.GetString(section, "pic", ""));
      if (cfg.Contains(section, "txt") && !_txts->find(cfg.GetString(section, "txt", ""))) {
        report("the text", cfg.GetString(section, "txt", ""));
      }
    }
    if (!known) report("the object of section", section);
  }
}

}  // namespace vandrell
