// An animation pic: a picture pic whose image is a strip of frames played by
// a frame counter.
#pragma once

#include <cstdint>
#include <string>

#include "scene/pic_image.h"

namespace vandrell {

class tPicAnim : public tPicImage {
  VANDRELL_GUI_HOOKS(tPicAnim, tPicImage)

 public:
  tPicAnim();

  tGuiAnimImage& animVisual() const { return static_cast<tGuiAnimImage&>(*_visual); }

  // Adds the frame counter ("anim.*") to the picture's keys.
  void saveInstant(tConfigBase& cfg, const std::string& section) override;
  void loadInstant(tConfigBase& cfg, const std::string& section) override;
  // The strip: cell width, height and count from fields 15, 16 and 17.
  TImagePtr loadImage(tResourceManager& resources) override;
  // The picture's set-up at the record's own position, then the play range,
  // speed and runs, the first frame shown, and whether it plays at once.
  void loadParams(const tPicParams& prms) override;
  // "frame": the frame shown, counted from 1.
  tExprValuePtr zeb_property(const std::string& name) override;
  virtual float zeb_property_frame();
  // Frames count from 1; `times` of 0 or less plays for ever. `speed` is in
  // frames per second.
  virtual void zeb_anim(int32_t first, int32_t last, float speed, int32_t times);
  virtual void zeb_animstop();
  virtual void zeb_setanim(int32_t times);
  virtual void zeb_setframe(int32_t frame);
};

}  // namespace vandrell
