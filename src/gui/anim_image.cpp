#include "gui/anim_image.h"

#include <algorithm>

namespace vandrell {

void tGuiAnimImage::animPixmap(const TPixmapPtr& pixmap, int32_t cellWidth, int32_t cellHeight, int32_t firstCell,
                               int32_t cellCount, int32_t flags) {
  _flags = flags;
  _image = TImage::LoadAnim(pixmap, cellWidth, cellHeight, firstCell, cellCount, flags);
  SetImageHandle(_image, 0.0f, 0.0f);
}

int32_t tGuiAnimImage::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  _anim->update(msg.delta());
  return 0;
}

int32_t tGuiAnimImage::_frame() const {
  if (!_image || _image->frameCount() == 0) return 0;
  return std::clamp(_anim->frame(), 0, _image->frameCount() - 1);
}

}  // namespace vandrell
