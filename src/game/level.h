// A level: everything the player sees and plays between two loading screens.
// The level loader (level_loader.h) builds it from its files. What it builds
// the level holds: its locations in two layers (the lower under the HUD, the
// upper above it), the pics, commands, command groups, missions, mission
// groups, messages and on-screen texts, and a shade over everything.
//
// Ownership: the location sets own the pics and commands, the text layer the
// texts, the mission book the missions; the level's maps of them are weak
// indexes by name. Script variables name pics strongly, so clear() must run
// before a level is dropped.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "game/level_bg.h"
#include "game/mission_group.h"
#include "gui/app_messages.h"
#include "gui/object_set.h"
#include "gui/pause_owners.h"
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

class tLevel : public tGuiSet {
  VANDRELL_GUI_HOOKS(tLevel, tGuiSet, &tLevel::GUIMSG_UPDATE, &tLevel::M_APP_RESUME, &tLevel::M_PIC_FIND,
                     &tLevel::M_PIC_FINDBYMISSION, &tLevel::M_PICPARTICLE_FINDBYLOCATION, &tLevel::M_MISSION_FIND,
                     &tLevel::M_MISSION_LIST, &tLevel::M_LOCATION_FIND, &tLevel::M_COMMAND_FIND,
                     &tLevel::M_COMMANDGROUPS_FIND, &tLevel::M_MESSAGE_FIND, &tLevel::M_TXT_FIND, &tLevel::M_TXT_ISHOW,
                     &tLevel::M_COMMAND_PLAYCALL, &tLevel::M_COMMAND_NEXTCALL, &tLevel::M_COMMAND_START,
                     &tLevel::M_COMMAND_CHECK, &tLevel::M_COMMAND_EVAL, &tLevel::M_PIC_EVAL, &tLevel::M_PIC_OFFSET,
                     &tLevel::M_PIC_CURSOR, &tLevel::M_LOCATION_PICTOTOP, &tLevel::M_LOCATION_PAUSE,
                     &tLevel::M_LOCATION_PAUSEOFF, &tLevel::M_LEVEL_PAUSE, &tLevel::M_LEVEL_PAUSEOFF,
                     &tLevel::M_MISSION_SENDCURSOR, &tLevel::M_MISSION_CLEARCURSOR, &tLevel::M_MISSION_SENDCOUNTER,
                     &tLevel::M_MISSIONGROUP_CHECK, &tLevel::M_LEVEL_COMPLETE, &tLevel::M_LEVEL_FASTCOMPLETE,
                     &tLevel::M_LEVEL_FAIL, &tLevel::M_LEVEL_EXTRA, &tLevel::M_LEVEL_GAME, &tLevel::M_PIC_CLICK,
                     &tLevel::M_SOS)

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

  // Lets go of everything loaded: images, locations, indexes, script
  // variables and the level's own members. Mission groups, texts and the
  // shade stay until the level is dropped.
  void clear() override;

  // Paused while any owner holds a pause: nothing below the level is drawn,
  // updated or clicked then.
  virtual int32_t isPause() const { return _pause.isPause() ? 1 : 0; }
  virtual void pause(int32_t on, tPauseOwner key);

  // After the members: lays out the attachments, steps the shade toward its
  // target, shuts input off once a fade to black has begun, and sends the
  // message waiting for the black screen while it is black.
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  // Pictures lost with a full-screen display are loaded again.
  virtual int32_t M_APP_RESUME(vandrell::M_APP_RESUME& msg);

  // Lookups by name; nothing found answers null or an empty list.
  virtual int32_t M_PIC_FIND(vandrell::M_PIC_FIND& msg);
  virtual int32_t M_PIC_FINDBYMISSION(vandrell::M_PIC_FINDBYMISSION& msg);
  // No answer at all when the level has no such location.
  virtual int32_t M_PICPARTICLE_FINDBYLOCATION(vandrell::M_PICPARTICLE_FINDBYLOCATION& msg);
  virtual int32_t M_MISSION_FIND(vandrell::M_MISSION_FIND& msg);
  virtual int32_t M_MISSION_LIST(vandrell::M_MISSION_LIST& msg);
  virtual int32_t M_LOCATION_FIND(vandrell::M_LOCATION_FIND& msg);
  virtual int32_t M_COMMAND_FIND(vandrell::M_COMMAND_FIND& msg);
  virtual int32_t M_COMMANDGROUPS_FIND(vandrell::M_COMMANDGROUP_FIND& msg);
  virtual int32_t M_MESSAGE_FIND(vandrell::M_MESSAGE_FIND& msg);
  virtual int32_t M_TXT_FIND(vandrell::M_TXT_FIND& msg);
  // The first shown text in stacking order; no answer when none is shown.
  virtual int32_t M_TXT_ISHOW(vandrell::M_TXT_ISSHOW& msg);

