#include "menus/mmenu_options.h"

#include "menus/mmenu.h"
#include "menus/option_switches.h"

namespace vandrell {

tMMenuOptionsTitle::tMMenuOptionsTitle() : tMMenuLabelOptions(MMenuString("menuOptions", "title"), 400, 380) {}

// The mark sits just left of its label, which is centred 10 units right of
// the middle.
tMMenuOptionsSwitch::tMMenuOptionsSwitch(const std::string& key, float v)
    : tMMenuHrefOptions("", 400.0f - static_cast<float>(MMenuFont("1t")->width(MMenuString("menuOptions", key))) / 2.0f,
                        v, "0t"),
      _key(key) {}

void tMMenuOptionsSwitch::_shown() { value(MMenuString("menuOptions", _key + (isOn() ? "On" : "Off"))); }

tMMenuOptionsFullscreen::tMMenuOptionsFullscreen()
    : tMMenuLabelOptions(MMenuString("menuOptions", "fullscreen"), 410, 415) {}

tMMenuOptionsFullscreenSwitch::tMMenuOptionsFullscreenSwitch() : tMMenuOptionsSwitch("fullscreen", 415) {}

int32_t tMMenuOptionsFullscreenSwitch::isOn() const { return tSettings::Current().FULLSCREEN != 0; }

void tMMenuOptionsFullscreenSwitch::_action() {
  switch (SwitchScreen()) {
    case SCREEN_WINDOW_TOO_BIG:
      tMMenu::Current().go<M_MMENU_WINDOWED>();
      break;
    case SCREEN_ONLY_UPRIGHT:
      tMMenu::Current().go<M_MMENU_ORIENTATION>();
      break;
    case SCREEN_SWITCHED:
      tMMenu::Current().refresh<M_MMENU_OPTIONS>();
      break;
  }
}

tMMenuOptionsPointer::tMMenuOptionsPointer() : tMMenuLabelOptions(MMenuString("menuOptions", "pointer"), 410, 445) {}

tMMenuOptionsPointerSwitch::tMMenuOptionsPointerSwitch() : tMMenuOptionsSwitch("pointer", 445) {}

int32_t tMMenuOptionsPointerSwitch::isOn() const { return tSettings::Current().HARDWARECURSOR != 0; }

void tMMenuOptionsPointerSwitch::_action() {
  SwitchPointer();
  tMMenu::Current().refresh<M_MMENU_OPTIONS>();
}

tMMenuOptionsVolume::tMMenuOptionsVolume(float v, float tSettings::*volume)
    : tMMenuLabelOptions("", 400, v), _volume(volume) {}

void tMMenuOptionsVolume::_shown() { value(std::to_string(VolumePercent(tSettings::Current().*_volume))); }

tMMenuOptionsVolumeStep::tMMenuOptionsVolumeStep(float v, int32_t direction, float tSettings::*volume)
    : tMMenuHrefOptions(MMenuString("menuOptions", direction < 0 ? "minus" : "plus"),
                        400.0f + 30.0f * static_cast<float>(direction), v, "0t"),
      _direction(direction),
      _volume(volume) {}

void tMMenuOptionsVolumeStep::_shown() {
  const float volume = tSettings::Current().*_volume;
  enable(_direction < 0 ? volume > 0.0f : volume < 1.0f);
}

void tMMenuOptionsVolumeStep::_action() {
  StepVolume(tSettings::Current().*_volume, _direction);
  tMMenu::Current().refresh<M_MMENU_OPTIONS>();
}

tMMenuOptionsMusic::tMMenuOptionsMusic() : tMMenuLabelOptions(MMenuString("menuOptions", "music"), 400, 475) {}

tMMenuOptionsMusicVolume::tMMenuOptionsMusicVolume() : tMMenuOptionsVolume(495, &tSettings::VOLUME_MUSIC) {}

tMMenuOptionsMusicMinus::tMMenuOptionsMusicMinus() : tMMenuOptionsVolumeStep(495, -1, &tSettings::VOLUME_MUSIC) {}

tMMenuOptionsMusicPlus::tMMenuOptionsMusicPlus() : tMMenuOptionsVolumeStep(495, 1, &tSettings::VOLUME_MUSIC) {}

tMMenuOptionsSound::tMMenuOptionsSound() : tMMenuLabelOptions(MMenuString("menuOptions", "sound"), 400, 515) {}

tMMenuOptionsSoundVolume::tMMenuOptionsSoundVolume() : tMMenuOptionsVolume(535, &tSettings::VOLUME_SOUND) {}

tMMenuOptionsSoundMinus::tMMenuOptionsSoundMinus() : tMMenuOptionsVolumeStep(535, -1, &tSettings::VOLUME_SOUND) {}

tMMenuOptionsSoundPlus::tMMenuOptionsSoundPlus() : tMMenuOptionsVolumeStep(535, 1, &tSettings::VOLUME_SOUND) {}

tMMenuOptionsClose::tMMenuOptionsClose() : tMMenuHrefOptions(MMenuString("menuOptions", "close"), 400, 570) {
  escape(KEY_CLICK);
}

void tMMenuOptionsClose::_action() { tMMenu::Current().go<M_MMENU_MAIN>(); }

tMMenuWindowedTitle::tMMenuWindowedTitle() : tMMenuTextWindowed(MMenuString("menuWindowed", "title"), 400, 470) {
  hotspot(0.5f, 1.0f);
}

tMMenuWindowedClose::tMMenuWindowedClose() : tMMenuHrefWindowed(MMenuString("menuWindowed", "close"), 400, 500) {
  enter(KEY_CLICK);
  escape(KEY_TAKE);
}

void tMMenuWindowedClose::_action() { tMMenu::Current().go<M_MMENU_OPTIONS>(); }

tMMenuOrientationTitle::tMMenuOrientationTitle()
    : tMMenuTextOrientation(MMenuString("menuOrientation", "title"), 400, 470) {
  hotspot(0.5f, 1.0f);
}

tMMenuOrientationClose::tMMenuOrientationClose()
    : tMMenuHrefOrientation(MMenuString("menuOrientation", "close"), 400, 500) {
  enter(KEY_CLICK);
  escape(KEY_TAKE);
}

void tMMenuOrientationClose::_action() { tMMenu::Current().go<M_MMENU_OPTIONS>(); }

}  // namespace vandrell
