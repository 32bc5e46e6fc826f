// The options page and its two notices: full screen, the system pointer and
// the two volumes, each shown as it is now and changed at once.
#pragma once

#include <cstdint>
#include <string>

#include "core/settings.h"
#include "menus/mmenu_widget.h"

namespace vandrell {

class tMMenuOptionsTitle : public tMMenuLabelOptions {
  VANDRELL_GUI_HOOKS(tMMenuOptionsTitle, tMMenuLabelOptions)

 public:
  tMMenuOptionsTitle();
};

// An on/off mark left of its option's label; `key` names the label's text
// ("menuOptions"/key), and the mark reads key + "On" or key + "Off".
class tMMenuOptionsSwitch : public tMMenuHrefOptions {
  VANDRELL_GUI_HOOKS(tMMenuOptionsSwitch, tMMenuHrefOptions)

 public:
  tMMenuOptionsSwitch(const std::string& key, float v);
  void _shown() override;
  virtual int32_t isOn() const = 0;

 private:
  std::string _key;
};

class tMMenuOptionsFullscreen : public tMMenuLabelOptions {
  VANDRELL_GUI_HOOKS(tMMenuOptionsFullscreen, tMMenuLabelOptions)

 public:
  tMMenuOptionsFullscreen();
};

// Opens a notice instead when the other mode cannot be had.
class tMMenuOptionsFullscreenSwitch : public tMMenuOptionsSwitch {
  VANDRELL_GUI_HOOKS(tMMenuOptionsFullscreenSwitch, tMMenuOptionsSwitch)

 public:
  tMMenuOptionsFullscreenSwitch();
  int32_t isOn() const override;
  void _action() override;
};

class tMMenuOptionsPointer : public tMMenuLabelOptions {
  VANDRELL_GUI_HOOKS(tMMenuOptionsPointer, tMMenuLabelOptions)

 public:
  tMMenuOptionsPointer();
};

class tMMenuOptionsPointerSwitch : public tMMenuOptionsSwitch {
  VANDRELL_GUI_HOOKS(tMMenuOptionsPointerSwitch, tMMenuOptionsSwitch)

 public:
  tMMenuOptionsPointerSwitch();
  int32_t isOn() const override;
  void _action() override;
};

// A volume in per cent.
class tMMenuOptionsVolume : public tMMenuLabelOptions {
  VANDRELL_GUI_HOOKS(tMMenuOptionsVolume, tMMenuLabelOptions)

 public:
  tMMenuOptionsVolume(float v, float tSettings::*volume);
  void _shown() override;

 private:
  float tSettings::*_volume;
};

// One step of a volume down (direction -1) or up (1); greyed out at the end.
class tMMenuOptionsVolumeStep : public tMMenuHrefOptions {
  VANDRELL_GUI_HOOKS(tMMenuOptionsVolumeStep, tMMenuHrefOptions)

 public:
  tMMenuOptionsVolumeStep(float v, int32_t direction, float tSettings::*volume);
  void _shown() override;
  void _action() override;

 private:
  int32_t _direction;
  float tSettings::*_volume;
};

class tMMenuOptionsMusic : public tMMenuLabelOptions {
  VANDRELL_GUI_HOOKS(tMMenuOptionsMusic, tMMenuLabelOptions)

 public:
  tMMenuOptionsMusic();
};

class tMMenuOptionsMusicVolume : public tMMenuOptionsVolume {
  VANDRELL_GUI_HOOKS(tMMenuOptionsMusicVolume, tMMenuOptionsVolume)

 public:
  tMMenuOptionsMusicVolume();
};

class tMMenuOptionsMusicMinus : public tMMenuOptionsVolumeStep {
  VANDRELL_GUI_HOOKS(tMMenuOptionsMusicMinus, tMMenuOptionsVolumeStep)

 public:
  tMMenuOptionsMusicMinus();
};

class tMMenuOptionsMusicPlus : public tMMenuOptionsVolumeStep {
  VANDRELL_GUI_HOOKS(tMMenuOptionsMusicPlus, tMMenuOptionsVolumeStep)

 public:
  tMMenuOptionsMusicPlus();
};

class tMMenuOptionsSound : public tMMenuLabelOptions {
  VANDRELL_GUI_HOOKS(tMMenuOptionsSound, tMMenuLabelOptions)

 public:
  tMMenuOptionsSound();
};

class tMMenuOptionsSoundVolume : public tMMenuOptionsVolume {
  VANDRELL_GUI_HOOKS(tMMenuOptionsSoundVolume, tMMenuOptionsVolume)

 public:
  tMMenuOptionsSoundVolume();
};

class tMMenuOptionsSoundMinus : public tMMenuOptionsVolumeStep {
  VANDRELL_GUI_HOOKS(tMMenuOptionsSoundMinus, tMMenuOptionsVolumeStep)

 public:
  tMMenuOptionsSoundMinus();
};

class tMMenuOptionsSoundPlus : public tMMenuOptionsVolumeStep {
  VANDRELL_GUI_HOOKS(tMMenuOptionsSoundPlus, tMMenuOptionsVolumeStep)

 public:
  tMMenuOptionsSoundPlus();
};

class tMMenuOptionsClose : public tMMenuHrefOptions {
  VANDRELL_GUI_HOOKS(tMMenuOptionsClose, tMMenuHrefOptions)

 public:
  tMMenuOptionsClose();
  void _action() override;
};

class tMMenuWindowedTitle : public tMMenuTextWindowed {
  VANDRELL_GUI_HOOKS(tMMenuWindowedTitle, tMMenuTextWindowed)

 public:
  tMMenuWindowedTitle();
};

// Enter closes the notice; Escape does nothing here, rather than opening
// the quit page behind it.
class tMMenuWindowedClose : public tMMenuHrefWindowed {
  VANDRELL_GUI_HOOKS(tMMenuWindowedClose, tMMenuHrefWindowed)

 public:
  tMMenuWindowedClose();
  void _action() override;
};

class tMMenuOrientationTitle : public tMMenuTextOrientation {
  VANDRELL_GUI_HOOKS(tMMenuOrientationTitle, tMMenuTextOrientation)

 public:
  tMMenuOrientationTitle();
};

class tMMenuOrientationClose : public tMMenuHrefOrientation {
  VANDRELL_GUI_HOOKS(tMMenuOrientationClose, tMMenuHrefOrientation)

 public:
  tMMenuOrientationClose();
  void _action() override;
};

}  // namespace vandrell
