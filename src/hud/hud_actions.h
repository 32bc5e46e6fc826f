// The script actions on the play HUD: the panel's task line, the hint
// counter, the journal, the hint, journal and zoom buttons and the resist
// meter. Switches read 0 as on: "sosblock=1" blocks, "sosblock=0" releases.
#pragma once

#include "script/zeb_action.h"

namespace vandrell {

#define VANDRELL_HUD_ACTION(NAME)    \
  class NAME : public tZebAction {   \
   public:                           \
    float exec() override;           \
  };

VANDRELL_HUD_ACTION(tZebAction_globalmission)
VANDRELL_HUD_ACTION(tZebAction_addjournal)
// Hints gained (or lost), with the hint-bonus sound.
VANDRELL_HUD_ACTION(tZebAction_addsosbonus)
VANDRELL_HUD_ACTION(tZebAction_sosblock)
VANDRELL_HUD_ACTION(tZebAction_sosoff)
VANDRELL_HUD_ACTION(tZebAction_journalblock)
VANDRELL_HUD_ACTION(tZebAction_blockjournal)
VANDRELL_HUD_ACTION(tZebAction_unblockjournal)
// Blocking the zoom button also closes the magnifier.
VANDRELL_HUD_ACTION(tZebAction_zoomblock)
// Starts the meter, unpaused, for the milliseconds given, with the message,
// the fail command and the colour (0 to 255, red unless given); a duration
// of 0 takes the meter away.
VANDRELL_HUD_ACTION(tZebAction_resist)
VANDRELL_HUD_ACTION(tZebAction_resistpause)
// The panel item of that name drags this image pic's picture.
VANDRELL_HUD_ACTION(tZebAction_newdragpic)

#undef VANDRELL_HUD_ACTION

// Run once at start-up, after the script language is installed.
void RegisterHudActions();

}  // namespace vandrell
