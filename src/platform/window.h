// The window and its graphics context.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vandrell {

struct TGraphicsMode {
  int32_t width = 0;
  int32_t height = 0;
  int32_t depth = 0;
  int32_t hertz = 0;
};

// One window (depth 0) or full-screen display (depth > 0) with its renderer.
// The platform implementation defines it; callers hold it by pointer.
class TGraphics;
using TGraphicsPtr = std::shared_ptr<TGraphics>;

// Renderer back ends. Each names itself: "OpenGL", "DirectX7", "DirectX9",
// "Software". OpenGL is SDL's OpenGL renderer; the two Direct3D choices stand
// for the platform's other accelerated renderers (Direct3D where it exists,
// OpenGL ES elsewhere); the software renderer serves headless runs.
constexpr int32_t GFXDRIVER_DEFAULT = 0;  // the best the machine offers
constexpr int32_t GFXDRIVER_OPENGL = 1;
constexpr int32_t GFXDRIVER_DIRECTX7 = 2;
constexpr int32_t GFXDRIVER_DIRECTX9 = 3;
constexpr int32_t GFXDRIVER_SOFTWARE = 4;

// Selects the back end of the contexts created from now on. One that the
// machine lacks is replaced by the default, with a log line.
void SetGraphicsDriver(int32_t driver);
// The selected back end after that replacement (never GFXDRIVER_DEFAULT).
int32_t GraphicsDriver();
// The name of the back end of the current context (the one actually in use,
// which may differ from the selection when creating it failed), or of the
// selected back end when there is no context.
std::string GraphicsDriverName();
std::string GraphicsDriverName(int32_t driver);

// Without a display (or when VANDRELL_HEADLESS is set, or after
// SetHeadless(true) before the first window) the platform runs on the dummy
// video driver with the software renderer.
void SetHeadless(bool headless);
bool IsHeadless();

// Null on failure (the reason goes to the debug log). Flags: 2 = back buffer.
TGraphicsPtr CreateGraphics(int32_t width, int32_t height, int32_t depth, int32_t hertz, int32_t flags);
// Closes the window (or restores the display); the current context becomes
// none when it was this one.
void CloseGraphics(const TGraphicsPtr& graphics);
void SetGraphics(const TGraphicsPtr& graphics);
const TGraphicsPtr& CurrentGraphics();
// Size of the current context in pixels, 0 when there is none.
int32_t GraphicsWidth();
int32_t GraphicsHeight();
std::vector<TGraphicsMode> GraphicsModes();

int32_t DesktopWidth();
int32_t DesktopHeight();

// Presents the back buffer; with sync 1 waits for the display refresh.
void Flip(int32_t sync);
// Called by Flip just before it presents, while the back buffer still holds
// the finished frame (screenshots). Null removes it.
using TPresentHook = void (*)(void* context);
void SetPresentHook(TPresentHook hook, void* context);
// Fills the back buffer with the clear colour.
void Cls();
void SetClsColor(int32_t red, int32_t green, int32_t blue);
void GetClsColor(int32_t& red, int32_t& green, int32_t& blue);

void SetWindowCaption(const std::string& caption);
void MinimizeWindow();
void RestoreWindow();
// The native handle of the active window, 0 when there is none.
intptr_t WindowHandle();

// Releases the window system; called once when the program ends.
void ShutdownPlatform();

}  // namespace vandrell
