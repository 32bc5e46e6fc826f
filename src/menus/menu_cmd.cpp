#include "menus/menu_cmd.h"

#include <string>

#include "audio/audio.h"
#include "core/numeric.h"
#include "menus/menu.h"
#include "menus/page_widget.h"
#include "platform/log.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"

namespace vandrell {

namespace {

constexpr int32_t KEY_ESCAPE = 27;

// A picture of the tab at its natural size, its top-right corner at (h, v)
// from the tab's top-right corner.
void placePicture(tGuiPicture& picture, const std::string& url, int32_t flags, float h, float v) {
  if (const TPixmapPtr pixels = tFile::Current().pixmap(url, rmDefault())) picture.pixmap(pixels, flags);
  picture.resetScale();
  picture.hotspot(1.0f, 0.0f);
  picture.move(h, v, 0);
}

}  // namespace

tMenuCmd::tMenuCmd() {
  keepHover(1);
  keepTreat(1);
  // The pieces are placed from the tab's top-right corner, which stands at
  // (0, 0) until the tab moves into the screen's corner.
  hotspot(1.0f, 0.0f);
  placePicture(*_border, "data/menu_border.png", FILTEREDIMAGE, 0.0f, 0.0f);
  placePicture(*_bg, "data/menu_bg.png", -1, 0.0f, 0.0f);
  placePicture(*_bg2, "data/menu_bg2.png", -1, -30.0f, -5.0f);
  _bg2->anchorPosition(ANCHOR_END, ANCHOR_START);
  _title->letter(MMenuFont("1"), -1);
  _title->value(MMenuString("menu", "button"));
  _title->hotspot(0.5f, 0.5f);
  _title->move(-38.0f, 13.0f, 0);
  _title->anchorPosition(ANCHOR_END, ANCHOR_START);
  _title->color()->Set(*_ncolor);
  for (const auto& piece : {std::static_pointer_cast<tGuiRect>(_border), std::static_pointer_cast<tGuiRect>(_bg),
                            std::static_pointer_cast<tGuiRect>(_bg2), std::static_pointer_cast<tGuiRect>(_title)}) {
    piece->anchorSize(ANCHOR_START, ANCHOR_START);
    set()->insert(piece);
  }
  move(800.0f, 0.0f, 0);
  resize(80.0f, 30.0f, 0);
  hide();
}

tMenuCmd& tMenuCmd::Current() { return tProcessWide<tMenuCmd>::get(); }

const std::shared_ptr<tMenuCmd>& tMenuCmd::shared() { return tProcessWide<tMenuCmd>::shared(); }

int32_t tMenuCmd::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  const bool lit = isTreat() != 0;
  _borderScale = approachf(_borderScale, lit ? _borderMin : _borderMax, _borderSpeed * msg.delta());
  _title->color()->Set(lit ? *_hcolor : *_ncolor);
  _border->resize(_border->lPixmap() * _borderScale, _border->tPixmap() * _borderScale, 0);
  return 0;
}

int32_t tMenuCmd::GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg) {
  if (msg.key() != 1 || !isTreat()) return 0;
  msg.out(shared_from_this());
  toggle();
  tAudio::Current().shout_click();
  return 0;
}

int32_t tMenuCmd::GUIMSG_KEYDOWN(vandrell::GUIMSG_KEYDOWN& msg) {
  if (!isShow() || msg.key() != KEY_ESCAPE || msg.checkOut().has_value()) return 0;
  msg.out(shared_from_this());
  DebugLog(tMenu::Current().isShow() ? "Escape closes the in-game menu." : "Escape opens the in-game menu.");
  toggle();
  return 0;
}

void tMenuCmd::treat(const std::shared_ptr<tGuiHoverable>&) { tAudio::Current().shout_treat(); }

void tMenuCmd::show() {
  set()->filter(nullptr);
  visible(1);
}

void tMenuCmd::hide() {
  set()->filter(_hidden);
  visible(0);
}

void tMenuCmd::toggle() {
  tMenu& menu = tMenu::Current();
  if (menu.isShow()) {
    menu.hide();
  } else {
    menu.show();
  }
}

}  // namespace vandrell
