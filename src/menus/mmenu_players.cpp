#include "menus/mmenu_players.h"

#include "gui/formatter.h"
#include "gui/key_catcher.h"
#include "menus/mmenu.h"
#include "platform/text_stream.h"
#include "resources/profile.h"
#include "resources/strings.h"

namespace vandrell {

namespace {

constexpr int32_t BACKSPACE = 8;
constexpr uint32_t MULTIPLICATION_SIGN = 0xD7;
constexpr uint32_t DIVISION_SIGN = 0xF7;

bool inRange(uint32_t c, uint32_t first, uint32_t last) { return c >= first && c <= last; }

// Digits and letters, the accented letters of Latin-1 included.
bool isNameCharacter(uint32_t c) {
  if (inRange(c, '0', '9') || inRange(c, 'A', 'Z') || inRange(c, 'a', 'z')) return true;
  return inRange(c, 0xC0, 0xFF) && c != MULTIPLICATION_SIGN && c != DIVISION_SIGN;
}

uint32_t lowerCase(uint32_t c) {
  const bool upper = inRange(c, 'A', 'Z') || (inRange(c, 0xC0, 0xDE) && c != MULTIPLICATION_SIGN);
  return upper ? c + 32 : c;
}

std::string lowerCase(const std::string& text) {
  std::string lower;
  for (size_t i = 0; i < text.size();) AppendUtf8(lower, lowerCase(DecodeUtf8(text, i)));
  return lower;
}

int32_t characterCount(const std::string& text) {
  int32_t count = 0;
  for (size_t i = 0; i < text.size(); ++count) DecodeUtf8(text, i);
  return count;
}

// Drops the last character with every byte of its UTF-8 sequence.
void dropLastCharacter(std::string& text) {
  while (!text.empty() && (static_cast<uint8_t>(text.back()) & 0xC0) == 0x80) text.pop_back();
  if (!text.empty()) text.pop_back();
}

}  // namespace

tMMenuSelectTitle::tMMenuSelectTitle() : tMMenuLabelSelect(MMenuString("mmenuSelect", "title"), 400, 400) {}

void tMMenuSelectTitle::_shown() { tProfile::Current().user(0); }

tMMenuSelectComment::tMMenuSelectComment()
    : tMMenuLabelSelect(MMenuString("mmenuSelect", "comment"), 400, 415, "2t") {}

tMMenuSelectSlot::tMMenuSelectSlot(int32_t slot)
    : tMMenuHrefSelect("", 400, 425.0f + 25.0f * static_cast<float>(slot)), _user(slot) {}

void tMMenuSelectSlot::_shown() {
  tProfile& profile = tProfile::Current();
  value(profile.isPlayer(_user) ? profile.getName(_user) : MMenuString("mmenuSelect", "empty"));
}

void tMMenuSelectSlot::_click(int32_t button) {
  tProfile& profile = tProfile::Current();
  tMMenu& menu = tMMenu::Current();
  if (button == 2 || (button == 1 && tGuiKeyCatcher::Current().sysPressed())) {
    if (!profile.isPlayer(_user)) return;
    profile.user(_user);
    menu.go<M_MMENU_REMOVE>();
  } else if (button == 1) {
    profile.user(_user);
    if (profile.isPlayer(_user)) {
      M_COMMAND_NEXTCALL::send("__profile");
      menu.go<M_MMENU_MAIN>();
    } else {
      tMMenuCreateInput::clear();
      menu.go<M_MMENU_CREATE>();
    }
  }
}

tMMenuSelectQuit::tMMenuSelectQuit() : tMMenuHrefSelect(MMenuString("mmenu", "quit"), 400, 540) {}

void tMMenuSelectQuit::_action() { tMMenu::Current().go<M_MMENU_QUIT>(); }

tMMenuRemoveTitle::tMMenuRemoveTitle() : tMMenuLabelRemove(MMenuString("mmenuRemove", "title"), 400, 430) {}

tMMenuRemoveYes::tMMenuRemoveYes() : tMMenuHrefRemove("", 400, 470) {}

void tMMenuRemoveYes::_shown() {
  value(tSf::Create(MMenuString("mmenuRemove", "yes")).s(tProfile::Current().getName(0)).sf());
}

void tMMenuRemoveYes::_action() {
  tProfile& profile = tProfile::Current();
  profile.removePlayer();
  profile.saveProfile();
  tMMenu::Current().go<M_MMENU_SELECT>();
}

tMMenuRemoveNo::tMMenuRemoveNo() : tMMenuHrefRemove(MMenuString("mmenuRemove", "no"), 400, 510) {
  escape(KEY_CLICK);
}

void tMMenuRemoveNo::_action() {
  tProfile::Current().user(0);
  tMMenu::Current().go<M_MMENU_SELECT>();
}

tMMenuCreateTitle::tMMenuCreateTitle() : tMMenuLabelCreate(MMenuString("mmenuCreate", "title"), 400, 430) {}

std::string tMMenuCreateInput::_name;
int32_t tMMenuCreateInput::_edited = 0;
int32_t tMMenuCreateInput::_suggested = 0;

tMMenuCreateInput::tMMenuCreateInput() : tMMenuLabelCreate(_carriage, 400, 470) {}

void tMMenuCreateInput::_shown() { value(_name + _carriage); }

int32_t tMMenuCreateInput::GUIMSG_KEYCHAR(vandrell::GUIMSG_KEYCHAR& msg) {
  if (!isVisible()) return 0;
  const int32_t character = msg.character();
  if (_suggested && (character == BACKSPACE || accepts(character))) {
    _name.clear();
    _suggested = 0;
    _edited = 1;
    if (character == BACKSPACE) {
      tMMenu::Current().refresh<M_MMENU_CREATE>();
      return 0;
    }
  }
  if (character == BACKSPACE && !_name.empty()) {
    dropLastCharacter(_name);
  } else if (characterCount(_name) < MAX_LENGTH && accepts(character)) {
    AppendUtf8(_name, static_cast<uint32_t>(character));
    _edited = 1;
  } else {
    return 0;
  }
  tMMenu::Current().refresh<M_MMENU_CREATE>();
  return 0;
}

bool tMMenuCreateInput::accepts(int32_t character) const {
  return character > 0 && isNameCharacter(static_cast<uint32_t>(character)) && _letter &&
         _letter->alpha(character) != nullptr;
}

void tMMenuCreateInput::clear() {
  _name = suggestion();
  _suggested = _name.empty() ? 0 : 1;
  _edited = 0;
}

std::string tMMenuCreateInput::suggestion() {
  if (!tStrings::Current().contains("mmenuCreate", "suggestion")) return "";
  const std::string word = MMenuString("mmenuCreate", "suggestion");
  for (int32_t n = 1;; ++n) {
    const std::string name = word + std::to_string(n);
    if (!isTaken(name)) return name;
  }
}

int32_t tMMenuCreateInput::isEmpty() { return _edited && _name.empty() ? 1 : 0; }

int32_t tMMenuCreateInput::isDuplicated() { return isTaken(_name) ? 1 : 0; }

bool tMMenuCreateInput::isTaken(const std::string& name) {
  if (name.empty()) return false;
  const std::string lower = lowerCase(name);
  for (int32_t slot = 1; slot <= 3; ++slot) {
    if (lowerCase(tProfile::Current().getName(slot)) == lower) return true;
  }
  return false;
}

tMMenuCreateYes::tMMenuCreateYes() : tMMenuHrefCreate(MMenuString("mmenuCreate", "yes"), 370, 540) {
  hotspot(1.0f, 0.5f);
  enter(KEY_CLICK);
}

void tMMenuCreateYes::_shown() {
  enable(!tMMenuCreateInput::name().empty() && !tMMenuCreateInput::isDuplicated() ? 1 : 0);
}

void tMMenuCreateYes::_action() {
  tProfile& profile = tProfile::Current();
  profile.createPlayer(tMMenuCreateInput::name());
  profile.saveProfile();
  M_COMMAND_NEXTCALL::send("__profile");
  tMMenu::Current().go<M_MMENU_MAIN>();
}

tMMenuCreateNo::tMMenuCreateNo() : tMMenuHrefCreate(MMenuString("mmenuCreate", "no"), 430, 540) {
  hotspot(0.0f, 0.5f);
  escape(KEY_CLICK);
}

void tMMenuCreateNo::_action() { tMMenu::Current().go<M_MMENU_SELECT>(); }

tMMenuCreateDuplicated::tMMenuCreateDuplicated()
    : tMMenuTextCreate(MMenuString("mmenuCreate", "duplicated"), 400, 500) {}

void tMMenuCreateDuplicated::_shown() { visible(tMMenuCreateInput::isDuplicated()); }

tMMenuCreateEmpty::tMMenuCreateEmpty() : tMMenuTextCreate(MMenuString("mmenuCreate", "empty"), 400, 500) {}

void tMMenuCreateEmpty::_shown() { visible(tMMenuCreateInput::isEmpty()); }

}  // namespace vandrell
