// The canvas and its WebGL context: the window of the web build. The canvas
// keeps the size the game asks for and the page scales it to fit, its aspect
// kept (shell.js); full screen is the browser's, which it grants only during
// a click or key press, so a request made at other times waits for the next.
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include "platform/draw.h"
#include "platform/draw_state.h"
#include "platform/log.h"
#include "platform/window_state.h"
#include "platform/web/web_context.h"
#include "platform/web/web_events.h"

namespace vandrell {

namespace {

struct VideoState {
  EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;
  bool headless = false;
  TGraphicsPtr current;
};

VideoState& video() {
  static VideoState v;
  return v;
}

int32_t screenSize(bool width) {
  return EM_ASM_INT({ return $0 ? screen.width : screen.height; }, width ? 1 : 0);
}

}  // namespace

bool EnsureWebGL() {
  VideoState& v = video();
  if (v.context) return true;
  EmscriptenWebGLContextAttributes attributes;
  emscripten_webgl_init_context_attributes(&attributes);
  // The canvas shows the last finished frame and nothing of the page behind it.
  attributes.alpha = EM_FALSE;
  attributes.depth = EM_FALSE;
  attributes.stencil = EM_FALSE;
  attributes.antialias = EM_FALSE;
  attributes.premultipliedAlpha = EM_FALSE;
  v.context = emscripten_webgl_create_context("#canvas", &attributes);
  if (v.context <= 0) {
    DebugLog("Cannot create a WebGL context on the page's canvas");
    v.context = 0;
    return false;
  }
  emscripten_webgl_make_context_current(v.context);
  StartWebInput();
  return true;
}

void SetGraphicsDriver(int32_t driver) {
  if (driver != GFXDRIVER_DEFAULT && driver != GFXDRIVER_OPENGL) {
    DebugLog("Graphics back end " + GraphicsDriverName(driver) + " is not available; using " +
             GraphicsDriverName(GFXDRIVER_OPENGL));
  }
}

int32_t GraphicsDriver() { return GFXDRIVER_OPENGL; }

std::string GraphicsDriverName(int32_t driver) {
  switch (driver) {
    case GFXDRIVER_OPENGL:
      return "WebGL";
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

std::string GraphicsDriverName() { return GraphicsDriverName(GFXDRIVER_OPENGL); }

// A page always has its canvas; the flag only answers for the switch.
void SetHeadless(bool headless) { video().headless = headless; }
bool IsHeadless() { return video().headless; }

TGraphics::~TGraphics() { close(); }

void TGraphics::close() {
  if (backFramebuffer) glDeleteFramebuffers(1, &backFramebuffer);
  if (backTexture) glDeleteTextures(1, &backTexture);
  backFramebuffer = 0;
  backTexture = 0;
}

TGraphicsPtr CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz, int32_t flags) {
  if (width <= 0 || height <= 0 || !EnsureWebGL()) return nullptr;
  FlushDrawing();
  auto g = std::make_shared<TGraphics>();
  g->width = width;
  g->height = height;
  g->depth = depth;
  glGenTextures(1, &g->backTexture);
  glBindTexture(GL_TEXTURE_2D, g->backTexture);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
  glGenFramebuffers(1, &g->backFramebuffer);
  glBindFramebuffer(GL_FRAMEBUFFER, g->backFramebuffer);
  glFramebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, g->backTexture, 0);
  if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
    DebugLog("Cannot make a " + std::to_string(width) + "x" + std::to_string(height) + " back buffer");
    return nullptr;
  }
  emscripten_set_canvas_element_size("#canvas", width, height);
  EM_ASM({ Module.vandrellCanvasResized($0); }, depth > 0 ? 1 : 0);
  (void)hertz;
  (void)flags;
  return g;
}

void CloseGraphics(const TGraphicsPtr& graphics) {
  const TGraphicsPtr closing = graphics;  // `graphics` may be the current one itself
  if (!closing) return;
  FlushDrawing();
  if (video().current == closing) video().current.reset();
  closing->close();
}

void SetGraphics(const TGraphicsPtr& graphics) {
  FlushDrawing();
  video().current = graphics;
  if (!graphics) return;
  glBindFramebuffer(GL_FRAMEBUFFER, graphics->backFramebuffer);
  glViewport(0, 0, graphics->width, graphics->height);
  SetViewport(0, 0, graphics->width, graphics->height);
}

const TGraphicsPtr& CurrentGraphics() { return video().current; }

int32_t GraphicsWidth() { return video().current ? video().current->width : 0; }
int32_t GraphicsHeight() { return video().current ? video().current->height : 0; }

std::vector<TGraphicsMode> GraphicsModes() { return {{DesktopWidth(), DesktopHeight(), 32, 60}}; }

int32_t DesktopWidth() { return screenSize(true); }
int32_t DesktopHeight() { return screenSize(false); }

void Flip(int32_t sync) {
  const TDrawTimeScope timed;
  TGraphics* g = video().current.get();
  if (!g) return;
  FlushDrawing();
  TWindowState::Current().presenting();
  // The browser shows the canvas once the frame has handed control back; it
  // paces the frames itself, so `sync` has nothing to add.
  (void)sync;
  PresentBackBuffer(*g);
}

void Cls() {
  const TDrawTimeScope timed;
  if (!video().current) return;
  FlushDrawing();
  // Like SDL's, the clear ignores the viewport.
  glDisable(GL_SCISSOR_TEST);
  const TWindowState& v = TWindowState::Current();
  glClearColor(v.clsRed / 255.0f, v.clsGreen / 255.0f, v.clsBlue / 255.0f, 1.0f);
  glClear(GL_COLOR_BUFFER_BIT);
  glEnable(GL_SCISSOR_TEST);
}

void SetWindowCaption(const std::string& caption) {
  EM_ASM({ document.title = UTF8ToString($0); }, caption.c_str());
}

// A page cannot be minimized or restored.
void MinimizeWindow() {}
void RestoreWindow() {}

intptr_t WindowHandle() { return video().current ? reinterpret_cast<intptr_t>(video().current.get()) : 0; }

void ShutdownPlatform() {
  VideoState& v = video();
  if (v.current) CloseGraphics(v.current);
  StopWebInput();
}

}  // namespace vandrell
