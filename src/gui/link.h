// A clickable label: its colour follows its state (normal, hovered, pressed,
// disabled), and it clicks when a button is pressed and released over it.
#pragma once

#include <cstdint>

#include "gui/label.h"

namespace vandrell {

class tGuiHref : public tGuiLabel {
  VANDRELL_GUI_HOOKS(tGuiHref, tGuiLabel, &tGuiHref::GUIMSG_MOUSEDOWN, &tGuiHref::GUIMSG_MOUSEUP)

 public:
  // Hover- and treat-enabled, every state colour opaque white.
  tGuiHref();

  // Shared: callers change the state colours in place.
  virtual const tColorfPtr& ncolor() const { return _ncolor; }
  virtual const tColorfPtr& hcolor() const { return _hcolor; }
  virtual const tColorfPtr& acolor() const { return _acolor; }
  virtual const tColorfPtr& dcolor() const { return _dcolor; }
  virtual void enable(int32_t flag) { _enable = flag; }
  virtual int32_t isEnable() const { return _enable; }
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg);
  virtual int32_t GUIMSG_MOUSEUP(vandrell::GUIMSG_MOUSEUP& msg);
  // Subclasses act here; `button` as the platform numbers it.
  virtual void click(int32_t button) {}

  // A disabled link is never hovered, so never treated.
  int32_t hovering(float x, float y) override;
  // The colour of the current state.
  const tColorfPtr& color() const override;
  void _paint() override;

 protected:
  tColorfPtr _ncolor = tColorf::Create(ALPHABLEND);
  tColorfPtr _hcolor = tColorf::Create(ALPHABLEND);
  tColorfPtr _acolor = tColorf::Create(ALPHABLEND);
  tColorfPtr _dcolor = tColorf::Create(ALPHABLEND);
  int32_t _enable = 1;
  int32_t _press = 0;  // the button pressed over the link, 0 when none
};

}  // namespace vandrell
