// The player pages: choosing one of the three slots, removing a player after
// asking, and typing a new player's name.
#pragma once

#include <cstdint>
#include <string>

#include "menus/mmenu_widget.h"

namespace vandrell {

// Announcing the page also drops the selected player.
class tMMenuSelectTitle : public tMMenuLabelSelect {
  VANDRELL_GUI_HOOKS(tMMenuSelectTitle, tMMenuLabelSelect)

 public:
  tMMenuSelectTitle();
  void _shown() override;
};

class tMMenuSelectComment : public tMMenuLabelSelect {
  VANDRELL_GUI_HOOKS(tMMenuSelectComment, tMMenuLabelSelect)

 public:
  tMMenuSelectComment();
};

// One slot: its player's name, or the offer of a new player. Button 1 plays
// as that player (or creates one); button 2, or button 1 with a system key
// held, offers to remove the player.
class tMMenuSelectSlot : public tMMenuHrefSelect {
  VANDRELL_GUI_HOOKS(tMMenuSelectSlot, tMMenuHrefSelect)

 public:
  explicit tMMenuSelectSlot(int32_t slot);
  void _shown() override;
  void _click(int32_t button) override;

 protected:
  int32_t _user;
};

class tMMenuSelect1 : public tMMenuSelectSlot {
  VANDRELL_GUI_HOOKS(tMMenuSelect1, tMMenuSelectSlot)

 public:
  tMMenuSelect1() : tMMenuSelectSlot(1) {}
};

class tMMenuSelect2 : public tMMenuSelectSlot {
  VANDRELL_GUI_HOOKS(tMMenuSelect2, tMMenuSelectSlot)

 public:
  tMMenuSelect2() : tMMenuSelectSlot(2) {}
};

class tMMenuSelect3 : public tMMenuSelectSlot {
  VANDRELL_GUI_HOOKS(tMMenuSelect3, tMMenuSelectSlot)

 public:
  tMMenuSelect3() : tMMenuSelectSlot(3) {}
};

class tMMenuSelectQuit : public tMMenuHrefSelect {
  VANDRELL_GUI_HOOKS(tMMenuSelectQuit, tMMenuHrefSelect)

 public:
  tMMenuSelectQuit();
  void _action() override;
};

class tMMenuRemoveTitle : public tMMenuLabelRemove {
  VANDRELL_GUI_HOOKS(tMMenuRemoveTitle, tMMenuLabelRemove)

 public:
  tMMenuRemoveTitle();
};

// Removes the selected player with their saves, and no one else's.
class tMMenuRemoveYes : public tMMenuHrefRemove {
  VANDRELL_GUI_HOOKS(tMMenuRemoveYes, tMMenuHrefRemove)

 public:
  tMMenuRemoveYes();
  void _shown() override;
  void _action() override;
};

class tMMenuRemoveNo : public tMMenuHrefRemove {
  VANDRELL_GUI_HOOKS(tMMenuRemoveNo, tMMenuHrefRemove)

 public:
  tMMenuRemoveNo();
  void _action() override;
};

class tMMenuCreateTitle : public tMMenuLabelCreate {
  VANDRELL_GUI_HOOKS(tMMenuCreateTitle, tMMenuLabelCreate)

 public:
  tMMenuCreateTitle();
};

// The name being typed, followed by the caret. Letters and digits of Latin-1
// that the font can draw are taken, up to MAX_LENGTH of them; Backspace takes
// the last one back. The name is one for the whole menu, as only one is ever
// being typed.
class tMMenuCreateInput : public tMMenuLabelCreate {
  VANDRELL_GUI_HOOKS(tMMenuCreateInput, tMMenuLabelCreate, &tMMenuCreateInput::GUIMSG_KEYCHAR)

 public:
  static constexpr int32_t MAX_LENGTH = 20;
  static constexpr const char* _carriage = "_";

  tMMenuCreateInput();
  void _shown() override;
  virtual int32_t GUIMSG_KEYCHAR(vandrell::GUIMSG_KEYCHAR& msg);

  // Starts afresh with a suggested name, so a player with only a mouse can
  // go on; the first letter typed (or Backspace) replaces the whole of it.
  static void clear();
  // UTF-8.
  static const std::string& name() { return _name; }
  // The player typed and then erased everything.
  static int32_t isEmpty();
  // Another player bears the name, whatever the letter case.
  static int32_t isDuplicated();

 private:
  // Whether the name may hold the character.
  bool accepts(int32_t character) const;

  // The title's word for a player ("mmenuCreate"/"suggestion") with the
  // first number no other player's name bears; "" when the title has none.
  static std::string suggestion();
  static bool isTaken(const std::string& name);

  static std::string _name;
  static int32_t _edited;
  static int32_t _suggested;
};

// Enter confirms like a click, but only while the name is acceptable.
class tMMenuCreateYes : public tMMenuHrefCreate {
  VANDRELL_GUI_HOOKS(tMMenuCreateYes, tMMenuHrefCreate)

 public:
  tMMenuCreateYes();
  void _shown() override;
  void _action() override;
};

class tMMenuCreateNo : public tMMenuHrefCreate {
  VANDRELL_GUI_HOOKS(tMMenuCreateNo, tMMenuHrefCreate)

 public:
  tMMenuCreateNo();
  void _action() override;
};

class tMMenuCreateDuplicated : public tMMenuTextCreate {
  VANDRELL_GUI_HOOKS(tMMenuCreateDuplicated, tMMenuTextCreate)

 public:
  tMMenuCreateDuplicated();
  void _shown() override;
};

class tMMenuCreateEmpty : public tMMenuTextCreate {
  VANDRELL_GUI_HOOKS(tMMenuCreateEmpty, tMMenuTextCreate)

 public:
  tMMenuCreateEmpty();
  void _shown() override;
};

}  // namespace vandrell
