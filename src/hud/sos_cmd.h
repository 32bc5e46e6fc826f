// The hint button of the bottom panel. While the hint recharges it is dimmed
// and counts the seconds down; when it is ready its frame grows back and it
// lights up. The extra hints the player holds show beside it in red ("3x").
#pragma once

#include <memory>

#include "gui/label.h"
#include "hud/panel_cmd.h"

namespace vandrell {

class tSosCmd : public tPanelCmd {
  VANDRELL_GUI_HOOKS(tSosCmd, tPanelCmd, &tSosCmd::GUIMSG_MOUSEDOWN)

 public:
  tSosCmd();

  // The button of the running level, or an idle stand-in.
  static tSosCmd& Current();

  // Not while the journal is open.
  int32_t isEnable() const override;
  // Follows the hint counter: lit only when a hint is ready.
  int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) override;
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg);

  const tGuiLabel& timerLabel() const { return *_timer; }
  const tGuiLabel& counterLabel() const { return *_counter; }
  const tGuiPicture& border() const { return *_border; }
  float borderScale() const { return _borderScale; }

 protected:
  std::shared_ptr<tGuiLabel> _timer = std::make_shared<tGuiLabel>();
  std::shared_ptr<tGuiPicture> _border;
  std::shared_ptr<tGuiLabel> _counter = std::make_shared<tGuiLabel>();
  float _borderScale = 0.0f;
  // Frame growth per second.
  float _borderSpeed = 3.0f;
};

}  // namespace vandrell
