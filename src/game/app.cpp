#include "game/app.h"

#include <cstdio>
#include <stdexcept>

#include "core/automation.h"
#include "core/numeric.h"
#include "core/switches.h"
#include "core/screen.h"
#include "gui/app_messages.h"
#include "gui/color.h"
#include "gui/formatter.h"
#include "gui/gui.h"
#include "gui/hover_catchers.h"
#include "gui/hoverable.h"
#include "platform/audio_device.h"
#include "platform/clock.h"
#include "platform/draw.h"
#include "platform/event.h"
#include "platform/filesystem.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/log.h"
#include "platform/process.h"
#include "platform/random.h"
#include "platform/safe_file.h"
#include "platform/shell.h"
#include "platform/text_stream.h"
#include "platform/user_folder.h"
#include "platform/window_icon.h"
#include "resources/campaign.h"
#include "resources/media_lookup.h"
#include "resources/profile.h"
#include "resources/strings.h"
#include "scene/particle_manager.h"
#include "script/expr.h"

namespace vandrell {

namespace {

// Command-line values convert exactly as the options file's do.
int32_t switchInt(const std::string& text) {
  tConfig scratch;
  scratch.Set("", "value", text);
  return scratch.GetInt("", "value", 0);
}

float switchFloat(const std::string& text) {
  tConfig scratch;
  scratch.Set("", "value", text);
  return scratch.GetFloat("", "value", 0.0f);
}

}  // namespace

const char* const tApp::VERSION = VANDRELL_VERSION;

tApp& tApp::Current() {
  return tProcessWide<tApp>::get([]() -> std::shared_ptr<tApp> {
    throw std::logic_error("the application object is asked for before it exists");
  });
}

tApp::tApp(tAutomation* automation, tChecks checks) : _automation(automation), _checks(checks) {
  USER_PATH = DefaultUserPath(COMPANY, TITLE);
  SeedRnd(Milliseconds());
  SetAppTitle(tSf::Create("%s").s(TITLE).sf());
  parsePaths();
  validPaths();
  tFile& media = tFile::Current();
  media.loadLocale();
  if (PAK_ON) media.loadPak();
  validData();
  tStrings::Current().loadStrings();
  tProfile::Current().loadProfile(USER_PATH);
  loadConfig();
  parseArguments();
  validTestLevel();
  DWIDTH = DesktopWidth();
  DHEIGHT = DesktopHeight();
  audioInit();
  graphicsInit();
  // The units set up after the application: the campaign needs the
  // archives and the "-l" switch.
  tCampaign::Current().loadCampaign(TEST_LEVEL);
  if (_automation) _automation->start(trunci(pacedFps()));
}

tApp::~tApp() {
  if (_g) CloseGraphics(_g);
  if (_alContext && &TAudioContext::Current() == _alContext.get()) TAudioContext::ClearCurrent();
}

int32_t tApp::parsePaths() {
  tSwitches::Scan(AppArgs(), tSwitch::PATHS, [this](const std::string& name, const std::string& value) {
    if (name == "-user") {
      USER_PATH = value;
    } else if (name == "-pak") {
      PAK_ON = switchInt(value);
    }
  });
  return 0;
}

int32_t tApp::parseArguments() {
  tSwitches::Scan(AppArgs(), tSwitch::OPTIONS, [this](const std::string& name, const std::string& value) {
    if (name == "-q") {
      ESC_ON = 1;
    } else if (name == "-o") {
      OSD_ON = 1;
    } else if (name == "-gl") {
      MAX2DDRIVER = GFXDRIVER_OPENGL;
    } else if (name == "-dx7") {
      MAX2DDRIVER = GFXDRIVER_DIRECTX7;
    } else if (name == "-dx9") {
      MAX2DDRIVER = GFXDRIVER_DIRECTX9;
    } else if (name == "-p") {
      HARDWARECURSOR = 1;
    } else if (name == "-e") {
      tExpr::exprCompileOnSet = true;
    } else if (name == "-s") {
      const size_t x = value.find('x');
      if (x == std::string::npos) return;  // not a size: keep the one we have
      WIDTH = switchInt(value.substr(0, x));
      HEIGHT = switchInt(value.substr(x + 1));
    } else if (name == "-fs") {
      FULLSCREEN = switchInt(value);
    } else if (name == "-v") {
      VSYNC = switchInt(value);
    } else if (name == "-fps") {
      FPS = trunci(switchFloat(value));
    } else if (name == "-a") {
      AUDIO_ON = trunci(switchFloat(value));
    } else if (name == "-m") {
      MUSIC_ON = trunci(switchFloat(value));
    } else if (name == "-l") {
      TEST_LEVEL = value;
    }
  });
  tSwitches::ReportUnknown(AppArgs());
  return 0;
}

void tApp::validPaths() {
  if (FileType(USER_PATH) != FILETYPE_DIR && !CreateDir(USER_PATH)) {
    DebugLog("Can't create the player folder \"" + USER_PATH + "\"!");
  }
  if (!CanWriteIn(USER_PATH)) {
    Alert(tSf::Create("%s cannot save anything in the folder \"%s\": the game will run, but your players, "
                      "progress and options will not be kept. Make the folder writable, or start the game with "
                      "-user FOLDER/ to keep them elsewhere.")
              .s(TITLE)
              .s(USER_PATH)
              .sf());
  }
}

void tApp::validData() {
  if (_checks != CHECK_DATA) return;
  const tFile& media = tFile::Current();
  if (!media.hasData()) {
    Alert(tSf::Create(PAK_ON ? "%s cannot find its data: the archive \"data\" should be in \"%s\". Reinstall "
                               "the game, or run it with -pak 0 to read the data from a \"media\" folder there."
                             : "%s cannot find its data: with -pak 0 it reads the folder \"media\" in \"%s\", "
                               "and there is none. Leave out -pak 0 to read the archives.")
              .s(TITLE)
              .s(media.root())
              .sf());
    ExitProcess(1);
  }
}

void tApp::validTestLevel() {
  if (_checks != CHECK_DATA || TEST_LEVEL.empty()) return;
  if (!tFile::Current().level(TEST_LEVEL + "/location.cfg", tFile::OPTIONAL)) {
    Alert(tSf::Create("%s has no level \"%s\" (there is no %s%s/location.cfg). Leave out -l to play the campaign.")
              .s(TITLE)
              .s(TEST_LEVEL)
              .s(tFile::LEVEL_PATH)
              .s(TEST_LEVEL)
              .sf());
    ExitProcess(1);
  }
}

void tApp::loadConfig() {
  if (_config.LoadFile(USER_PATH + "options", UTF8)) {
    DebugLog("Options loaded.");
  } else {
    _config.LoadFile(AppDir() + "/default", UTF8);
    DebugLog("Default options loaded!");
  }
  FULLSCREEN = _config.GetInt("", "fullscreen", 0);
  HARDWARECURSOR = _config.GetInt("", "pointer", 0);
  VOLUME_SOUND = _config.GetFloat("", "sound", 0.0f);
  VOLUME_MUSIC = _config.GetFloat("", "music", 0.0f);
}

void tApp::saveConfig() {
  _config.SetInt("", "fullscreen", FULLSCREEN);
  _config.SetInt("", "pointer", HARDWARECURSOR);
  _config.SetFloat("", "sound", VOLUME_SOUND);
  _config.SetFloat("", "music", VOLUME_MUSIC);
  auto text = std::make_shared<TBank>();
  TTextStream stream(std::make_shared<TBankStream>(text), UTF8);
  _config.Save(stream);
  DebugLog(WriteFileSafely(USER_PATH + "options", text->bytes()) ? "Options saved." : "Can't save options!");
}

void tApp::audioInit() {
  if (!AudioLibraryAvailable()) {
    AUDIO_ON = 0;
    DebugLog("Audio driver problem! OpenAL not found!");
  }
  if (!AUDIO_ON) return;
  _alDevice = TAudioDevice::OpenDefault();
  if (_alDevice) _alContext = _alDevice->createContext();
  if (_alContext && _alContext->makeCurrent()) {
    DebugLog("Audio init complete successfully.");
    return;
  }
  _alContext.reset();
  _alDevice.reset();
  AUDIO_ON = 0;
  DebugLog("Audio driver problem!");
  DebugLog("No audio device: the game runs without sound.");
}

void tApp::audioFinalize() {
  if (!AUDIO_ON) return;
  TAudioContext::ClearCurrent();
  _alContext.reset();
  _alDevice.reset();
}

void tApp::graphicsInit() {
  graphicsSetup();
  fps(static_cast<float>(FPS));
  vsync(VSYNC);
}

void tApp::graphicsSetup() {
  if (_g) {
    CloseGraphics(_g);
    _g.reset();
  }
  SetGraphicsDriver(MAX2DDRIVER);
  if (FULLSCREEN == 0 && (WIDTH >= DWIDTH || HEIGHT >= DHEIGHT)) FULLSCREEN = 1;
  if (FULLSCREEN) FULLSCREEN = graphicsDepth(WIDTH, HEIGHT);
  _g = CreateGraphics(WIDTH, HEIGHT, FULLSCREEN, 0, 2);
  if (!_g) {
    DebugLog("Graphics driver problem!");
    Alert(tSf::Create("%s could not open a %dx%d %s with the %s renderer. Try another size (-s 1024x768), a "
                      "window (-fs 0) or another renderer (-gl); -log - shows the details.")
              .s(TITLE)
              .d(WIDTH)
              .d(HEIGHT)
              .s(FULLSCREEN ? "screen" : "window")
              .s(GraphicsDriverName())
              .sf());
    ExitProcess(1);
  }
  DebugLog("Graphics init complete successfully.");
  DebugLog(tSf::Create("%s(%dx%dx%d)").s(GraphicsDriverName()).d(WIDTH).d(HEIGHT).d(FULLSCREEN).sf());
  SetGraphics(_g);
  _hwnd = WindowHandle();
  _hinst = 0;
  setupIcon();
  tScreen::CreateProjection(800, 600, static_cast<float>(WIDTH), static_cast<float>(HEIGHT), 0, 0)->Setup();
  DefaultImageFlags(aspectw() == 1.0f && aspecth() == 1.0f ? 0 : 2);
}

void tApp::setupIcon() {
  for (const char* name : {"data/icon_16.png", "data/icon.png"}) {
    if (TPixmapPtr icon = tFile::Current().pixmap(name, rmDefault())) SetWindowIcon(icon);
  }
}

void tApp::run() {
  keyStop(ESC_ON ? 27 : 0);
  tCore::run();
}

void tApp::event(const TEvent& ev) { tGui::Current().event(ev); }

void tApp::update(float delta) {
  tGui::Current().update(delta);
  tGuiHoverCatcher::Current().update();
  tGuiTreatCatcher::Current().update();
  if (_automation && _automation->endFrame()) quit();
}

void tApp::render() {
  tGui::Current().render();
  if (OSD_ON) counters();
}

void tApp::render2() {
  _xPointer = MouseX();
  _yPointer = MouseY();
  M_CURSOR_RENDER::send({_xPointer, _yPointer});
}

void tApp::counters() {
  tSf line = tSf::Create("%.2f ").f(getFps());
  line.join("| %d ").d(static_cast<int32_t>(getGCAlloced()));
  line.join("| %d ").d(tParticleManager::CountFlip());
  if (const auto& treated = tGuiTreatCatcher::Current().get()) line.join("%s").s(treated->id());
  SetTransform(0.0f, 1.0f, 1.0f);
  tColorf::CreateBright(ALPHABLEND)->Setup();
  DrawText(line.sf(), 2.0f, 2.0f);
}

void tApp::minimize() {
  MINIMIZED = 1;
  if (_g) MinimizeWindow();
}

void tApp::restore() {
  if (_g) RestoreWindow();
  MINIMIZED = 0;
}

void tApp::suspend() { tGui::send(M_APP_SUSPEND()); }

void tApp::resume() {
  restore();
  tGui::send(M_APP_RESUME());
}

void tApp::terminate() { tGui::send(M_APP_TERMINATE()); }

void tApp::finalize() {
  saveConfig();
  audioFinalize();
}

}  // namespace vandrell
