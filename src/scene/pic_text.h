// A text pic: a whole message wrapped in a text box. The box's width comes
// from the record and scripts, its height from the wrapped words, and the
// pivot lies half the record's box height below the top of the words, so a
// text stays put vertically when its wrapped height changes.
#pragma once

#include <memory>

#include "gui/text_box.h"
#include "scene/pic_message.h"

namespace vandrell {

class tPicText : public tPicMessage {
  VANDRELL_GUI_HOOKS(tPicText, tPicMessage)

 public:
  tPicText();

  tGuiText& words() const override { return *_text; }

  // The pivot from the box height (field 3), the font (field 24) with its
  // extra line spacing (field 27), then the picture's set-up, whose scale
  // sets the box.
  void loadParams(const tPicParams& prms) override;
  // Every line of the message, or one empty line without one.
  void refresh() override;

  // The vertical pivot is `_toy` + oy down from the top of the words.
  void zeb_offset(float ox, float oy) override;
  // Sets the box to `w` by `h` design units and wraps the words anew.
  void zeb_scale(float w, float h) override;
  // At once: a box does not glide.
  void zeb_resize(float w, float h, float time) override { zeb_scale(w, h); }

 protected:
  std::shared_ptr<tGuiText> _text = std::make_shared<tGuiText>();
  float _toy = 0.0f;
};

// The words aligned left.
class tPicLeftText : public tPicText {
  VANDRELL_GUI_HOOKS(tPicLeftText, tPicText)

 public:
  tPicLeftText() { _text->align(0); }
};

// The words centred.
class tPicCenterText : public tPicText {
  VANDRELL_GUI_HOOKS(tPicCenterText, tPicText)

 public:
  tPicCenterText() { _text->align(2); }
};

}  // namespace vandrell
