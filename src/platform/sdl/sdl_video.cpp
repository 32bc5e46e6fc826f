#include <cstdlib>
#include <cstring>

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/event.h"
#include "platform/log.h"
#include "platform/window_state.h"
#include "platform/process.h"
#include "platform/sdl/sdl_context.h"
#include "platform/sdl/sdl_events.h"

namespace vandrell {

namespace {

struct VideoState {
  bool initialised = false;
  int32_t driver = GFXDRIVER_DEFAULT;  // selected back end, resolved when first needed
  bool headlessDecided = false;
  bool headless = false;
  TGraphicsPtr current;
};

VideoState& video() {
  static VideoState v;
  return v;
}

bool envSet(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

bool envTrue(const char* name) {
  const char* value = std::getenv(name);
  return value && *value && std::string(value) != "0";
}

// The SDL renderers behind each back end, best first. The two Direct3D
// choices use Direct3D where SDL has it and OpenGL ES elsewhere.
std::vector<const char*> sdlRenderers(int32_t driver) {
  switch (driver) {
    case GFXDRIVER_OPENGL:
      return {"opengl"};
    case GFXDRIVER_DIRECTX9:
      return {"direct3d11", "direct3d", "opengles2"};
    case GFXDRIVER_DIRECTX7:
      return {"direct3d", "opengles2", "opengles"};
    case GFXDRIVER_SOFTWARE:
      return {"software"};
    default:
      return {};
  }
}

// Index of an SDL renderer compiled into this SDL, -1 when it is not.
int sdlRendererIndex(const char* name) {
  const int count = SDL_GetNumRenderDrivers();
  for (int i = 0; i < count; ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::strcmp(info.name, name) == 0) return i;
  }
  return -1;
}

// Headless runs have the software renderer only.
bool driverAvailable(int32_t driver) {
  if (IsHeadless() && driver != GFXDRIVER_SOFTWARE) return false;
  for (const char* name : sdlRenderers(driver))
    if (sdlRendererIndex(name) >= 0) return true;
  return false;
}

int32_t defaultDriver() {
#ifdef _WIN32
  constexpr int32_t order[] = {GFXDRIVER_DIRECTX9, GFXDRIVER_OPENGL, GFXDRIVER_DIRECTX7};
#else
  constexpr int32_t order[] = {GFXDRIVER_OPENGL, GFXDRIVER_DIRECTX9, GFXDRIVER_DIRECTX7};
#endif
  for (int32_t driver : order)
    if (driverAvailable(driver)) return driver;
  return GFXDRIVER_SOFTWARE;
}

// A renderer of the back end; null when none of its SDL renderers starts on
// this window, or when SDL quietly gave another one instead.
SDL_Renderer* createRenderer(SDL_Window* window, int32_t driver) {
  if (!driverAvailable(driver)) return nullptr;
  for (const char* name : sdlRenderers(driver)) {
    const int index = sdlRendererIndex(name);
    if (index < 0) continue;
    SDL_Renderer* renderer = SDL_CreateRenderer(window, index, 0);
    if (!renderer) continue;
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer, &info) == 0 && std::strcmp(info.name, name) == 0) return renderer;
    SDL_DestroyRenderer(renderer);
  }
  return nullptr;
}

}  // namespace

void SetGraphicsDriver(int32_t driver) {
  const bool known = driver >= GFXDRIVER_OPENGL && driver <= GFXDRIVER_SOFTWARE;
  if (known && driverAvailable(driver)) {
    video().driver = driver;
    return;
  }
  video().driver = defaultDriver();
  if (driver != GFXDRIVER_DEFAULT) {
    DebugLog("Graphics back end " + (known ? GraphicsDriverName(driver) : std::to_string(driver)) +
             " is not available; using " + GraphicsDriverName(video().driver));
  }
}

int32_t GraphicsDriver() {
  if (video().driver == GFXDRIVER_DEFAULT) video().driver = defaultDriver();
  return video().driver;
}

std::string GraphicsDriverName(int32_t driver) {
  switch (driver) {
    case GFXDRIVER_OPENGL:
      return "OpenGL";
    case GFXDRIVER_DIRECTX7:
      return "DirectX7";
    case GFXDRIVER_DIRECTX9:
      return "DirectX9";
    case GFXDRIVER_SOFTWARE:
      return "Software";
    default:
      return "";
  }
}

std::string GraphicsDriverName() {
  return GraphicsDriverName(video().current ? video().current->driver : GraphicsDriver());
}

TGraphics::~TGraphics() { close(); }

void TGraphics::close() {
  if (renderer) SDL_DestroyRenderer(renderer);
  if (window) SDL_DestroyWindow(window);
  renderer = nullptr;
  window = nullptr;
}

void SetHeadless(bool headless) {
  video().headless = headless;
  video().headlessDecided = true;
}

bool IsHeadless() {
  VideoState& v = video();
  if (!v.headlessDecided) {
    v.headless = envTrue("VANDRELL_HEADLESS") ||
                 (!envSet("SDL_VIDEODRIVER") && !envSet("DISPLAY") && !envSet("WAYLAND_DISPLAY"));
    v.headlessDecided = true;
  }
  return v.headless;
}

