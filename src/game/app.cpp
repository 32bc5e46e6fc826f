#include "game/app.h"

#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>

#include "core/automation.h"
#include "core/numeric.h"
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
#include "platform/text_stream.h"
#include "platform/user_folder.h"
#include "platform/window_icon.h"
#include "resources/campaign.h"
#include "resources/media_lookup.h"
#include "resources/profile.h"
#include "resources/strings.h"
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

// Walks the command line once. A switch with a value takes the next argument
// (and is ignored as the last one); everything else is passed over.
struct tSwitchTable {
  std::map<std::string, std::function<void()>> flags;
  std::map<std::string, std::function<void(const std::string&)>> values;

  void scan(const std::vector<std::string>& args) const {
    for (size_t i = 1; i < args.size(); ++i) {
      if (const auto flag = flags.find(args[i]); flag != flags.end()) {
        flag->second();
      } else if (const auto value = values.find(args[i]); value != values.end() && i + 1 < args.size()) {
        value->second(args[++i]);
      }
    }
  }
};

}  // namespace

tApp& tApp::Current() {
  return tProcessWide<tApp>::get([]() -> std::shared_ptr<tApp> {
    throw std::logic_error("the application object is asked for before it exists");
  });
}

tApp::tApp(tAutomation* automation) : _automation(automation) {
  USER_PATH = DefaultUserPath(COMPANY, TITLE);
  SeedRnd(Milliseconds());
  SetAppTitle(tSf::Create("%s").s(TITLE).sf());
  parsePaths();
  validPaths();
  tFile& media = tFile::Current();
  media.loadLocale();
  if (PAK_ON) media.loadPak();
  tStrings::Current().loadStrings();
  tProfile::Current().loadProfile(USER_PATH);
  loadConfig();
  parseArguments();
  DWIDTH = DesktopWidth();
  DHEIGHT = DesktopHeight();
  audioInit();
  graphicsInit();
  // The units set up after the application: the campaign needs the
  // archives and the "-l" switch.
  tCampaign::Current().loadCampaign(TEST_LEVEL);
  if (_automation) _automation->start();
}

tApp::~tApp() {
  if (_g) CloseGraphics(_g);
}

int32_t tApp::parsePaths() {
  tSwitchTable table;
  table.values["-user"] = [this](const std::string& v) { USER_PATH = v; };
  table.values["-pak"] = [this](const std::string& v) { PAK_ON = switchInt(v); };
  table.scan(AppArgs());
  return 0;
}

int32_t tApp::parseArguments() {
  tSwitchTable table;
  table.flags["-q"] = [this] { ESC_ON = 1; };
  table.flags["-o"] = [this] { OSD_ON = 1; };
  table.flags["-gl"] = [this] { MAX2DDRIVER = GFXDRIVER_OPENGL; };
  table.flags["-dx7"] = [this] { MAX2DDRIVER = GFXDRIVER_DIRECTX7; };
  table.flags["-dx9"] = [this] { MAX2DDRIVER = GFXDRIVER_DIRECTX9; };
  table.flags["-p"] = [this] { HARDWARECURSOR = 1; };
  table.flags["-e"] = [] { tExpr::exprCompileOnSet = true; };
  table.values["-s"] = [this](const std::string& v) {
    const size_t x = v.find('x');
    if (x == std::string::npos) return;  // not a size: keep the one we have
    WIDTH = switchInt(v.substr(0, x));
    HEIGHT = switchInt(v.substr(x + 1));
  };
  table.values["-fs"] = [this](const std::string& v) { FULLSCREEN = switchInt(v); };
  table.values["-v"] = [this](const std::string& v) { VSYNC = switchInt(v); };
  table.values["-fps"] = [this](const std::string& v) { FPS = trunci(switchFloat(v)); };
  table.values["-a"] = [this](const std::string& v) { AUDIO_ON = trunci(switchFloat(v)); };
  table.values["-m"] = [this](const std::string& v) { MUSIC_ON = trunci(switchFloat(v)); };
  table.values["-l"] = [this](const std::string& v) { TEST_LEVEL = v; };
  table.scan(AppArgs());
  return 0;
}

void tApp::validPaths() {
  if (FileType(USER_PATH) != FILETYPE_DIR && !CreateDir(USER_PATH)) {
    DebugLog("Can't create the player folder \"" + USER_PATH + "\"!");
  }
}

void tApp::loadConfig() {
  if (_config.LoadFile(USER_PATH + "options", UTF8)) {
    DebugLog("Options loaded.");
  } else {
    _config.LoadFile(AppDir() + "default", UTF8);
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
  _alDevice = OpenAudioDevice();
  _alContext = CreateAudioContext(_alDevice);
  if (_alContext && MakeAudioContextCurrent(_alContext)) {
    DebugLog("Audio init complete successfully.");
    return;
  }
  DestroyAudioContext(_alContext);
  CloseAudioDevice(_alDevice);
  _alContext = 0;
  _alDevice = 0;
  AUDIO_ON = 0;
  DebugLog("Audio driver problem!");
}

void tApp::audioFinalize() {
  if (!AUDIO_ON) return;
  MakeAudioContextCurrent(0);
  DestroyAudioContext(_alContext);
  CloseAudioDevice(_alDevice);
  _alContext = 0;
  _alDevice = 0;
}

void tApp::graphicsInit() {
  graphicsSetup();
  fps(static_cast<float>(FPS));
  vsync(VSYNC);
}

int32_t tApp::graphicsDepth(int32_t width, int32_t height) { return graphicsDepth(GraphicsModes(), width, height); }

int32_t tApp::graphicsDepth(const std::vector<TGraphicsMode>& modes, int32_t width, int32_t height) {
  for (int32_t depth : {32, 24, 16}) {
    for (const TGraphicsMode& mode : modes) {
      if (mode.width == width && mode.height == height && mode.depth == depth) return depth;
    }
  }
  return 0;
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
    std::fprintf(stderr, "%s: the graphics could not be set up (run with -log - for details)\n", TITLE);
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
  // Particles of the last frame: none until the particle system reports them.
  line.join("| %d ").d(0);
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
