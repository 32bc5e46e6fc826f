// A level: everything the player sees and plays between two loading screens.
// It reads its plain-text files in a fixed order (the locations, the shared
// system missions, then per location its messages, missions, mission groups,
// pics and extension commands), builds the objects, and ties them together
// by name. What it builds it holds: its locations in two layers (the lower
// under the HUD, the upper above it), the pics, commands, command groups,
// missions, mission groups, messages and on-screen texts, and a shade over
// everything.
//
// Ownership: the location sets own the pics and commands, the text layer the
// texts, the mission book the missions; the level's maps of them are weak
// indexes by name. Script variables name pics strongly, so clear() must run
// before a level is dropped.
//
// Diagnostics go to the debug log; every record being read sets the log's
// place (file and line), so a line about a bad record leads to it.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/level_bg.h"
#include "game/loading.h"
#include "game/mission_group.h"
#include "game/pic_record.h"
#include "gui/object_set.h"
#include "hud/txt.h"
#include "hud/txt_layer.h"
#include "resources/resource_manager.h"
#include "scene/item_layer.h"
#include "scene/location.h"
#include "scene/location_layer.h"
#include "scene/message.h"
#include "scene/mission_book.h"
#include "scene/pic.h"
#include "script/command.h"
#include "script/command_group.h"

namespace vandrell {

class tLevelFile;

class tLevel : public tGuiSet {
  VANDRELL_GUI_HOOKS(tLevel, tGuiSet)

 public:
  template <class T>
  using tByName = std::map<std::string, std::weak_ptr<T>>;
  using tPicList = std::vector<std::weak_ptr<tPic>>;
  using tTxtList = std::vector<std::weak_ptr<tTxt>>;

  // Shade change per second when fading in or out.
  static constexpr float _shadeSpeed = 0.5f;

  // Renews the pic and mission property objects, then stacks, bottom to
  // top: the lower layer, the HUD of play, the texts, the upper layer and
  // the shade, black.
  tLevel();

  // Builds the level from the folder `path` below "locations/", calling
  // `loading` between files and records. 0 when "location.cfg" is missing
  // (the system locations exist then, nothing else).
  virtual int32_t load(const std::string& path, tLoading& loading);
  // The per-location files; each 1 when read, 0 when missing (logged).
  virtual int32_t loadPics(tLocation& location, tLoading& loading);
  virtual int32_t loadMessages(tLocation& location, tLoading& loading);
  // The one "sysmissions.cfg" of all levels; `path` is not used.
  virtual int32_t loadSysMissions(const std::string& path, tLoading& loading);
  virtual int32_t loadMissions(tLocation& location, tLoading& loading);
  virtual int32_t loadMissionGroups(tLocation& location, tLoading& loading);
  virtual int32_t loadExtCommands(tLocation& location, tLoading& loading);
  // Lets go of everything loaded: images, locations, indexes, script
  // variables and the level's own members. Mission groups, texts and the
  // shade stay until the level is dropped.
  void clear() override;

  // The folder `load` was given, "" before.
  const std::string& path() const { return _path; }
  tCacheResourceManager& resources() { return _rm; }
  tLevelBg& bg() const { return *_bg; }
  tLocationLayer& layer0() const { return *_layer0; }
  tLocationLayer& layer1() const { return *_layer1; }
  tLocation& sys0() const { return *_sys0; }
  tTxtLayer& txts() const { return *_txts; }
  // The row item missions get their slots in.
  tItemLayer& items() const { return *_items; }
  const std::map<std::string, std::shared_ptr<tLocation>>& locations() const { return _locations; }
  const tByName<tPic>& pics() const { return _pics; }
  const tByName<tCommand>& commands() const { return _commands; }
  const std::map<std::string, std::shared_ptr<tCommandGroup>>& cgroups() const { return _cgroups; }
  const tMissionBook& missions() const { return _missions; }
  const std::vector<tMissionGroupPtr>& mgroups() const { return _mgroups; }
  const std::map<std::string, tPicList>& mtags() const { return _mtags; }
  const std::map<std::string, tMessagePtr>& messages() const { return _messages; }
  const std::map<std::string, tTxtList>& txttags() const { return _txttags; }
  // The shade, 1 black.
  float shade() const { return _shade; }

  // Where things were defined, for tools that check a level once it is
  // loaded: the place ("file:line") of each pic and on-screen text by name,
  // of each mission by id, and each command's place and script by name.
  struct tScript {
    std::string place;
    std::string text;
  };
  const std::map<std::string, std::string>& picPlaces() const { return _picPlaces; }
  const std::map<std::string, std::string>& missionPlaces() const { return _missionPlaces; }
  const std::map<std::string, tScript>& scripts() const { return _scripts; }

 protected:
  // The HUD objects a level builds, between the lower layer and the texts.
  // They are process-wide, replaced by every new level: the universal
  // button, the resist meter and the bottom panel, in that order. The panel
  // holds the level's item row.
  virtual void buildHud();
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
  // A command of the script `text`, entered in `set` and in _commands under
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

  std::string _path;
  tCacheResourceManager _rm;
  std::shared_ptr<tLevelBg> _bg = std::make_shared<tLevelBg>();
  std::map<std::string, std::shared_ptr<tLocation>> _locations;
  std::shared_ptr<tLocationLayer> _layer0 = std::make_shared<tLocationLayer>();
  std::shared_ptr<tLocationLayer> _layer1 = std::make_shared<tLocationLayer>();
  std::shared_ptr<tLocation> _sys0 = std::make_shared<tLocation>();
  std::shared_ptr<tLocation> _sys1 = std::make_shared<tLocation>();
  std::shared_ptr<tLocation> _sys2 = std::make_shared<tLocation>();
  tByName<tPic> _pics;
  tByName<tCommand> _commands;
  std::map<std::string, std::shared_ptr<tCommandGroup>> _cgroups;
  // The missions by id and in priority order.
  tMissionBook _missions;
  std::vector<tMissionGroupPtr> _mgroups;
  std::map<std::string, tPicList> _mtags;
  std::map<std::string, tMessagePtr> _messages;
  std::shared_ptr<tTxtLayer> _txts = std::make_shared<tTxtLayer>();
  std::map<std::string, tTxtList> _txttags;
  std::shared_ptr<tItemLayer> _items = std::make_shared<tItemLayer>();
  float _shade = 1.0f;
  std::map<std::string, std::string> _picPlaces;
  std::map<std::string, std::string> _missionPlaces;
  std::map<std::string, tScript> _scripts;
};

}  // namespace vandrell
