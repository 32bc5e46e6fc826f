// A label pic: one line of a message in a bitmap font. Its size is a scale of
// the rendered line, so scaling and resizing scripts act on the scale factors
// and the size follows the words when they change.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "scene/pic_message.h"

namespace vandrell {

class tPicLabel : public tPicMessage {
  VANDRELL_GUI_HOOKS(tPicLabel, tPicMessage)

 public:
  tPicLabel();

  tGuiLabel& words() const override { return *_label; }
  int32_t line() const { return _nline; }

  // Adds the scale factors under "l" and "t", over the picture's size keys.
  void saveInstant(tConfigBase& cfg, const std::string& section) override;
  void loadInstant(tConfigBase& cfg, const std::string& section) override;
  // The font (field 24), the scale (fields 2 and 3) and the line (field 25);
  // the words are rendered before the picture's set-up, which needs them.
  void loadParams(const tPicParams& prms) override;

  // Line `_nline` of the message, or nothing without one; once a literal
  // text was set, that text stays.
  void refresh() override;
  // Shows `text` instead of the message for the rest of the level.
  virtual void settext(const std::string& text);

  float zeb_property_sx() override { return _l; }
  float zeb_property_sy() override { return _t; }
  void zeb_scale(float sx, float sy) override;
  void zeb_resize(float sx, float sy, float time) override;

 protected:
  // The scale factors glide, and the size follows them.
  void glideSize(float d) override;
  // The size of the picture at the scale factors.
  void fitScale();
  // Renders `text` if it is new and shows it at the scale factors.
  void showText(const std::string& text);

  std::shared_ptr<tGuiLabel> _label = std::make_shared<tGuiLabel>();
  int32_t _nline = 0;
  float _l = 0.0f;
  float _t = 0.0f;
  int32_t _settext = 0;
};

}  // namespace vandrell