bool EnsureSdlVideo() {
  VideoState& v = video();
  if (v.initialised) return true;
  if (IsHeadless()) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_RENDER_DRIVER", "software", 1);
  }
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Renderers are chosen by index, which would turn SDL's draw batching off;
  // nothing here talks to the GPU behind SDL's back, so it stays on.
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
    DebugLog(std::string("Video init failed: ") + SDL_GetError());
    return false;
  }
  v.initialised = true;
  SetEventPump(PumpSdlEvents);
  SDL_StartTextInput();
  return true;
}

TGraphicsPtr CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz, int32_t flags) {
  if (width <= 0 || height <= 0 || !EnsureSdlVideo()) return nullptr;
  Uint32 windowFlags = SDL_WINDOW_SHOWN;
  if (depth > 0) windowFlags |= SDL_WINDOW_FULLSCREEN;
  auto g = std::make_shared<TGraphics>();
  g->window = SDL_CreateWindow(AppTitle().c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                               windowFlags);
  if (!g->window) {
    DebugLog(std::string("Cannot open a window: ") + SDL_GetError());
    return nullptr;
  }
  if (depth > 0) {
    SDL_DisplayMode wanted{depth == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888, width, height, hertz,
                           nullptr};
    SDL_DisplayMode closest;
    if (SDL_GetClosestDisplayMode(0, &wanted, &closest)) SDL_SetWindowDisplayMode(g->window, &closest);
  }
  const int32_t wanted = GraphicsDriver();
  g->driver = wanted;
  g->renderer = createRenderer(g->window, wanted);
  for (int32_t fallback : {defaultDriver(), GFXDRIVER_SOFTWARE}) {
    if (g->renderer || fallback == wanted) continue;
    g->renderer = createRenderer(g->window, fallback);
    if (g->renderer) {
      DebugLog("Graphics back end " + GraphicsDriverName(wanted) + " failed to start; using " +
               GraphicsDriverName(fallback));
      g->driver = fallback;
    }
  }
  if (!g->renderer) {
    DebugLog(std::string("Cannot create a renderer: ") + SDL_GetError());
    return nullptr;
  }
  g->width = width;
  g->height = height;
  g->depth = depth;
  (void)flags;  // every context is double buffered
  return g;
}

void CloseGraphics(const TGraphicsPtr& graphics) {
  const TGraphicsPtr closing = graphics;  // `graphics` may be the current one itself
  if (!closing) return;
  if (video().current == closing) video().current.reset();
  closing->close();
}

void SetGraphics(const TGraphicsPtr& graphics) {
  video().current = graphics;
  if (graphics) SetViewport(0, 0, graphics->width, graphics->height);
}

const TGraphicsPtr& CurrentGraphics() { return video().current; }

int32_t GraphicsWidth() { return video().current ? video().current->width : 0; }
int32_t GraphicsHeight() { return video().current ? video().current->height : 0; }

std::vector<TGraphicsMode> GraphicsModes() {
  std::vector<TGraphicsMode> modes;
  if (!EnsureSdlVideo()) return modes;
  const int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
    const int bits = static_cast<int>(SDL_BITSPERPIXEL(mode.format));
    modes.push_back({mode.w, mode.h, bits == 24 ? 32 : bits, mode.refresh_rate});
  }
  return modes;
}

int32_t DesktopWidth() {
  SDL_DisplayMode mode;
  if (!EnsureSdlVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return 0;
  return mode.w;
}

int32_t DesktopHeight() {
  SDL_DisplayMode mode;
  if (!EnsureSdlVideo() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return 0;
  return mode.h;
}

void Flip(int32_t sync) {
  const TDrawTimeScope timed;
  TGraphics* g = video().current.get();
  if (!g || !g->renderer) return;
  const bool wantSync = sync != 0;
  if (wantSync != g->vsync) {
    SDL_RenderSetVSync(g->renderer, wantSync ? 1 : 0);
    g->vsync = wantSync;
  }
  TWindowState::Current().presenting();
  SDL_RenderPresent(g->renderer);
}

void Cls() {
  const TDrawTimeScope timed;
  TGraphics* g = video().current.get();
  if (!g || !g->renderer) return;
  const TWindowState& v = TWindowState::Current();
  Uint8 r, gr, b, a;
  SDL_GetRenderDrawColor(g->renderer, &r, &gr, &b, &a);
  SDL_SetRenderDrawColor(g->renderer, v.clsRed, v.clsGreen, v.clsBlue, 255);
  SDL_RenderClear(g->renderer);
  SDL_SetRenderDrawColor(g->renderer, r, gr, b, a);
}

void SetWindowCaption(const std::string& caption) {
  if (video().current && video().current->window) SDL_SetWindowTitle(video().current->window, caption.c_str());
}

void MinimizeWindow() {
  if (video().current && video().current->window) SDL_MinimizeWindow(video().current->window);
}

void RestoreWindow() {
  if (video().current && video().current->window) SDL_RestoreWindow(video().current->window);
}


intptr_t WindowHandle() {
  return video().current ? reinterpret_cast<intptr_t>(video().current->window) : 0;
}

void ShutdownPlatform() {
  VideoState& v = video();
  if (v.current) CloseGraphics(v.current);
  if (v.initialised) {
    SetEventPump(nullptr);
    ShutdownSdlPointers();
    SDL_QuitSubSystem(SDL_INIT_VIDEO | SDL_INIT_EVENTS);
    v.initialised = false;
  }
  SDL_Quit();
}

}  // namespace vandrell
