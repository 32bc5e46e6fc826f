// The demo title's levels as their files describe them, read straight from the built
// tree (the loose layout), so the content can be checked before any engine reads it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "script/action_keywords.h"

namespace vandrell {

struct LevelLocation {
  std::string folder;  // below locations/
  std::string id;
  bool hidden = false;
  bool upper = false;
};

struct LevelPic {
  std::string location;  // id
  std::string name;
  std::string shape;
  std::string source;
  std::vector<std::string> params;
  std::vector<std::string> tags;
  std::string click;  // with &me& and &locname& filled in, as the loader does
  std::string every;

  double field(size_t i) const;  // a parameter as a number; missing or malformed reads 0
  bool isText() const { return field(24) > 0; }
  bool isOnScreenText() const { return isText() && field(26) == 0; }
  bool isAnim() const { return !isText() && field(15) > 0; }
  bool isParticle() const;
  bool isImage() const;  // an image, animation, label or text pic: clickable kinds
};

struct LevelMission {
  std::string id;
  std::string type;
  std::string item;  // icon line, item missions only
  std::vector<std::string> sounds;  // the apply sound, then the optional completion sound
  std::vector<std::string> params;
  std::string command;
};

// One command, condition, click command or completion command, with where it came from.
struct LevelScript {
  std::string where;
  std::string text;
};

struct Level {
  std::string path;
  std::vector<LevelLocation> locations;  // the main one first, the system ones last
  std::vector<LevelPic> pics;
  std::vector<LevelMission> missions;    // the level's own and the shared system missions
  std::vector<std::vector<std::string>> groups;
  std::map<std::string, std::string> messages;  // key -> text
  std::vector<std::string> messageImages;
  std::vector<std::string> tracks;
  std::vector<std::string> commands;     // names of the extension commands
  std::vector<std::string> conditions;   // condition expressions as written
  std::vector<LevelScript> scripts;

  const LevelPic* pic(const std::string& name) const;
  const LevelMission* mission(const std::string& id) const;
  bool hasLocation(const std::string& id) const;
};

// The level in locations/<path> below the program folder `root`; an empty level (no
// locations) when its location.cfg is missing.
Level ReadLevel(const std::string& root, const std::string& path);

// The campaign's level folders by section name ("title", ..., "0", "1", ...).
std::map<std::string, std::string> CampaignLevels(const std::string& root);

// The actions of a script text as the engine's command parser reads them
// (blocks, ";", "=", "|" alternatives, ","), each with what the engine's
// keyword registry knows of it.
using ScriptAction = tActionUse;
std::vector<ScriptAction> SplitScript(const std::string& text);

}  // namespace vandrell
