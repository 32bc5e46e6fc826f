#include "script/script_actions.h"

#include "script/action_keywords.h"
#include "script/command_actions.h"
#include "script/flow_actions.h"

namespace vandrell {

void RegisterScriptActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_set);
  VANDRELL_ACTION(keywords, tZebAction_wait);
  VANDRELL_ACTION(keywords, tZebAction_waitms);
  VANDRELL_ACTION(keywords, tZebAction_uv);
  VANDRELL_ACTION(keywords, tZebAction_gameover);
  VANDRELL_ACTION(keywords, tZebAction_progress);
  VANDRELL_ACTION(keywords, tZebAction_save);
  VANDRELL_ACTION(keywords, tZebAction_load);
  VANDRELL_ACTION(keywords, tZebAction_check);
  VANDRELL_ACTION(keywords, tZebAction_genablecommand);
  VANDRELL_ACTION(keywords, tZebAction_gdisablecommand);
  VANDRELL_ACTION(keywords, tZebAction_enablecommand);
  VANDRELL_ACTION(keywords, tZebAction_disablecommand);
  VANDRELL_ACTION(keywords, tZebAction_startcommand);
  VANDRELL_ACTION(keywords, tZebAction_stopcommand);
  VANDRELL_ACTION(keywords, tZebAction_playcommand);
  VANDRELL_ACTION(keywords, tZebAction_pausecommand);
  VANDRELL_ACTION(keywords, tZebAction_closecommand);
  VANDRELL_ACTION(keywords, tZebAction_nextcall);
  VANDRELL_ACTION(keywords, tZebAction_ifcall);
  VANDRELL_ACTION(keywords, tZebAction_elsecall);
  VANDRELL_ACTION(keywords, tZebAction_enablegroup);
  VANDRELL_ACTION(keywords, tZebAction_disablegroup);
  VANDRELL_ACTION(keywords, tZebAction_stopgroup);
  VANDRELL_ACTION(keywords, tZebAction_playgroup);
  VANDRELL_ACTION(keywords, tZebAction_closegroup);
}

}  // namespace vandrell
