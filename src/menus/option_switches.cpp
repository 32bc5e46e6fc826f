#include "menus/option_switches.h"

#include "core/numeric.h"
#include "core/settings.h"

namespace vandrell {

tScreenSwitch SwitchScreen() {
  tSettings& settings = tSettings::Current();
  if (settings.FULLSCREEN) {
    // The graphics set-up turns a window as wide or as high as the desktop
    // back into full screen; tell the player instead of flickering.
    if (settings.WIDTH >= settings.DWIDTH || settings.HEIGHT >= settings.DHEIGHT) return SCREEN_WINDOW_TOO_BIG;
  } else if (settings.graphicsDepth(settings.WIDTH, settings.HEIGHT) == 0 &&
             settings.graphicsDepth(settings.HEIGHT, settings.WIDTH) != 0) {
    return SCREEN_ONLY_UPRIGHT;
  }
  settings.FULLSCREEN = settings.FULLSCREEN ? 0 : 1;
  settings.graphicsSetup();
  settings.saveConfig();
  return SCREEN_SWITCHED;
}

void SwitchPointer() {
  tSettings& settings = tSettings::Current();
  settings.HARDWARECURSOR = settings.HARDWARECURSOR ? 0 : 1;
  settings.saveConfig();
}

void StepVolume(float& volume, int32_t direction) {
  // Steps land on whole hundredths, so twenty steps down from 1 reach exactly
  // 0 (and the minus button greys out) instead of a float just above it.
  volume = clampf(0.0f, static_cast<float>(VolumePercent(volume) + 5 * direction) / 100.0f, 1.0f);
  tSettings::Current().saveConfig();
}

int32_t VolumePercent(float volume) { return roundi(volume * 100.0f); }

}  // namespace vandrell
