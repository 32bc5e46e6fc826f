// A rectangle showing a loaded image stretched to its size. One source pixel
// is one design unit, so the image's natural size is its pixel size.
#pragma once

#include <cstdint>

#include "gui/gui_rect.h"
#include "platform/image.h"

namespace vandrell {

class tGuiPicture : public tGuiRect {
  VANDRELL_GUI_HOOKS(tGuiPicture, tGuiRect)

 public:
  // Loads the image from the pixmap with these image flags; a failed load
  // leaves no image, and the object then draws nothing.
  virtual void pixmap(const TPixmapPtr& pixmap, int32_t flags);
  // The pixels of the frame being shown, or null without an image.
  virtual TPixmapPtr getPixmap() const;
  // An image loaded elsewhere, drawn from its own handle.
  virtual void image(const TImagePtr& image) { _image = image; }
  // The image drawn, all frames; null without one.
  const TImagePtr& getImage() const { return _image; }
  virtual int32_t _frame() const { return 0; }
  // Sets one side and derives the other from the image's proportions.
  virtual void wideResizeByImage(float l);
  virtual void highResizeByImage(float t);
  // The natural size; 0 without an image.
  virtual float lPixmap() const;
  virtual float tPixmap() const;
  virtual void resetScale();

  bool isPaint() const override;
  void _paint() override;

 protected:
  TImagePtr _image;
  int32_t _flags = 0;
};

}  // namespace vandrell
