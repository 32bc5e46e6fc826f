// The options page and its two notices, shared by both menus: full screen,
// the system pointer and the two volumes, each shown as it is now and changed
// at once. A menu family `F` gives the page its widget kinds, pages, fonts
// and rows:
//   tHrefOptions, tLabelOptions, tHrefWindowed, tTextWindowed,
//   tHrefOrientation, tTextOrientation   the widget kinds of those pages
//   MAIN, OPTIONS, WINDOWED, ORIENTATION  the page messages
//   SMALL, LABEL                          the switch font and the label font
//   LAYOUT                                the rows (tOptionsLayout)
//   go<Page>(), refresh<Page>()           page changes of the family's menu
#pragma once

#include <cstdint>
#include <string>

#include "core/settings.h"
#include "menus/option_switches.h"
#include "menus/page_widget.h"

namespace vandrell {

// The vertical places of the rows, in design units; the rows are centred at
// 400, the option labels 10 units right of it.
struct tOptionsLayout {
  float title;
  float fullscreen;
  float pointer;
  float music;
  float musicVolume;
  float sound;
  float soundVolume;
  float close;
  float noticeTitle;
  float noticeClose;
};

template <class F>
class tOptionsTitle : public F::tLabelOptions {
  using tBase = typename F::tLabelOptions;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsTitle, tBase)

 public:
  tOptionsTitle() : tBase(MMenuString("menuOptions", "title"), 400, F::LAYOUT.title) {}
};

// The label of an option ("menuOptions"/key).
template <class F>
class tOptionsName : public F::tLabelOptions {
  using tBase = typename F::tLabelOptions;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsName, tBase)

 public:
  tOptionsName(const std::string& key, float v) : tBase(MMenuString("menuOptions", key), 410, v) {}
};

// An on/off mark just left of its option's label; `key` names the label's
// text ("menuOptions"/key), and the mark reads key + "On" or key + "Off".
template <class F>
class tOptionsSwitch : public F::tHrefOptions {
  using tBase = typename F::tHrefOptions;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsSwitch, tBase)

 public:
  tOptionsSwitch(const std::string& key, float v)
      : tBase("", 400.0f - static_cast<float>(MMenuFont(F::LABEL)->width(MMenuString("menuOptions", key))) / 2.0f,
              v, F::SMALL),
        _key(key) {}
  void _shown() override { this->value(MMenuString("menuOptions", _key + (isOn() ? "On" : "Off"))); }
  virtual int32_t isOn() const = 0;

 private:
  std::string _key;
};

template <class F>
class tOptionsFullscreen : public tOptionsName<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsFullscreen, tOptionsName<F>)

 public:
  tOptionsFullscreen() : tOptionsName<F>("fullscreen", F::LAYOUT.fullscreen) {}
};

// Opens a notice instead when the other mode cannot be had.
template <class F>
class tOptionsFullscreenSwitch : public tOptionsSwitch<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsFullscreenSwitch, tOptionsSwitch<F>)

 public:
  tOptionsFullscreenSwitch() : tOptionsSwitch<F>("fullscreen", F::LAYOUT.fullscreen) {}
  int32_t isOn() const override { return tSettings::Current().FULLSCREEN != 0; }
  void _action() override {
    switch (SwitchScreen()) {
      case SCREEN_WINDOW_TOO_BIG:
        F::template go<typename F::WINDOWED>();
        break;
      case SCREEN_ONLY_UPRIGHT:
        F::template go<typename F::ORIENTATION>();
        break;
      case SCREEN_SWITCHED:
        F::template refresh<typename F::OPTIONS>();
        break;
    }
  }
};

template <class F>
class tOptionsPointer : public tOptionsName<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsPointer, tOptionsName<F>)

 public:
  tOptionsPointer() : tOptionsName<F>("pointer", F::LAYOUT.pointer) {}
};

template <class F>
class tOptionsPointerSwitch : public tOptionsSwitch<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsPointerSwitch, tOptionsSwitch<F>)

 public:
  tOptionsPointerSwitch() : tOptionsSwitch<F>("pointer", F::LAYOUT.pointer) {}
  int32_t isOn() const override { return tSettings::Current().HARDWARECURSOR != 0; }
  void _action() override {
    SwitchPointer();
    F::template refresh<typename F::OPTIONS>();
  }
};

// A volume in per cent.
template <class F>
class tOptionsVolume : public F::tLabelOptions {
  using tBase = typename F::tLabelOptions;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsVolume, tBase)

 public:
  tOptionsVolume(float v, float tSettings::*volume) : tBase("", 400, v), _volume(volume) {}
  void _shown() override { this->value(std::to_string(VolumePercent(tSettings::Current().*_volume))); }

 private:
  float tSettings::*_volume;
};

// One step of a volume down (direction -1) or up (1); greyed out at the end.
template <class F>
class tOptionsVolumeStep : public F::tHrefOptions {
  using tBase = typename F::tHrefOptions;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsVolumeStep, tBase)

 public:
  tOptionsVolumeStep(float v, int32_t direction, float tSettings::*volume)
      : tBase(MMenuString("menuOptions", direction < 0 ? "minus" : "plus"),
              400.0f + 30.0f * static_cast<float>(direction), v, F::SMALL),
        _direction(direction),
        _volume(volume) {}
  void _shown() override {
    const float volume = tSettings::Current().*_volume;
    this->enable(_direction < 0 ? volume > 0.0f : volume < 1.0f);
  }
  void _action() override {
    StepVolume(tSettings::Current().*_volume, _direction);
    F::template refresh<typename F::OPTIONS>();
  }

 private:
  int32_t _direction;
  float tSettings::*_volume;
};

