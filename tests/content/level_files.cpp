#include "level_files.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

#include "platform/stream.h"
#include "platform/text_stream.h"
#include "resources/config.h"

namespace vandrell {

namespace {

std::string trim(const std::string& text) {
  size_t begin = 0, end = text.size();
  while (begin < end && static_cast<unsigned char>(text[begin]) <= 32) ++begin;
  while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 32) --end;
  return text.substr(begin, end - begin);
}

std::string lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::vector<std::string> split(const std::string& text, char separator) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
    fields.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  fields.push_back(text.substr(start));
  return fields;
}

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
}

// The lines of a level file, or none when it is missing.
std::vector<std::string> lines(const std::string& path) {
  std::vector<std::string> result;
  TStreamPtr stream = ReadFile(path);
  if (!stream) return result;
  TTextStream text(stream, UTF8);
  while (!text.eof()) result.push_back(text.readLine());
  return result;
}

// Line i of a record, empty past the end of the file (a record cut short).
std::string line(const std::vector<std::string>& all, size_t i) { return i < all.size() ? all[i] : ""; }

void readPics(const std::string& file, const std::string& location, Level& level) {
  const std::vector<std::string> all = lines(file);
  for (size_t i = 0; i < all.size(); i += 7) {
    LevelPic pic;
    pic.location = location;
    pic.name = lower(trim(line(all, i)));
    if (pic.name.empty()) continue;  // the empty line that ends the file
    pic.shape = line(all, i + 1);
    pic.source = trim(line(all, i + 2));
    pic.params = split(line(all, i + 3), ',');
    for (const std::string& tag : split(line(all, i + 4), ',')) pic.tags.push_back(lower(trim(tag)));
    pic.click = lower(line(all, i + 5));
    pic.every = lower(line(all, i + 6));
    for (std::string* command : {&pic.click, &pic.every}) {
      replaceAll(*command, "&me&", pic.name);
      replaceAll(*command, "&locname&", location);
      if (!trim(*command).empty()) level.scripts.push_back({location + "/" + pic.name, *command});
    }
    level.pics.push_back(pic);
  }
}

// Eight lines a record, nine for item missions (the item's icon line comes third).
void readMissions(const std::string& file, Level& level) {
  const std::vector<std::string> all = lines(file);
  for (size_t i = 0; i < all.size();) {
    LevelMission mission;
    mission.id = lower(trim(line(all, i)));
    mission.type = lower(trim(line(all, i + 1)));
    size_t next = i + 2;
    if (mission.type == "itemmission") mission.item = trim(line(all, next++));
    mission.sounds = split(line(all, next), ',');
    mission.params = split(line(all, next + 1), ',');
    mission.command = lower(line(all, next + 4));
    i = next + 6;
    if (mission.id.empty()) continue;  // the empty line that ends the file
    if (!trim(mission.command).empty()) level.scripts.push_back({"mission " + mission.id, mission.command});
    level.missions.push_back(mission);
  }
}

void readGroups(const std::string& file, Level& level) {
  const std::vector<std::string> all = lines(file);
  for (size_t i = 0; i < all.size(); i += 2) {
    std::vector<std::string> ids;
    for (const std::string& id : split(lower(line(all, i)), ';')) {
      if (!trim(id).empty()) ids.push_back(trim(id));
    }
    level.groups.push_back(ids);
    const std::string command = lower(line(all, i + 1));
    if (!trim(command).empty()) level.scripts.push_back({"mission group", command});
  }
}

void readMessages(const std::string& file, Level& level) {
  const std::vector<std::string> all = lines(file);
  for (size_t i = 0; i < all.size();) {
    const std::vector<std::string> head = split(line(all, i), ',');
    const std::string key = lower(trim(head[0]));
    if (key.empty()) {
      ++i;
      continue;
    }
    level.messages[key] = line(all, i + 1);
    if (head.size() > 1 && !trim(head[1]).empty()) level.messageImages.push_back(trim(head[1]));
    i += 2;
  }
}

