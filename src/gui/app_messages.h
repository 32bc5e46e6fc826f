// The game's message vocabulary. It sits beneath every subsystem that speaks
// it (scripts, scenes, HUD, menus, the game), so it names the objects it
// carries by forward declaration only.
//
// Payloads: a name is a std::string (the id of a level object as the level
// files write it); numbers travel as a tIntArray; an object travels as a
// std::shared_ptr to the base class named here; an owner (the key of a pause
// request, released again by the same object) is the asker's identity. Queries
// answer with ask(); nothing found answers null or empty.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/pause_owners.h"
#include "gui/typed_message.h"

namespace vandrell {

class tCommand;
class tCommandGroup;
class tGuiSet;
class tLocation;
class tMessage;
class tMission;
class tPic;
class tTxt;

using tPicList = std::vector<std::shared_ptr<tPic>>;
using tMissionList = std::vector<std::shared_ptr<tMission>>;
using tTxtList = std::vector<std::shared_ptr<tTxt>>;

// Application notices, from the application object.
VANDRELL_GUI_MESSAGE(M_APP_SUSPEND);
VANDRELL_GUI_MESSAGE(M_APP_RESUME);
VANDRELL_GUI_MESSAGE(M_APP_TERMINATE);

// Game flow, handled by the game object.
VANDRELL_GUI_MESSAGE(M_GAME_KILLLEVEL);
VANDRELL_GUI_MESSAGE(M_GAME_NEXTLEVEL);
VANDRELL_GUI_MESSAGE(M_GAME_RESTARTLEVEL);
VANDRELL_GUI_MESSAGE(M_GAME_GAME);
VANDRELL_GUI_MESSAGE(M_GAME_MENU);
VANDRELL_GUI_MESSAGE(M_GAME_EXTRA);
class M_GAME_DIARY final : public tGuiNotice<M_GAME_DIARY, tIntArray> {
  VANDRELL_GUI_MESSAGE_TYPE(M_GAME_DIARY)

 public:
  int32_t page() const { return number(input(), 0); }
};
VANDRELL_GUI_MESSAGE(M_GAME_PROGRESS);
VANDRELL_GUI_MESSAGE(M_GAME_FAIL);
VANDRELL_GUI_MESSAGE(M_GAME_SAVE);
VANDRELL_GUI_MESSAGE(M_GAME_AUTOSAVE);

// Level outcome and pause, handled by the level.
VANDRELL_GUI_MESSAGE(M_LEVEL_COMPLETE);
VANDRELL_GUI_MESSAGE(M_LEVEL_FASTCOMPLETE);
VANDRELL_GUI_MESSAGE(M_LEVEL_FAIL);
VANDRELL_GUI_MESSAGE(M_LEVEL_GAME);
VANDRELL_GUI_MESSAGE(M_LEVEL_EXTRA);
VANDRELL_GUI_NOTICE(M_LEVEL_PAUSE, tPauseOwner);
VANDRELL_GUI_NOTICE(M_LEVEL_PAUSEOFF, tPauseOwner);
VANDRELL_GUI_NOTICE(M_LOCATION_PAUSE, tPauseOwner);
VANDRELL_GUI_NOTICE(M_LOCATION_PAUSEOFF, tPauseOwner);

// Lookups by name in the current level; null without a level.
VANDRELL_GUI_QUERY(M_PIC_FIND, std::string, std::shared_ptr<tPic>);
VANDRELL_GUI_QUERY(M_MISSION_FIND, std::string, std::shared_ptr<tMission>);
// The missions in priority order, the one worked on last first.
VANDRELL_GUI_QUERY(M_MISSION_LIST, tGuiNone, tMissionList);
VANDRELL_GUI_QUERY(M_COMMAND_FIND, std::string, std::shared_ptr<tCommand>);
// Handled by tLevel::M_COMMANDGROUPS_FIND.
VANDRELL_GUI_QUERY(M_COMMANDGROUP_FIND, std::string, std::shared_ptr<tCommandGroup>);
VANDRELL_GUI_QUERY(M_LOCATION_FIND, std::string, std::shared_ptr<tLocation>);
// The message text entry.
VANDRELL_GUI_QUERY(M_MESSAGE_FIND, std::string, std::shared_ptr<tMessage>);
// The on-screen texts called up by that name (one per line of its message).
VANDRELL_GUI_QUERY(M_TXT_FIND, std::string, tTxtList);
// In: mission id. The pics tagged with that mission, in order.
VANDRELL_GUI_QUERY(M_PIC_FINDBYMISSION, std::string, tPicList);
// In: location name. The set of that location's particle pics.
VANDRELL_GUI_QUERY(M_PICPARTICLE_FINDBYLOCATION, std::string, std::shared_ptr<tGuiSet>);
// The first shown text of the level's text layer. Handled by
// tLevel::M_TXT_ISHOW.
VANDRELL_GUI_QUERY(M_TXT_ISSHOW, tGuiNone, std::shared_ptr<tTxt>);
// The pic the hint should point at.
VANDRELL_GUI_QUERY(M_SOS, tGuiNone, std::shared_ptr<tPic>);
// {cursor number} asked for by an image pic under the pointer; empty when none.
VANDRELL_GUI_QUERY(M_PIC_CURSOR, tGuiNone, tIntArray);

// Commands, missions and pics, handled by the level unless noted.
VANDRELL_GUI_NOTICE(M_COMMAND_START, std::string);
VANDRELL_GUI_NOTICE(M_COMMAND_PLAYCALL, std::string);
VANDRELL_GUI_NOTICE(M_COMMAND_NEXTCALL, std::string);
VANDRELL_GUI_MESSAGE(M_COMMAND_CHECK);
// In: script text to run as a new command.
VANDRELL_GUI_NOTICE(M_COMMAND_EVAL, std::string);
// In: pic name.
VANDRELL_GUI_NOTICE(M_PIC_CLICK, std::string);
class M_PIC_OFFSET final : public tGuiNotice<M_PIC_OFFSET, tIntArray> {
  VANDRELL_GUI_MESSAGE_TYPE(M_PIC_OFFSET)

