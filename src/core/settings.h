// The settings a run starts with: the options file, then the command line,
// and the few application services the subsystems below the game call (the
// options menus switch the screen mode and write the options file; a web link
// minimises the window; a script ends the game). The application object fills the settings during
// start-up and is the current settings object from then on; before that (and
// in tests) a default one stands in, whose services do nothing.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window.h"

namespace vandrell {

class tSettings {
 public:
  virtual ~tSettings() = default;

  static tSettings& Current();

  std::string USER_PATH;
  int32_t MAX2DDRIVER = GFXDRIVER_DIRECTX9;
  int32_t WIDTH = 800;
  int32_t HEIGHT = 600;
  int32_t FULLSCREEN = 0;
  int32_t MINIMIZED = 0;
  int32_t VSYNC = 0;
  int32_t FPS = 60;
  int32_t ESC_ON = 0;
  int32_t OSD_ON = 0;
  int32_t AUDIO_ON = 1;
  int32_t MUSIC_ON = 1;
  int32_t PAK_ON = 1;
  int32_t HARDWARECURSOR = 0;
  float VOLUME_MUSIC = 1.0f;
  float VOLUME_SOUND = 1.0f;
  int32_t DWIDTH = 0;
  int32_t DHEIGHT = 0;
  std::string TEST_LEVEL;

  // Level data counts time in ticks of 1/50 s and speeds per tick.
  virtual float inc2period(float n) { return n / static_cast<float>(_ips); }
  virtual float inc2speed(float n) { return n * static_cast<float>(_ips); }

  // Recreates the graphics context for WIDTH, HEIGHT and FULLSCREEN.
  virtual void graphicsSetup() {}
  // The first of 32, 24, 16 bits at which the display offers exactly this
  // size, 0 when none does.
  virtual int32_t graphicsDepth(int32_t width, int32_t height) { return graphicsDepth(GraphicsModes(), width, height); }
  static int32_t graphicsDepth(const std::vector<TGraphicsMode>& modes, int32_t width, int32_t height);
  // Writes the options file.
  virtual void saveConfig() {}
  virtual void minimize() {}
  // Closes the program as closing its window does.
  virtual void terminate() {}

 protected:
  int32_t _ips = 50;
};

}  // namespace vandrell