void readExtCommands(const std::string& file, const std::string& location, Level& level) {
  const std::vector<std::string> all = lines(file);
  for (size_t i = 0; i < all.size(); ++i) {
    const std::string directive = lower(trim(all[i]));
    if (directive.rfind("command", 0) == 0) {
      const std::string name = trim(split(directive.substr(7), ';')[0]);
      level.commands.push_back(name);
      std::string text = lower(line(all, ++i));
      replaceAll(text, "&locname&", location);
      replaceAll(text, "&cmd&", name);
      level.scripts.push_back({"command " + name, text});
    } else if (directive.rfind("condition", 0) == 0) {
      level.conditions.push_back(split(directive.substr(9), ';')[0]);
      std::string text = lower(trim(line(all, ++i)));
      replaceAll(text, "&locname&", location);
      level.scripts.push_back({"condition in " + location, text});
    }
  }
}

}  // namespace

double LevelPic::field(size_t i) const { return i < params.size() ? std::atof(params[i].c_str()) : 0.0; }

bool LevelPic::isParticle() const {
  return !isText() && !isAnim() && source.size() > 4 && source.compare(source.size() - 4, 4, ".set") == 0;
}

bool LevelPic::isImage() const {
  return isText() || isAnim() || (source.size() > 4 && source.compare(source.size() - 4, 4, ".png") == 0);
}

const LevelPic* Level::pic(const std::string& name) const {
  for (const LevelPic& pic : pics) {
    if (pic.name == name) return &pic;
  }
  return nullptr;
}

const LevelMission* Level::mission(const std::string& id) const {
  for (const LevelMission& mission : missions) {
    if (mission.id == id) return &mission;
  }
  return nullptr;
}

bool Level::hasLocation(const std::string& id) const {
  return std::any_of(locations.begin(), locations.end(), [&](const LevelLocation& l) { return l.id == id; });
}

Level ReadLevel(const std::string& root, const std::string& path) {
  Level level;
  level.path = path;
  const std::string base = root + "/locations/";
  const std::vector<std::string> list = lines(base + path + "/location.cfg");
  if (list.empty()) return level;
  level.locations.push_back({path, lower(trim(list[0])), false, false});
  for (size_t i = 1; i < list.size(); ++i) {
    if (trim(list[i]).empty()) continue;
    std::vector<std::string> fields = split(list[i], ';');
    fields.resize(5);
    level.locations.push_back({trim(fields[0]), lower(trim(fields[1])), std::atoi(fields[2].c_str()) != 0,
                               std::atoi(fields[4].c_str()) != 0});
  }
  for (const char* system : {"sys0", "sys1", "sys2"}) level.locations.push_back({system, std::string("__") + system});

  const std::vector<std::string> shared = lines(base + "sysmissions.cfg");
  for (size_t i = 0; i < shared.size(); i += 2) {
    if (!trim(shared[i]).empty()) level.missions.push_back({lower(trim(shared[i])), "system", "", {}, split(line(shared, i + 1), ','), ""});
  }
  for (const LevelLocation& location : level.locations) {
    const std::string folder = base + location.folder + "/";
    readMessages(folder + "messages.cfg", level);
    readMissions(folder + "missions.cfg", level);
    readGroups(folder + "mission_groups.cfg", level);
    readPics(folder + "objects.cfg", location.id, level);
    readExtCommands(folder + "extcommands.cfg", location.id, level);
  }
  const std::vector<std::string> music = lines(base + path + "/music.cfg");
  for (size_t i = 0; i < music.size(); i += 2) {
    if (!trim(music[i]).empty()) level.tracks.push_back(trim(music[i]));
  }
  return level;
}

std::map<std::string, std::string> CampaignLevels(const std::string& root) {
  std::map<std::string, std::string> levels;
  TStreamPtr stream = ReadFile(root + "/locations/campaign.cfg");
  if (!stream) return levels;
  TTextStream text(stream, LATIN1);
  tConfig campaign;
  campaign.Load(text);
  for (const std::string& section : campaign.Sections()) {
    std::string path;
    if (campaign.Get(section, "path", path)) levels[section] = path;
  }
  return levels;
}

std::vector<ScriptAction> SplitScript(const std::string& text) { return DescribeCommand(text); }

}  // namespace vandrell
