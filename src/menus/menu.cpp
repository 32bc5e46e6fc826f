#include "menus/menu.h"

#include "audio/audio.h"
#include "core/numeric.h"
#include "gui/input_messages.h"
#include "menus/menu_options.h"
#include "menus/menu_pages.h"
#include "platform/log.h"
#include "platform/process_wide.h"
#include "scene/mission_property.h"

namespace vandrell {

tMenuBg::tMenuBg() {
  hotspot(0.0f, 0.0f);
  move(0.0f, 0.0f, 0);
  resize(800.0f, 600.0f, 0);
  color()->SetRGBA(0.0f, 0.0f, 0.0f, 1.0f);
  keepHover(1);
  keepTreat(1);
}

int32_t tMenuBg::hovering(float x, float y) { return color()->a > 0.0f ? _hoveringRect(x, y) : 0; }

tMenu::tMenu() {
  for (const auto& pages : {_fEnable, _fDisable}) {
    pages->add<vandrell::M_MENU_NONE, vandrell::M_MENU_MAIN, M_MENU_OPTIONS, M_MENU_QUIT, M_MENU_FAIL, M_MENU_WINDOWED,
               M_MENU_ORIENTATION>();
  }
  _fEnable->add<GUIMSG_RENDER, vandrell::GUIMSG_UPDATE, GUIMSG_HOVER, GUIMSG_TREAT, GUIMSG_MOUSEDOWN, GUIMSG_MOUSEUP,
                GUIMSG_KEYDOWN>();
  filter(_fDisable);

  _bg->color()->SetA(0.0f);
  insert(_bg);
  InsertWidgets<tMenuClose, tMenuOptions, tMenuQuit>(*this);
  InsertWidgets<tMenuOptionsTitle, tMenuOptionsFullscreen, tMenuOptionsFullscreenSwitch, tMenuOptionsPointer,
            tMenuOptionsPointerSwitch, tMenuOptionsMusic, tMenuOptionsMusicVolume, tMenuOptionsMusicMinus,
            tMenuOptionsMusicPlus, tMenuOptionsSound, tMenuOptionsSoundVolume, tMenuOptionsSoundMinus,
            tMenuOptionsSoundPlus, tMenuOptionsClose>(*this);
  InsertWidgets<tMenuQuitTitle, tMenuQuitYes, tMenuQuitNo>(*this);
  InsertWidgets<tMenuFailTitle, tMenuFailComment, tMenuFailYes, tMenuFailNo>(*this);
  InsertWidgets<tMenuWindowedTitle, tMenuWindowedClose, tMenuOrientationTitle, tMenuOrientationClose>(*this);
  sendto(*this, vandrell::M_MENU_NONE{});
  hide();
}

tMenu& tMenu::Current() { return tProcessWide<tMenu>::get(); }

const std::shared_ptr<tMenu>& tMenu::shared() { return tProcessWide<tMenu>::shared(); }

void tMenu::logPage(const char* name) { DebugLog(std::string("In-game menu page ") + name + "."); }

void tMenu::fadeTo(std::unique_ptr<tGuiMessage> page, const char* name) {
  tMissionProperty& property = tMissionProperty::Current();
  if (property.isHolding()) property.hold(nullptr);
  _shadeTo = 1.0f;
  _showMessage = std::move(page);
  _showName = name;
}

void tMenu::show() { fadeTo<vandrell::M_MENU_MAIN>(); }

void tMenu::showFail() { fadeTo<M_MENU_FAIL>(); }

void tMenu::hide() {
  _shadeTo = 0.0f;
  tAudio::Current().pauseSound(0, owner());
  tAudio::Current().pauseMusic(0, owner());
  M_LEVEL_PAUSEOFF::send(owner());
  sendto(*this, vandrell::M_MENU_NONE{});
}

int32_t tMenu::isShow() const { return _shade > 0.0f || _shadeTo > 0.0f ? 1 : 0; }

int32_t tMenu::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  if (_shade == 0.0f && _shadeTo == 0.0f) return 0;
  const float was = _shade;
  _shade = approachf(_shade, _shadeTo, _shadeSpeed * msg.delta());
  if (was == 0.0f && _shade > 0.0f) filter(_fEnable);
  if (was > 0.0f && _shade == 0.0f) filter(_fDisable);
  if (was < 1.0f && _shade == 1.0f) {
    M_LEVEL_PAUSE::send(owner());
    tAudio::Current().pauseSound(1, owner());
    tAudio::Current().pauseMusic(1, owner());
    sendto(*this, vandrell::M_MENU_NONE{});
    if (_showMessage) {
      logPage(_showName);
      sendto(*this, *_showMessage);
    }
  }
  _bg->color()->SetA(_shade);
  return 0;
}

}  // namespace vandrell
