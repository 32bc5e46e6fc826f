#include "menus/mmenu_link.h"

#include "core/settings.h"
#include "menus/mmenu.h"
#include "platform/shell.h"
#include "scene/pic.h"
#include "scene/pic_property.h"

namespace vandrell {

tMMenuZebUrl::tMMenuZebUrl() : tMMenuHrefZeb(MMenuString("mmenuZeb", "url"), 400, 300) {}

void tMMenuZebUrl::_shown() {
  const std::shared_ptr<tPic> plaque = M_PIC_FIND::ask("__zeburl");
  if (!plaque) return;
  // Where the plaque is drawn: the scene lies the origin offset away from
  // the screen.
  const tPicProperty& scene = tPicProperty::Current();
  move(plaque->zeb_property_x() + static_cast<float>(scene.offsetX()),
       plaque->zeb_property_y() + static_cast<float>(scene.offsetY()), 0);
}

void tMMenuZebUrl::_action() {
  tSettings::Current().minimize();
  OpenURL(MMenuString("url", "zeb"));
}

tMMenuZebClose::tMMenuZebClose() : tMMenuHrefZeb(MMenuString("mmenuZeb", "close"), 400, 550) { escape(KEY_CLICK); }

void tMMenuZebClose::_action() {
  M_COMMAND_NEXTCALL::send("__zeboff");
  tMMenu::Current().go<M_MMENU_MAIN>();
}

}  // namespace vandrell
