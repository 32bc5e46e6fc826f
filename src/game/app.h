// The application: the start-up sequence (per-user folder, archives, strings,
// profiles, options, command line, audio device, graphics mode), the glue
// between the frame loop and the GUI root, the developer overlay, the options
// file, and the suspend, resume and terminate notifications.
#pragma once

#include <cstdint>
#include <string>

#include "core/core.h"
#include "core/settings.h"
#include "platform/audio_device.h"
#include "platform/process_wide.h"
#include "platform/window.h"
#include "resources/config.h"

namespace vandrell {

class tAutomation;

// The application is also the run's settings object (core/settings.h), so
// the subsystems below it read the options without knowing the application.
class tApp : public tCore, public tSettings {
 public:
  static constexpr const char* TITLE = "Vandrell";
  // The folder under the per-user data root that holds our titles.
  static constexpr const char* COMPANY = "Quorvix";
  static const char* const VERSION;

  // What start-up insists on. The program stops with a message when its data
  // or the level given with "-l" is missing; tests of the start-up itself run
  // without any data.
  enum tChecks { CHECK_NOTHING, CHECK_DATA };

  // Runs the whole start-up sequence. `automation` (optional) is told about
  // every frame, so "-frames" and input replay work.
  explicit tApp(tAutomation* automation = nullptr, tChecks checks = CHECK_NOTHING);
  ~tApp() override;

  // The one application object; asking before it is built is a programming
  // error.
  static tApp& Current();

  virtual int32_t parsePaths();
  virtual int32_t parseArguments();
  virtual void graphicsInit();
  void graphicsSetup() override;
  virtual void audioInit();
  virtual void audioFinalize();
  virtual void validPaths();
  // Stop the program when the data or the level given with "-l" is missing.
  virtual void validData();
  virtual void validTestLevel();
  virtual void setupIcon();
  virtual void loadConfig();
  void saveConfig() override;
  virtual void counters();
  void minimize() override;
  virtual void restore();

  [[noreturn]] void run() override;
  void render() override;
  void event(const TEvent& ev) override;
  void update(float delta) override;
  void render2() override;
  void suspend() override;
  void resume() override;
  void terminate() override;
  void finalize() override;

  tConfig& config() { return _config; }
  const TGraphicsPtr& graphics() const { return _g; }
  int32_t pointerX() const { return _xPointer; }
  int32_t pointerY() const { return _yPointer; }
  // Null when the game runs without audio.
  const TAudioDevicePtr& audioDevice() const { return _alDevice; }

 protected:
  int32_t _xPointer = 0;
  int32_t _yPointer = 0;
  TGraphicsPtr _g;
  TAudioDevicePtr _alDevice;
  TAudioContextPtr _alContext;
  intptr_t _hwnd = 0;
  intptr_t _hinst = 0;
  tConfig _config;

 private:
  tAutomation* _automation;
  tChecks _checks;
  tCurrentScope<tSettings> _settingsScope{static_cast<tSettings&>(*this)};
  tCurrentScope<tApp> _appScope{*this};
};

}  // namespace vandrell
