// A button of the bottom panel: a picture with a hover picture that fades in
// over it while the pointer is on the button. A button that cannot be used
// dims to a fifth, ignores the pointer and plays nothing; scripts block and
// release buttons with enable(). The cursor recognises panel buttons by this
// class.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/form.h"
#include "gui/input_messages.h"
#include "gui/picture.h"

namespace vandrell {

class tPanelCmd : public tGuiForm {
  VANDRELL_GUI_HOOKS(tPanelCmd, tGuiForm, &tPanelCmd::GUIMSG_UPDATE)

 public:
  // Opacity change per second.
  static constexpr float _hoverSpeed = 4.0f;

  // Centred at (h, v), l x t units, showing the pictures "data/" + `picture`
  // + ".png" and "data/" + `picture` + "_hover.png" at their natural size.
  tPanelCmd(const std::string& picture, float h, float v, float l, float t);

  virtual void enable(int32_t flag) { _enable = flag; }
  // What scripts last set with enable(), whatever else the button waits for.
  int32_t enabled() const { return _enable; }
  // Usable: enabled, and whatever the button further needs.
  virtual int32_t isEnable() const { return _enable; }
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);

  // Only a usable button takes the pointer.
  int32_t hovering(float x, float y) override;
  void treat(const std::shared_ptr<tGuiHoverable>& previous) override;

  const tGuiPicture& picture() const { return *_bg; }
  const tGuiPicture& hoverPicture() const { return *_fg; }

 protected:
  // The opacity a picture heads for: full when `lit`, else the dimmed one.
  float _alphaTarget(int32_t lit) const { return _dalpha + (lit ? 1.0f : 0.0f); }
  // The pictures a step of `rate` toward their opacity: the normal one full
  // when `lit`, the hover one while the button is under the pointer (and
  // shown only when `lit`).
  void _fadePictures(float rate, int32_t lit);
  // A picture of the button, centred on it, keeping its size.
  static std::shared_ptr<tGuiPicture> _picture(const std::string& url, int32_t flags);
  // A press of mouse button `button` on this usable button while it is the
  // one under the pointer.
  bool _pressed(const vandrell::GUIMSG_MOUSEDOWN& msg, int32_t button) const;

  std::shared_ptr<tGuiPicture> _bg;
  std::shared_ptr<tGuiPicture> _fg;
  // The opacity of a button that cannot be used.
  float _dalpha = 0.2f;
  int32_t _enable = 1;
};

}  // namespace vandrell
