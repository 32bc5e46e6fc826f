// The game's message vocabulary. Every type is a bare message: the sender puts
// the payload in the input slot and, for queries, reads the answer from the
// output slot, which stays empty when nothing is found.
//
// Payloads: a name is a std::string (the id of a level object as the level
// files write it); numbers travel as a tIntArray; an object travels as a
// std::shared_ptr to its own class; an owner (the key of a pause request, to be
// released by the same object) is the std::shared_ptr<tGuiObject> asking.
#pragma once

#include "gui/message.h"

namespace vandrell {

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
// In: {diary page}.
VANDRELL_GUI_MESSAGE(M_GAME_DIARY);
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
// In: owner.
VANDRELL_GUI_MESSAGE(M_LEVEL_PAUSE);
VANDRELL_GUI_MESSAGE(M_LEVEL_PAUSEOFF);
VANDRELL_GUI_MESSAGE(M_LOCATION_PAUSE);
VANDRELL_GUI_MESSAGE(M_LOCATION_PAUSEOFF);

// Lookups in the current level; the answer is empty without a level.
// In: name. Out: the object of that name.
VANDRELL_GUI_MESSAGE(M_PIC_FIND);
VANDRELL_GUI_MESSAGE(M_MISSION_FIND);
VANDRELL_GUI_MESSAGE(M_COMMAND_FIND);
// Handled by tLevel::M_COMMANDGROUPS_FIND.
VANDRELL_GUI_MESSAGE(M_COMMANDGROUP_FIND);
VANDRELL_GUI_MESSAGE(M_LOCATION_FIND);
// Out: the message text entry.
VANDRELL_GUI_MESSAGE(M_MESSAGE_FIND);
// Out: the on-screen text.
VANDRELL_GUI_MESSAGE(M_TXT_FIND);
// In: mission id. Out: the pics tagged with that mission, in order.
VANDRELL_GUI_MESSAGE(M_PIC_FINDBYMISSION);
// In: location name. Out: the set of that location's particle pics.
VANDRELL_GUI_MESSAGE(M_PICPARTICLE_FINDBYLOCATION);
// Out: the first shown text of the level's text layer. Handled by
// tLevel::M_TXT_ISHOW.
VANDRELL_GUI_MESSAGE(M_TXT_ISSHOW);
// Out: the pic the hint should point at.
VANDRELL_GUI_MESSAGE(M_SOS);
// Out: {cursor number} asked for by an image pic under the pointer.
VANDRELL_GUI_MESSAGE(M_PIC_CURSOR);

// Commands, missions and pics, handled by the level unless noted.
// In: command name.
VANDRELL_GUI_MESSAGE(M_COMMAND_START);
VANDRELL_GUI_MESSAGE(M_COMMAND_PLAYCALL);
VANDRELL_GUI_MESSAGE(M_COMMAND_NEXTCALL);
VANDRELL_GUI_MESSAGE(M_COMMAND_CHECK);
// In: script text (std::string) to run as a new command.
VANDRELL_GUI_MESSAGE(M_COMMAND_EVAL);
// In: pic name.
VANDRELL_GUI_MESSAGE(M_PIC_CLICK);
// In: {dx, dy}.
VANDRELL_GUI_MESSAGE(M_PIC_OFFSET);
// In: the pic, to be moved into the level's first layer.
VANDRELL_GUI_MESSAGE(M_PIC_EVAL);
// In: pic name.
VANDRELL_GUI_MESSAGE(M_LOCATION_PICTOTOP);
// In: the mission.
VANDRELL_GUI_MESSAGE(M_MISSION_SENDCURSOR);
VANDRELL_GUI_MESSAGE(M_MISSION_CLEARCURSOR);
VANDRELL_GUI_MESSAGE(M_MISSION_SENDCOUNTER);
VANDRELL_GUI_MESSAGE(M_MISSIONGROUP_CHECK);
// Handled by every pic.
VANDRELL_GUI_MESSAGE(M_PIC_MUTABLE);
VANDRELL_GUI_MESSAGE(M_MISSION_MUTABLE);

// Render passes and small controls.
// In: {draw pass}: -1, 0, 1, then 2.
VANDRELL_GUI_MESSAGE(M_PIC_POSTDRAW);
VANDRELL_GUI_MESSAGE(M_TXT_RENDER0);
VANDRELL_GUI_MESSAGE(M_TXT_RENDER1);
VANDRELL_GUI_MESSAGE(M_TXT_HIDE);
VANDRELL_GUI_MESSAGE(M_ITEM_RENDER0);
VANDRELL_GUI_MESSAGE(M_ITEM_RENDER1);
// In: {x, y} in window pixels.
VANDRELL_GUI_MESSAGE(M_CURSOR_RENDER);
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
// Handled by tMMenuTextWindowed::M_MMENU_CREATE.
VANDRELL_GUI_MESSAGE(M_MMENU_WINDOWED);
VANDRELL_GUI_MESSAGE(M_MMENU_ORIENTATION);

}  // namespace vandrell
