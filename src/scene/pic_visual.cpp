#include "scene/pic_visual.h"

#include "core/screen.h"
#include "gui/app_messages.h"
#include "scene/pic_property.h"

namespace vandrell {

tPoly PlacePicPoly(const tPoly& poly, float h, float v) {
  // The points are shared objects: transform copies of them.
  tPoly placed;
  for (const tPsetPtr& p : poly.psets) placed.AddPset(tPset::CreatePset(*p));
  placed.Scale(aspectw(), aspecth(), 0.0f, 0.0f);
  placed.Move(H2X(h), V2Y(v));
  return placed;
}

int32_t PicPolyHovering(const tPoly& poly, float h, float v, float x, float y) {
  return PlacePicPoly(poly, h, v).Inside(x, y);
}

void PicVisualMouseDown(tGuiHoverable& visual, GUIMSG_MOUSEDOWN& msg) {
  if (msg.checkOut().has_value() || tPicProperty::Current().isBlockClick() || msg.key() != 1 || !visual.isTreat()) {
    return;
  }
  msg.out(visual.shared_from_this());
  M_PIC_CLICK::send(visual.id());
}

}  // namespace vandrell
