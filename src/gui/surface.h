// A rectangle that draws itself into an off-screen image (labels and text
// boxes write their text there) and redraws it only when its content changed.
#pragma once

#include <cstdint>

#include "gui/gui_rect.h"
#include "platform/image.h"

namespace vandrell {

class tGuiSurface : public tGuiRect {
  VANDRELL_GUI_HOOKS(tGuiSurface, tGuiRect)

 public:
  // A fresh, cleared surface of _wSurface x _hSurface pixels to draw into, or
  // null when no image of that size can be made.
  virtual TPixmapPtr _lockSurface();
  // Hands the pixels written since _lockSurface to the renderer.
  virtual void _unlockSurface();
  // While set, the surface is rebuilt at paint time when it is out of date.
  virtual void autosurface(int32_t flag) { _autosurface = flag; }
  virtual void makeSurface();
  // The last image built, or null; objects that show it elsewhere read it here.
  virtual const TImagePtr& getSurface() const { return _surface; }
  // Draws the content with _lockSurface and _unlockSurface.
  virtual void _makeSurface() = 0;

  bool isPaint() const override;
  // Rebuilds first, so an object gets its surface at its first paint.
  void paint() override;
  void _paint() override;

 protected:
  TImagePtr _surface;
  int32_t _surfaceFlags = 0;
  int32_t _wSurface = 0;
  int32_t _hSurface = 0;
  int32_t _autosurface = 1;
  // Cleared by subclasses whenever their content changes.
  int32_t _truesurface = 0;
};

}  // namespace vandrell
