// An image whose frame follows a frame counter that advances on every update.
#pragma once

#include <cstdint>

#include "gui/anim.h"
#include "gui/image.h"

namespace vandrell {

class tGuiAnimImage : public tGuiImage {
  VANDRELL_GUI_HOOKS(tGuiAnimImage, tGuiImage, &tGuiAnimImage::GUIMSG_UPDATE)

 public:
  virtual const tAnimPtr& anim() const { return _anim; }
  // The frames are `cellCount` cells of the sheet, row by row from `firstCell`.
  virtual void animPixmap(const TPixmapPtr& pixmap, int32_t cellWidth, int32_t cellHeight, int32_t firstCell,
                          int32_t cellCount, int32_t flags);
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);

  // The counter's frame, kept within the frames the image has.
  int32_t _frame() const override;

 protected:
  tAnimPtr _anim = std::make_shared<tAnim>();
};

}  // namespace vandrell
