#include "hud/txt_actions.h"

#include <string>

#include "audio/audio.h"
#include "core/numeric.h"
#include "gui/app_messages.h"
#include "hud/journal.h"
#include "script/action_keywords.h"

namespace vandrell {

float tShowTexts::exec() {
  const std::string name = variable(0);
  const tTxtList texts = M_TXT_FIND::ask(name);
  if (!texts.empty()) {
    tAudio::Current().shout_showmessage();
    for (const auto& text : texts) showOne(*text);
  }
  tJournal::Current().addMessage(name);
  return 0.0f;
}

void tZebAction_txtxy::showOne(tTxt& text) { text.zeb_txtxy(trunci(number(1)), trunci(number(2))); }

float tZebAction_cleartxts::exec() {
  tAudio::Current().shout_hidemessage();
  tGuiObject::send(M_TXT_HIDE{});
  return 0.0f;
}

void RegisterTxtActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_txtm);
  VANDRELL_ACTION(keywords, tZebAction_txtmm);
  VANDRELL_ACTION(keywords, tZebAction_txtxy);
  VANDRELL_ACTION(keywords, tZebAction_txtupdate);
  VANDRELL_ACTION(keywords, tZebAction_txtautoupdateon);
  VANDRELL_ACTION(keywords, tZebAction_txtautoupdateoff);
  VANDRELL_ACTION(keywords, tZebAction_settext);
  VANDRELL_ACTION(keywords, tZebAction_cleartxts);
}

}  // namespace vandrell
