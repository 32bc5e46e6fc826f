// The zoom button of the bottom panel: opens and closes the magnifier. A
// right click anywhere on the play screen that nothing else took does the
// same, so the player can look closer without reaching for the panel.
#pragma once

#include "hud/panel_cmd.h"

namespace vandrell {

class tZoomCmd : public tPanelCmd {
  VANDRELL_GUI_HOOKS(tZoomCmd, tPanelCmd, &tZoomCmd::GUIMSG_MOUSEDOWN)

 public:
  tZoomCmd();

  // The button of the running level, or an idle stand-in.
  static tZoomCmd& Current();

  // Not while the journal is open.
  int32_t isEnable() const override;
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg);
};

}  // namespace vandrell
