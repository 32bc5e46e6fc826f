// The options a player changes in the menus. Each change takes effect at once
// (the audio reads the volumes every frame, the cursor its kind) and is
// written to the options file at once, so it survives a crash.
#pragma once

#include <cstdint>

namespace vandrell {

// Why the screen mode stayed as it was.
enum tScreenSwitch {
  SCREEN_SWITCHED,
  // A window of the game's size would not fit on the desktop.
  SCREEN_WINDOW_TOO_BIG,
  // The display offers the game's size only turned upright.
  SCREEN_ONLY_UPRIGHT,
};

// Full screen to a window or back, when the new mode can be had.
tScreenSwitch SwitchScreen();
// The system's pointer instead of the drawn cursor, or back.
void SwitchPointer();
// One step of 0.05 up (direction 1) or down (-1), within 0 to 1, of one of
// the settings' volumes.
void StepVolume(float& volume, int32_t direction);
// A volume as the menus show it, 0 to 100.
int32_t VolumePercent(float volume);

}  // namespace vandrell
