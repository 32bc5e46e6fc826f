// The visual an image or animation pic wraps: it draws and hovers like the
// picture it is, optionally hovers by a polygon instead, and turns a press of
// the first button into M_PIC_CLICK with its id, the pic's name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/anim_image.h"
#include "gui/image.h"
#include "gui/input_messages.h"
#include "gui/poly.h"

namespace vandrell {

// `poly`, given in design units relative to the design position (h, v), in
// window pixels. The polygon follows the position and the screen's scale
// only, not the image's own scale or angle.
tPoly PlacePicPoly(const tPoly& poly, float h, float v);
// Whether the window pixel (x, y) lies in `poly` so placed.
int32_t PicPolyHovering(const tPoly& poly, float h, float v, float x, float y);
// Takes the press for `visual` when nothing took it yet, clicks are not
// blocked, the button is the first one and `visual` is the treated object.
void PicVisualMouseDown(tGuiHoverable& visual, GUIMSG_MOUSEDOWN& msg);

// What the pic sets on its visual beside the picture: the name that clicks
// carry, and the hit shape.
class tPicClickable {
 public:
  virtual ~tPicClickable() = default;
  virtual void name(const std::string& id) = 0;
  // Null hovers as the picture does.
  std::shared_ptr<tPoly> poly;
};

template <class Base>
class tPicVisual : public Base, public tPicClickable {
  VANDRELL_GUI_TEMPLATE_HOOKS(tPicVisual, Base, &tPicVisual::GUIMSG_MOUSEDOWN)

 public:
  void name(const std::string& id) override { this->id(id); }

  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg) {
    PicVisualMouseDown(*this, msg);
    return 0;
  }
  int32_t hovering(float x, float y) override {
    return poly ? PicPolyHovering(*poly, this->h(), this->v(), x, y) : Base::hovering(x, y);
  }
};

using tPicImageVisual = tPicVisual<tGuiImage>;
using tPicAnimVisual = tPicVisual<tGuiAnimImage>;

}  // namespace vandrell
