// Builds a level from its plain-text files. The files are read in a fixed
// order: the locations, the shared system missions, then per location its
// messages, missions, mission groups, pics and extension commands, each file
// of every location before the next file of any, so all missions exist
// before a pic names one and all pics before a command refers to one. What
// it builds goes into the level, which owns it, and under its name into the
// level's index.
//
// Diagnostics go to the debug log; every record being read sets the log's
// place (file and line), so a line about a bad record leads to it. The
// loader keeps those places for tools that check a level once it is loaded.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/loading.h"
#include "script/command.h"

namespace vandrell {

class tCommandGroup;
class tGuiSet;
class tLevel;
class tLevelFile;
class tLocation;
class tLocationLayer;
class tPicImage;
struct tPicRecord;

class tLevelLoader {
 public:
  explicit tLevelLoader(tLevel& level) : _level(level) {}
  virtual ~tLevelLoader() = default;

  // Builds the level from the folder `path` below "locations/", calling
  // `loading` between files and records. 0 when "location.cfg" is missing
  // (the system locations exist then, nothing else).
  virtual int32_t load(const std::string& path, tLoading& loading);
  // The per-location files; each 1 when read, 0 when missing (logged).
  virtual int32_t loadPics(tLocation& location, tLoading& loading);
  virtual int32_t loadMessages(tLocation& location, tLoading& loading);
  // The one "sysmissions.cfg" of all levels.
  virtual int32_t loadSysMissions(tLoading& loading);
  virtual int32_t loadMissions(tLocation& location, tLoading& loading);
  virtual int32_t loadMissionGroups(tLocation& location, tLoading& loading);
  virtual int32_t loadExtCommands(tLocation& location, tLoading& loading);

  // Where things were defined: the place ("file:line") of each pic and
  // on-screen text by name, of each mission by id, and each command's place
  // and script by name.
  struct tScript {
    std::string place;
    std::string text;
  };
  const std::map<std::string, std::string>& picPlaces() const { return _picPlaces; }
  const std::map<std::string, std::string>& missionPlaces() const { return _missionPlaces; }
  const std::map<std::string, tScript>& scripts() const { return _scripts; }

 protected:
  // The further locations of "location.cfg", after the main one on its
  // first line.
  virtual void loadLocations(tLevelFile& file);
  // A new location of the folder `folder`, entered under `id` at the top of
  // `layer`; null when the id is taken (logged).
  std::shared_ptr<tLocation> addLocation(tLocationLayer& layer, const std::string& folder, const std::string& id);
  // One record of "objects.cfg".
  virtual void loadPic(tLocation& location, const tPicRecord& record, tLevelFile& file);
  // A pic of an image kind: its commands, hide type and blend.
  virtual void loadPicActions(tLocation& location, tPicImage& pic, const tPicRecord& record,
                              const tLevelFile& file);
  // A command of the script `text`, entered in `set` and in the level under
  // `name`; false, and the command dropped, when the set already has a
  // member of that name.
  bool addCommand(tGuiSet& set, const tCommandPtr& command, const std::string& name, const std::string& text);
  // `text` parsed as a command for the set, or null when it is empty.
  tCommandPtr parseCommand(tGuiSet& set, const std::string& text, const std::string& name);
  // One "command" or "condition" directive of "extcommands.cfg".
  void loadExtCommand(tLocation& location, const std::string& directive, const std::string& text,
                      const std::vector<std::shared_ptr<tCommandGroup>>& open);
  void loadExtCondition(tLocation& location, const std::string& directive, const std::string& text,
                        const std::string& record, const std::vector<std::shared_ptr<tCommandGroup>>& open);
  // Every location in id order, for a loader of one file each.
  template <class Loader>
  void eachLocation(Loader load);

  tLevel& _level;
  std::map<std::string, std::string> _picPlaces;
  std::map<std::string, std::string> _missionPlaces;
  std::map<std::string, tScript> _scripts;
};

}  // namespace vandrell
