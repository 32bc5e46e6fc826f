#include "menus/mmenu_widget.h"

#include "audio/audio.h"
#include "resources/media_lookup.h"
#include "resources/strings.h"

namespace vandrell {

namespace {
constexpr int32_t KEY_ESCAPE = 27;
constexpr int32_t KEY_ENTER = 13;
}  // namespace

std::string MMenuString(const std::string& section, const std::string& key) {
  return tStrings::Current().get(section, key);
}

tLetterPtr MMenuFont(const std::string& name) { return tFile::Current().letter("data/" + name + "/font", rmDefault()); }

tMMenuHref::tMMenuHref(const std::string& text, float h, float v, const std::string& font) {
  place(font, text, h, v);
  ncolor()->SetRGB(0.7f, 0.5f, 1.0f);
  dcolor()->SetRGB(0.3f, 0.3f, 0.3f);
}

int32_t tMMenuHref::GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg) {
  if (!isVisible() || msg.checkOut().has_value()) return 0;
  const tKeyRole role = msg.key() == KEY_ESCAPE ? _escape : msg.key() == KEY_ENTER ? _enter : KEY_NONE;
  if (role == KEY_NONE) return 0;
  msg.out(shared_from_this());
  // A greyed-out button takes its key but does not act, as it would not
  // for the mouse.
  if (role == KEY_CLICK && isEnable()) click(1);
  return 0;
}

void tMMenuHref::treat(const std::shared_ptr<tGuiHoverable>&) { tAudio::Current().shout_treat(); }

void tMMenuHref::click(int32_t button) {
  if (button == 1) {
    M_COMMAND_NEXTCALL::send("__click");
    tAudio::Current().shout_click();
  }
  _click(button);
}

void tMMenuHref::_click(int32_t button) {
  if (button == 1) _action();
}

tMMenuLabel::tMMenuLabel(const std::string& text, float h, float v, const std::string& font) {
  place(font, text, h, v);
}

tMMenuText::tMMenuText(const std::string& lines, float h, float v) {
  place("2t", "", h, v);
  resize(400.0f, 0.0f, 0);
  align(2);
  clearlines();
  string2lines(lines, "\\n");
}

}  // namespace vandrell