template <class F>
class tOptionsMusic : public F::tLabelOptions {
  using tBase = typename F::tLabelOptions;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsMusic, tBase)

 public:
  tOptionsMusic() : tBase(MMenuString("menuOptions", "music"), 400, F::LAYOUT.music) {}
};

template <class F>
class tOptionsMusicVolume : public tOptionsVolume<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsMusicVolume, tOptionsVolume<F>)

 public:
  tOptionsMusicVolume() : tOptionsVolume<F>(F::LAYOUT.musicVolume, &tSettings::VOLUME_MUSIC) {}
};

template <class F>
class tOptionsMusicMinus : public tOptionsVolumeStep<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsMusicMinus, tOptionsVolumeStep<F>)

 public:
  tOptionsMusicMinus() : tOptionsVolumeStep<F>(F::LAYOUT.musicVolume, -1, &tSettings::VOLUME_MUSIC) {}
};

template <class F>
class tOptionsMusicPlus : public tOptionsVolumeStep<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsMusicPlus, tOptionsVolumeStep<F>)

 public:
  tOptionsMusicPlus() : tOptionsVolumeStep<F>(F::LAYOUT.musicVolume, 1, &tSettings::VOLUME_MUSIC) {}
};

template <class F>
class tOptionsSound : public F::tLabelOptions {
  using tBase = typename F::tLabelOptions;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsSound, tBase)

 public:
  tOptionsSound() : tBase(MMenuString("menuOptions", "sound"), 400, F::LAYOUT.sound) {}
};

template <class F>
class tOptionsSoundVolume : public tOptionsVolume<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsSoundVolume, tOptionsVolume<F>)

 public:
  tOptionsSoundVolume() : tOptionsVolume<F>(F::LAYOUT.soundVolume, &tSettings::VOLUME_SOUND) {}
};

template <class F>
class tOptionsSoundMinus : public tOptionsVolumeStep<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsSoundMinus, tOptionsVolumeStep<F>)

 public:
  tOptionsSoundMinus() : tOptionsVolumeStep<F>(F::LAYOUT.soundVolume, -1, &tSettings::VOLUME_SOUND) {}
};

template <class F>
class tOptionsSoundPlus : public tOptionsVolumeStep<F> {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsSoundPlus, tOptionsVolumeStep<F>)

 public:
  tOptionsSoundPlus() : tOptionsVolumeStep<F>(F::LAYOUT.soundVolume, 1, &tSettings::VOLUME_SOUND) {}
};

template <class F>
class tOptionsClose : public F::tHrefOptions {
  using tBase = typename F::tHrefOptions;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsClose, tBase)

 public:
  tOptionsClose() : tBase(MMenuString("menuOptions", "close"), 400, F::LAYOUT.close) {
    this->escape(tBase::KEY_CLICK);
  }
  void _action() override { F::template go<typename F::MAIN>(); }
};

// A notice of the options page: its text, and the button back to the page.
// Enter closes the notice; Escape does nothing here, rather than acting on
// the page behind it.
template <class Text, class F>
class tOptionsNoticeTitle : public Text {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsNoticeTitle, Text)

 public:
  explicit tOptionsNoticeTitle(const std::string& section)
      : Text(MMenuString(section, "title"), 400, F::LAYOUT.noticeTitle) {
    this->hotspot(0.5f, 1.0f);
  }
};

template <class Href, class F>
class tOptionsNoticeClose : public Href {
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsNoticeClose, Href)

 public:
  explicit tOptionsNoticeClose(const std::string& section)
      : Href(MMenuString(section, "close"), 400, F::LAYOUT.noticeClose) {
    this->enter(Href::KEY_CLICK);
    this->escape(Href::KEY_TAKE);
  }
  void _action() override { F::template go<typename F::OPTIONS>(); }
};

template <class F>
class tOptionsWindowedTitle : public tOptionsNoticeTitle<typename F::tTextWindowed, F> {
  using tBase = tOptionsNoticeTitle<typename F::tTextWindowed, F>;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsWindowedTitle, tBase)

 public:
  tOptionsWindowedTitle() : tBase("menuWindowed") {}
};

template <class F>
class tOptionsWindowedClose : public tOptionsNoticeClose<typename F::tHrefWindowed, F> {
  using tBase = tOptionsNoticeClose<typename F::tHrefWindowed, F>;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsWindowedClose, tBase)

 public:
  tOptionsWindowedClose() : tBase("menuWindowed") {}
};

template <class F>
class tOptionsOrientationTitle : public tOptionsNoticeTitle<typename F::tTextOrientation, F> {
  using tBase = tOptionsNoticeTitle<typename F::tTextOrientation, F>;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsOrientationTitle, tBase)

 public:
  tOptionsOrientationTitle() : tBase("menuOrientation") {}
};

template <class F>
class tOptionsOrientationClose : public tOptionsNoticeClose<typename F::tHrefOrientation, F> {
  using tBase = tOptionsNoticeClose<typename F::tHrefOrientation, F>;
  VANDRELL_GUI_TEMPLATE_HOOKS(tOptionsOrientationClose, tBase)

 public:
  tOptionsOrientationClose() : tBase("menuOrientation") {}
};

}  // namespace vandrell