 public:
  int32_t dx() const { return number(input(), 0); }
  int32_t dy() const { return number(input(), 1); }
};
// In: the pic, to be moved into the level's first layer.
VANDRELL_GUI_NOTICE(M_PIC_EVAL, std::shared_ptr<tPic>);
// In: pic name.
VANDRELL_GUI_NOTICE(M_LOCATION_PICTOTOP, std::string);
VANDRELL_GUI_NOTICE(M_MISSION_SENDCURSOR, std::shared_ptr<tMission>);
VANDRELL_GUI_NOTICE(M_MISSION_CLEARCURSOR, std::shared_ptr<tMission>);
VANDRELL_GUI_NOTICE(M_MISSION_SENDCOUNTER, std::shared_ptr<tMission>);
VANDRELL_GUI_MESSAGE(M_MISSIONGROUP_CHECK);
// Handled by every pic.
VANDRELL_GUI_MESSAGE(M_PIC_MUTABLE);
VANDRELL_GUI_MESSAGE(M_MISSION_MUTABLE);

// Render passes and small controls.
// Sent by a scene layer to itself for passes -1, 0, 1, then 2.
class M_PIC_POSTDRAW final : public tGuiNotice<M_PIC_POSTDRAW, tIntArray> {
  VANDRELL_GUI_MESSAGE_TYPE(M_PIC_POSTDRAW)

 public:
  int32_t pass() const { return number(input(), 0); }
};
VANDRELL_GUI_MESSAGE(M_TXT_RENDER0);
VANDRELL_GUI_MESSAGE(M_TXT_RENDER1);
VANDRELL_GUI_MESSAGE(M_TXT_HIDE);
VANDRELL_GUI_MESSAGE(M_ITEM_RENDER0);
VANDRELL_GUI_MESSAGE(M_ITEM_RENDER1);
// The pointer in window pixels.
class M_CURSOR_RENDER final : public tGuiNotice<M_CURSOR_RENDER, tIntArray> {
  VANDRELL_GUI_MESSAGE_TYPE(M_CURSOR_RENDER)

 public:
  int32_t x() const { return number(input(), 0); }
  int32_t y() const { return number(input(), 1); }
};
VANDRELL_GUI_MESSAGE(M_CURSOR_LOCK);
VANDRELL_GUI_MESSAGE(M_CURSOR_UNLOCK);

// In-game menu pages, sent to the menu alone: NONE hides every widget, then
// the page's message shows that page's widgets.
VANDRELL_GUI_MESSAGE(M_MENU_NONE);
VANDRELL_GUI_MESSAGE(M_MENU_MAIN);
VANDRELL_GUI_MESSAGE(M_MENU_OPTIONS);
VANDRELL_GUI_MESSAGE(M_MENU_QUIT);
VANDRELL_GUI_MESSAGE(M_MENU_FAIL);
VANDRELL_GUI_MESSAGE(M_MENU_WINDOWED);
VANDRELL_GUI_MESSAGE(M_MENU_ORIENTATION);

// Main menu pages, the same way.
VANDRELL_GUI_MESSAGE(M_MMENU_NONE);
VANDRELL_GUI_MESSAGE(M_MMENU_MAIN);
VANDRELL_GUI_MESSAGE(M_MMENU_OPTIONS);
VANDRELL_GUI_MESSAGE(M_MMENU_QUIT);
VANDRELL_GUI_MESSAGE(M_MMENU_SELECT);
VANDRELL_GUI_MESSAGE(M_MMENU_CREATE);
VANDRELL_GUI_MESSAGE(M_MMENU_REMOVE);
VANDRELL_GUI_MESSAGE(M_MMENU_LEVEL);
VANDRELL_GUI_MESSAGE(M_MMENU_DIARY);
VANDRELL_GUI_MESSAGE(M_MMENU_DIARYPAGE);
VANDRELL_GUI_MESSAGE(M_MMENU_ZEB);
VANDRELL_GUI_MESSAGE(M_MMENU_WINDOWED);
VANDRELL_GUI_MESSAGE(M_MMENU_ORIENTATION);

}  // namespace vandrell
