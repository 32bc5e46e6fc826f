// The journal button of the bottom panel: opens and closes the level's
// journal. It stays dimmed while the journal has no pages.
#pragma once

#include "hud/panel_cmd.h"

namespace vandrell {

class tJournalCmd : public tPanelCmd {
  VANDRELL_GUI_HOOKS(tJournalCmd, tPanelCmd, &tJournalCmd::GUIMSG_MOUSEDOWN)

 public:
  // Its picture starts transparent and fades in.
  tJournalCmd();

  // The button of the running level, or an idle stand-in.
  static tJournalCmd& Current();

  int32_t isEnable() const override;
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg);
};

}  // namespace vandrell
