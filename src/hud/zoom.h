// The magnifier: a round lens that follows the pointer and shows the scene
// under it half as large again, in a brass loupe. It lives at the bottom of
// the first system location's pics, whose set never passes the plain render,
// and draws itself in the scene's last pass, so it magnifies every pic of
// the lower layer whatever their order.
//
// Each time it draws, it copies the circle of the frame drawn so far from
// under the pointer and draws the copy stretched: a copy of 128 x 128 units
// costs a fraction of drawing the scene again at a larger scale, which would
// mean every pic of every location once more, clipped to the lens.
#pragma once

#include <cstdint>
#include <memory>

#include "gui/app_messages.h"
#include "gui/picture.h"
#include "platform/image.h"

namespace vandrell {

class tZoom : public tGuiPicture {
  VANDRELL_GUI_HOOKS(tZoom, tGuiPicture, &tZoom::M_PIC_POSTDRAW)

 public:
  // The lens in design units: the scene circle copied, and the size it is
  // drawn at.
  static constexpr float DIAMETER = 128.0f;
  static constexpr float WIDTH = 192.0f;
  static constexpr float HEIGHT = 190.0f;
  // The lowest the lens centre goes, so the loupe stays above the panel.
  static constexpr float BOTTOM = 570.0f;
  // The scene pass it draws in.
  static constexpr int32_t PASS = 2;

  // Hidden, WIDTH x HEIGHT about its centre, drawn with mask blending.
  tZoom();

  // The magnifier of the running level, or an idle stand-in.
  static tZoom& Current();
  // A new magnifier, the current one from now on, for the level to put at
  // the bottom of its first system location's pics.
  static std::shared_ptr<tZoom> Renew();

  virtual void show() { visible(1); }
  virtual void hide() { visible(0); }
  virtual int32_t isShow() const { return isVisible(); }
  virtual int32_t M_PIC_POSTDRAW(vandrell::M_PIC_POSTDRAW& msg);

  // Copies the lens from the frame and draws it, then the loupe over it.
  void paint() override;

 protected:
  // The square of `diameter` window pixels with its top-left corner at
  // (left, top), copied from the frame into _image; outside the circle it
  // holds it is transparent.
  virtual void _grabLens(int32_t left, int32_t top, int32_t diameter);

  // The loupe frame, its handle on the centre of the glass.
  TImagePtr _loupe;
};

}  // namespace vandrell
