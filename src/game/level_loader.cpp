#include "game/level_loader.h"

#include "audio/audio.h"
#include "game/level.h"
#include "game/level_file.h"
#include "game/pic_record.h"
#include "hud/play_hud.h"
#include "platform/draw.h"
#include "platform/log.h"
#include "resources/config.h"
#include "resources/media_lookup.h"
#include "resources/profile.h"
#include "scene/mission_property.h"
#include "scene/pic_anim.h"
#include "scene/pic_image.h"
#include "scene/pic_label.h"
#include "scene/pic_particle.h"
#include "scene/pic_property.h"
#include "scene/pic_text.h"
#include "script/condition.h"
#include "script/expr_book.h"
#include "script/zeb_profile.h"

namespace vandrell {

namespace {

// The ids the system locations take once the further locations are in.
constexpr const char* SYS1 = "__sys1";
constexpr const char* SYS2 = "__sys2";

// "%s (%s)" of the level's progress lines: the location's folder and id.
std::string where(const tLocation& location) { return location.getName() + " (" + location.id() + ")"; }

// A field that is absent or blank takes the default.
float fieldFloat(const std::vector<std::string>& fields, size_t index, float fallback) {
  return index < fields.size() && !TrimConfigLine(fields[index]).empty() ? ParamFloat(fields, index) : fallback;
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

// The name after a directive word, up to the first ";".
std::string directiveName(const std::string& line, size_t word) {
  return TrimConfigLine(line.substr(word, line.find(';', word) - word));
}

tPicPtr makePic(tPicKind kind) {
  switch (kind) {
    case tPicKind::IMAGE:
      return std::make_shared<tPicImage>();
    case tPicKind::ANIM:
      return std::make_shared<tPicAnim>();
    case tPicKind::LABEL:
      return std::make_shared<tPicLabel>();
    case tPicKind::LEFT_TEXT:
      return std::make_shared<tPicLeftText>();
    case tPicKind::CENTER_TEXT:
      return std::make_shared<tPicCenterText>();
    case tPicKind::PARTICLE:
      return std::make_shared<tPicParticle>();
    default:
      return nullptr;
  }
}

void setVariable(const std::string& name, const tObjectPtr& object) {
  tExprBook::Current().set(name, tExprObject::Create(object));
}

}  // namespace

template <class Loader>
void tLevelLoader::eachLocation(Loader load) {
  for (const auto& [id, location] : _level._locations) load(*location);
}

int32_t tLevelLoader::load(const std::string& path, tLoading& loading) {
  _level._path = path;
  {
    const std::string music = path + "/music.cfg";
    const DebugLogPlace place(tFile::LEVEL_PATH + music);
    tAudio::Current().loadTracks(tFile::Current().level(music, tFile::OPTIONAL));
  }
  _level._sys0->name("sys0");
  _level._layer0->insert(_level._sys0, "__sys0");
  _level._locations["__sys0"] = _level._sys0;
  _level._sys1->name("sys1");
  _level._sys2->name("sys2");
  tLevelFile file(path + "/location.cfg", tFile::REQUIRED);
  if (!file.exists()) {
    const DebugLogPlace place(file.path());
    DebugLog("level> Can't load the level's locations!");
    return 0;
  }
  loadLocations(file);
  _level._layer0->insert(_level._sys1, SYS1);
  _level._layer1->insert(_level._sys2, SYS2);
  _level._locations[SYS1] = _level._sys1;
  _level._locations[SYS2] = _level._sys2;
  loadSysMissions(loading);
  // Each file of every location before the next file of any: all missions
  // exist before a pic names one, all pics before a command refers to one.
  eachLocation([&](tLocation& location) { loadMessages(location, loading); });
  eachLocation([&](tLocation& location) { loadMissions(location, loading); });
  eachLocation([&](tLocation& location) { loadMissionGroups(location, loading); });
  eachLocation([&](tLocation& location) { loadPics(location, loading); });
  eachLocation([&](tLocation& location) { loadExtCommands(location, loading); });
  RenewZoom(_level._sys0->pics());
  setVariable("uv", tZebProfile::Create(tProfile::Current()));
  setVariable("uo", tPicProperty::shared());
  for (const auto& [name, ref] : _level._pics) {
    if (const tPicPtr pic = ref.lock()) pic->setupAvail();
  }
  _level._missions.announce();
  loading.interrupt();
  return 1;
}

void tLevelLoader::loadLocations(tLevelFile& file) {
  {
    const DebugLogPlace place(file.place(file.number()));
    addLocation(*_level._layer0, _level._path, LowerField(TrimConfigLine(file.line())));
  }
  while (!file.atEnd()) {
    const DebugLogPlace place(file.place(file.number()));
    const std::string line = file.line();
    if (TrimConfigLine(line).empty()) continue;
    const std::vector<std::string> fields = SplitFields(line, ';');
    const std::string id = fields.size() > 1 ? LowerField(TrimConfigLine(fields[1])) : "";
    const bool upper = ParamInt(fields, 4) != 0;
    const auto location = addLocation(upper ? *_level._layer1 : *_level._layer0, TrimConfigLine(fields[0]), id);
    if (!location) continue;
    location->show(ParamInt(fields, 2) ? 0 : 1);
    location->enable(ParamInt(fields, 3) ? 0 : 1);
  }
}

std::shared_ptr<tLocation> tLevelLoader::addLocation(tLocationLayer& layer, const std::string& folder,
                                                     const std::string& id) {
  if (id.empty()) {
    DebugLog("level> The location of " + folder + " has no id; it is skipped!");
    return nullptr;
  }
  if (_level._locations.count(id) || id == SYS1 || id == SYS2) {
    DebugLog("level> Location id " + id + " is taken; the location of " + folder + " is skipped!");
    return nullptr;
  }
  auto location = std::make_shared<tLocation>();
  location->name(folder);
  layer.insert(location, id);
  _level._locations[id] = location;
  return location;
}

int32_t tLevelLoader::loadSysMissions(tLoading& loading) {
  loading.interrupt();
  tLevelFile file("sysmissions.cfg");
  if (!file.exists()) {
    DebugLog("Can't load system missions.");
    return 0;
  }
  while (!file.atEnd()) {
    const DebugLogPlace place(file.place(file.number()));
    const std::string id = LowerField(TrimConfigLine(file.line()));
    const std::vector<std::string> params = SplitFields(file.line(), ',');
    if (const std::string what = LineLooksLike(id); !what.empty()) {
      DebugLog("level> \"" + id + "\" looks like " + what + " where a mission id belongs!");
    }
    _level._missions.addSystem(id, params);
  }
  DebugLog("System missions loaded.");
  return 1;
}

int32_t tLevelLoader::loadMessages(tLocation& location, tLoading& loading) {
  loading.interrupt();
  tLevelFile file(location.getName() + "/messages.cfg");
  if (!file.exists()) {
    DebugLog("Can't load messages for " + where(location) + ".");
    return 0;
  }
  while (!file.atEnd()) {
    const DebugLogPlace place(file.place(file.number()));
    const std::vector<std::string> head = SplitTrimmed(file.line(), ',');
    const std::string key = LowerField(head[0]);
    // A record without a key is that line alone: blank lines part records.
    if (key.empty()) continue;
    if (key.find(' ') != std::string::npos) {
      DebugLog("level> \"" + key + "\" looks like words where a message key belongs!");
    }
    auto message = std::make_shared<tMessage>();
    message->loadLine(file.textLine());
    if (head.size() > 1 && !head[1].empty()) {
      const TImagePtr image = tFile::Current().image(head[1], FILTEREDIMAGE, _level._rm);
      if (!image) DebugLog("level> Can't load the image " + head[1] + " of message " + key + "!");
      message->image(image, fieldFloat(head, 2, 1.0f), fieldFloat(head, 3, 0.0f));
    }
    _level._messages[key] = message;
  }
  DebugLog("Messages loaded for " + where(location) + ".");
  return 1;
}

int32_t tLevelLoader::loadMissions(tLocation& location, tLoading& loading) {
  loading.interrupt();
  tLevelFile file(location.getName() + "/missions.cfg");
  if (!file.exists()) {
    DebugLog("Can't load missions for " + where(location) + ".");
    return 0;
  }
  while (!file.atEnd()) {
    const DebugLogPlace place(file.place(file.number()));
    const std::string id = LowerField(TrimConfigLine(file.line()));
    const std::string type = LowerField(TrimConfigLine(file.line()));
    const bool item = type == "itemmission";
    const std::vector<std::string> icon = item ? SplitTrimmed(file.line(), ',') : std::vector<std::string>{""};
    const std::vector<std::string> sounds = SplitFields(file.line(), ',');
    const std::vector<std::string> params = SplitFields(file.line(), ',');
    file.line();
    file.line();
    const int32_t commandLine = file.number();
    const std::string text = LowerField(file.line());
    file.line();
    if (_level._missions.find(id)) {
      DebugLog("level> Mission " + id + " is defined again; the first definition stays!");
      continue;
    }
    if (!tMissionBook::Create(type)) {
      if (const std::string what = LineLooksLike(type); !what.empty()) {
        DebugLog("level> \"" + type + "\" looks like " + what + " where a mission type belongs!");
      } else if (tMissionBook::Create(id)) {
        DebugLog("level> \"" + id + "\" is a mission type where a mission id belongs!");
      }
      _level._missions.add(id, type, sounds, params, nullptr);
      continue;
    }
    tCommandPtr command;
    {
      const DebugLogPlace commandPlace(file.place(commandLine));
      command = parseCommand(_level._sys0->commands(), text, id + "_ma");
    }
    const auto mission = _level._missions.add(id, type, sounds, params, command);
    _missionPlaces[id] = DebugLogPlace::Current();
    if (!item) continue;
    const TPixmapPtr pixmap = tFile::Current().pixmap(icon[0], _level._rm);
    if (!pixmap) DebugLog("level> Can't load the icon " + icon[0] + " of mission " + id + "!");
    _level._items->add(std::dynamic_pointer_cast<tItemMission>(mission), pixmap, fieldFloat(icon, 1, 1.0f));
  }
  DebugLog("Missions loaded for " + where(location) + ".");
  return 1;
}

int32_t tLevelLoader::loadMissionGroups(tLocation& location, tLoading& loading) {
  loading.interrupt();
  tLevelFile file(location.getName() + "/mission_groups.cfg");
  if (!file.exists()) {
    DebugLog("Can't load mission groups for " + where(location) + ".");
    return 0;
  }
  while (!file.atEnd()) {
    const std::string name = location.id() + "(" + std::to_string(file.position()) + ")";
    const int32_t first = file.number();
    const std::string ids = LowerField(file.line());
    const std::string text = LowerField(file.line());
    tMissionList list;
    {
      const DebugLogPlace place(file.place(first));
      if (const std::string what = LineLooksLike(ids); !what.empty()) {
        DebugLog("level> \"" + TrimConfigLine(ids) + "\" looks like " + what + " where mission ids belong!");
      }
      for (const std::string& id : SplitTrimmed(ids, ';')) {
        if (id.empty()) continue;
        if (const tMissionPtr mission = _level._missions.find(id)) {
          list.push_back(mission);
        } else {
          DebugLog("level> Mission group " + name + " names no mission " + id + "!");
        }
      }
      // Such a group would run its command at the first check.
      if (list.empty()) DebugLog("level> Mission group " + name + " has no mission!");
    }
    auto group = std::make_shared<tMissionGroup>();
    group->loadMission(list);
    {
      const DebugLogPlace place(file.place(first + 1));
      group->loadAction(parseCommand(_level._sys0->commands(), text, name + "_mg"));
    }
    _level._mgroups.push_back(group);
  }
  DebugLog("Mission groups loaded for " + where(location) + ".");
  return 1;
}

int32_t tLevelLoader::loadPics(tLocation& location, tLoading& loading) {
  loading.interrupt();
  tLevelFile file(location.getName() + "/objects.cfg");
  if (!file.exists()) {
    DebugLog("Can't load pics for " + where(location) + ".");
    return 0;
  }
  while (!file.atEnd()) {
    loading.interrupt();
    const tPicRecord record = tPicRecord::Read(file, location.id());
    const DebugLogPlace place(file.place(record.line));
    if (const auto [line, what] = record.misalignment(); !what.empty()) {
      const DebugLogPlace linePlace(file.place(record.lineOf(line)));
      DebugLog("level> " + what + ": are the records out of step?");
    }
    loadPic(location, record, file);
  }
  DebugLog("Pics loaded for " + where(location) + ".");
  return 1;
}

void tLevelLoader::loadPic(tLocation& location, const tPicRecord& record, tLevelFile& file) {
  const tPicKind kind = record.kind();
  if (kind == tPicKind::NONE) return;
  const std::string& name = record.name;
  if (kind == tPicKind::UNDEFINED) {
    DebugLog("level> Undefined type for object: " + name + "!");
    return;
  }
  // Objects are found by their names; a blank one would be given a number
  // by its set and be found by nothing.
  if (name.find_first_not_of(" \t") == std::string::npos) {
    DebugLog("level> An object without a name is skipped!");
    return;
  }
  // A second object of a name would take the first one's place in the
  // script variables and name lookups while both stay in the scene.
  if (_level._pics.count(name) || _level._txts->find(name)) {
    DebugLog("level> Object name " + name + " is taken; the object is skipped!");
    return;
  }
  if (kind == tPicKind::TXT) {
    auto txt = std::make_shared<tTxt>();
    _picPlaces[name] = file.place(record.line);
    setVariable(name, txt);
    _level._txts->insert(txt, name);
    const std::string source = LowerField(record.source);
    _level._txttags[source].push_back(txt);
    txt->loadSrc(source);
    txt->loadParams(record.params);
    return;
  }
  const tPicPtr pic = makePic(kind);
  if (!pic) return;
  // The engine's own members of a location (the magnifier) hold their names.
  if (!(kind == tPicKind::PARTICLE ? static_cast<tGuiSet&>(location.particles()) : location.pics()).insert(pic, name)) {
    DebugLog("level> Object name " + name + " is taken; the object is skipped!");
    return;
  }
  _picPlaces[name] = file.place(record.line);
  setVariable(name, pic);
  _level._pics[name] = pic;
  pic->loadId(name);
  {
    const DebugLogPlace place(file.place(record.lineOf(tPicRecord::SOURCE)));
    pic->loadSrc(record.source, record.params, _level._rm);
    const auto image = std::dynamic_pointer_cast<tPicImage>(pic);
    if ((kind == tPicKind::IMAGE || kind == tPicKind::ANIM) && !image->visual().getPixmap()) {
      DebugLog("level> Can't load the " + std::string(kind == tPicKind::ANIM ? "strip " : "image ") + record.source +
               " of object " + name + "!");
    }
  }
  {
    const DebugLogPlace place(file.place(record.lineOf(tPicRecord::SHAPE)));
    pic->loadRnds(record.candidates);
  }
  pic->loadParams(record.params);
  pic->loadPoly(record.poly);
  for (const std::string& tag : record.tags) _level._mtags[tag].push_back(pic);
  pic->loadMission(_level._missions.count(record.tags));
  if (const auto image = std::dynamic_pointer_cast<tPicImage>(pic)) loadPicActions(location, *image, record, file);
}

void tLevelLoader::loadPicActions(tLocation& location, tPicImage& pic, const tPicRecord& record,
                                  const tLevelFile& file) {
  tCommandPtr a;
  tCommandPtr fa;
  {
    const DebugLogPlace place(file.place(record.lineOf(tPicRecord::CLICK)));
    a = parseCommand(location.commands(), record.click, record.name + "_a");
  }
  {
    const DebugLogPlace place(file.place(record.lineOf(tPicRecord::EVERY)));
    fa = parseCommand(location.commands(), record.every, record.name + "_fa");
  }
  pic.loadAction(a, fa);
  const std::string& click = record.click;
  const auto has = [&](const char* word) { return click.find(word) != std::string::npos; };
  pic.loadHidetype(has("type=2") ? HIDETYPE_NOW : has("type=0") ? HIDETYPE_STAY : HIDETYPE_SLOW);
  pic.loadBlend(has("darkblend") ? SHADEBLEND : has("addblend") ? LIGHTBLEND : ALPHABLEND);
}

bool tLevelLoader::addCommand(tGuiSet& set, const tCommandPtr& command, const std::string& name,
                              const std::string& text) {
  if (!set.insert(command, name)) {
    DebugLog("level> Command name " + name + " is taken; the command is dropped!");
    return false;
  }
  _level._commands[name] = command;
  _scripts[name] = {DebugLogPlace::Current(), text};
  return true;
}

tCommandPtr tLevelLoader::parseCommand(tGuiSet& set, const std::string& text, const std::string& name) {
  if (TrimConfigLine(text).empty()) return nullptr;
  const tCommandPtr command = tCommand::Parse(text);
  return addCommand(set, command, name, text) ? command : nullptr;
}

int32_t tLevelLoader::loadExtCommands(tLocation& location, tLoading& loading) {
  loading.interrupt();
  tLevelFile file(location.getName() + "/extcommands.cfg");
  if (!file.exists()) {
    DebugLog(" Can't load extensions commands for " + where(location) + ".");
    return 0;
  }
  std::vector<std::pair<std::string, std::shared_ptr<tCommandGroup>>> open;
  const auto openGroups = [&] {
    std::vector<std::shared_ptr<tCommandGroup>> groups;
    for (const auto& [name, group] : open) groups.push_back(group);
    return groups;
  };
  while (!file.atEnd()) {
    const std::string record = location.id() + "(" + std::to_string(file.position()) + ")";
    const DebugLogPlace place(file.place(file.number()));
    const std::string line = LowerField(TrimConfigLine(file.line()));
    if (line.empty() || startsWith(line, "?")) continue;
    if (startsWith(line, "group")) {
      const std::string name = directiveName(line, 5);
      if (_level._cgroups.count(name)) DebugLog("level> Command group " + name + " is defined again!");
      auto group = std::make_shared<tCommandGroup>();
      _level._cgroups[name] = group;
      open.emplace_back(name, group);
    } else if (startsWith(line, "endgroup")) {
      const std::string name = directiveName(line, 8);
      const auto kept = std::erase_if(open, [&](const auto& entry) { return entry.first == name; });
      if (!kept) DebugLog("level> endgroup " + name + " closes no open group!");
    } else if (startsWith(line, "command")) {
      loadExtCommand(location, line.substr(7), LowerField(file.line()), openGroups());
    } else if (startsWith(line, "condition")) {
      loadExtCondition(location, line.substr(9), LowerField(file.line()), record, openGroups());
    } else {
      DebugLog("level> \"" + line + "\" is no directive; it is ignored!");
    }
  }
  DebugLog("Extension commands loaded for " + where(location) + ".");
  return 1;
}

void tLevelLoader::loadExtCommand(tLocation& location, const std::string& directive, const std::string& text,
                                  const std::vector<std::shared_ptr<tCommandGroup>>& open) {
  const std::vector<std::string> fields = SplitTrimmed(directive, ';');
  const std::string& name = fields[0];
  if (name.empty()) {
    DebugLog("level> A command without a name is skipped!");
    return;
  }
  const std::string script = ReplaceAll(ReplaceAll(text, "&locname&", location.id()), "&cmd&", name);
  if (TrimConfigLine(script).empty()) return;
  const tCommandPtr command = tCommand::Parse(script);
  if (ParamInt(fields, 1)) command->start();
  if (fields.size() > 2) command->enable(ParamInt(fields, 2) == 0 ? 1 : 0);
  if (fields.size() > 3) command->looping(ParamInt(fields, 3));
  if (!addCommand(location.commands(), command, name, script)) return;
  for (const auto& group : open) group->add(command);
}

void tLevelLoader::loadExtCondition(tLocation& location, const std::string& directive, const std::string& text,
                                    const std::string& record,
                                    const std::vector<std::shared_ptr<tCommandGroup>>& open) {
  const std::vector<std::string> fields = SplitTrimmed(directive, ';');
  const std::string script = ReplaceAll(TrimConfigLine(text), "&locname&", location.id());
  if (script.empty()) {
    DebugLog("level> The condition " + fields[0] + " has no script!");
    return;
  }
  const auto condition = tCondition::Parse(script);
  // Plain replacement, as the level files have always been read: names
  // holding "and" or "or" change too.
  condition->condition(tExpr::Create(ReplaceAll(ReplaceAll(fields[0], "and", "*"), "or", "+")));
  if (fields.size() > 1) condition->autodisable(ParamInt(fields, 1));
  if (fields.size() > 2) condition->enable(ParamInt(fields, 2) == 0 ? 1 : 0);
  if (!addCommand(location.commands(), condition, record + "_cond", script)) return;
  for (const auto& group : open) group->add(condition);
}


}  // namespace vandrell