  // Calls on the command of that name; nothing when there is none.
  virtual int32_t M_COMMAND_PLAYCALL(vandrell::M_COMMAND_PLAYCALL& msg);
  virtual int32_t M_COMMAND_NEXTCALL(vandrell::M_COMMAND_NEXTCALL& msg);
  virtual int32_t M_COMMAND_START(vandrell::M_COMMAND_START& msg);
  // Every condition of every shown and enabled location tests itself.
  virtual int32_t M_COMMAND_CHECK(vandrell::M_COMMAND_CHECK& msg);
  // An ad-hoc script, run once on the top of the lower layer.
  virtual int32_t M_COMMAND_EVAL(vandrell::M_COMMAND_EVAL& msg);
  // The pic leaves its location for the top of the lower layer.
  virtual int32_t M_PIC_EVAL(vandrell::M_PIC_EVAL& msg);
  virtual int32_t M_PIC_OFFSET(vandrell::M_PIC_OFFSET& msg);
  // The cursor code of the last hovered image pic that asks for one.
  virtual int32_t M_PIC_CURSOR(vandrell::M_PIC_CURSOR& msg);
  virtual int32_t M_LOCATION_PICTOTOP(vandrell::M_LOCATION_PICTOTOP& msg);
  // The lower layer alone freezes; the upper one and the HUD run on.
  virtual int32_t M_LOCATION_PAUSE(vandrell::M_LOCATION_PAUSE& msg);
  virtual int32_t M_LOCATION_PAUSEOFF(vandrell::M_LOCATION_PAUSEOFF& msg);
  virtual int32_t M_LEVEL_PAUSE(vandrell::M_LEVEL_PAUSE& msg);
  virtual int32_t M_LEVEL_PAUSEOFF(vandrell::M_LEVEL_PAUSEOFF& msg);
  virtual int32_t M_MISSION_SENDCURSOR(vandrell::M_MISSION_SENDCURSOR& msg);
  virtual int32_t M_MISSION_CLEARCURSOR(vandrell::M_MISSION_CLEARCURSOR& msg);
  // "x<counter>" on the label named mission id + "_c"; a label with nothing
  // left to count fades out.
  virtual int32_t M_MISSION_SENDCOUNTER(vandrell::M_MISSION_SENDCOUNTER& msg);
  virtual int32_t M_MISSIONGROUP_CHECK(vandrell::M_MISSIONGROUP_CHECK& msg);

  // The end of the level: the game hears of it, at once or once the screen
  // has faded to black.
  virtual int32_t M_LEVEL_COMPLETE(vandrell::M_LEVEL_COMPLETE& msg);
  virtual int32_t M_LEVEL_FASTCOMPLETE(vandrell::M_LEVEL_FASTCOMPLETE& msg);
  virtual int32_t M_LEVEL_FAIL(vandrell::M_LEVEL_FAIL& msg);
  virtual int32_t M_LEVEL_EXTRA(vandrell::M_LEVEL_EXTRA& msg);
  virtual int32_t M_LEVEL_GAME(vandrell::M_LEVEL_GAME& msg);

  // A click on an image pic: its missions that accept it count it, or the
  // level's "__mistake" command hears of it.
  virtual int32_t M_PIC_CLICK(vandrell::M_PIC_CLICK& msg);
  // The pic the hint points at: one the player can find now, of the first
  // mission in priority order that has one.
  virtual int32_t M_SOS(vandrell::M_SOS& msg);

  // The whole state of the running level, one section per object.
  virtual void saveInstant(tConfigBase& cfg);
  // Restores a freshly loaded level from `cfg`. 0, with the reasons in the
  // debug log and the level left as it was, when the save is damaged; a
  // saved name the level no longer has is reported and restores as nothing.
  virtual int32_t loadInstant(const tConfigBase& cfg);

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
  // The shade, 1 black, and where it is heading.
  float shade() const { return _shade; }
  float shadeTo() const { return _shadeTo; }

 protected:
  // The loader fills the level.
  friend class tLevelLoader;

  // The HUD objects a level builds, between the lower layer and the texts.
  // They are process-wide, replaced by every new level: the universal
  // button, the resist meter and the bottom panel, in that order. The panel
  // holds the level's item row.
  virtual void buildHud();
  // The filter the level's state asks for: none while playing, the fade's
  // while fading to black, the pause's (nothing gets through) while paused.
  void setupFilter();
  // Fades to black, then sends `message`; music and sounds stop meanwhile.
  void fadeOut(std::shared_ptr<tGuiMessage> message);
  template <class Visit>
  void eachPic(Visit visit) const;
  // The pics tagged with `tag` that are still there.
  vandrell::tPicList tagged(const std::string& tag) const;
  // Script variables: every one saved by name with its number, pic or text,
  // restored on a cleared book.
  void saveVariables(tConfigBase& cfg) const;
  void loadVariables(const tConfigBase& cfg);
  // Every saved name the level no longer has, reported.
  void reportStale(const tConfigBase& cfg) const;
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
  float _shadeTo = 0.0f;
  std::shared_ptr<tGuiMessage> _shadeMessage;
  // Lets through only what keeps a fading level drawn and running.
  std::shared_ptr<tGuiMessageFilter> _fDisable = std::make_shared<tGuiMessageFilter>();
  // Lets nothing through.
  std::shared_ptr<tGuiMessageFilter> _fPause = std::make_shared<tGuiMessageFilter>();
  tPauseOwners _pause;
};

template <class Visit>
void tLevel::eachPic(Visit visit) const {
  for (const auto& [name, ref] : _pics) {
    if (const tPicPtr pic = ref.lock()) visit(*pic);
  }
}

}  // namespace vandrell
