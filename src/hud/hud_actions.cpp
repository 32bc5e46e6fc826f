#include "hud/hud_actions.h"

#include "audio/audio.h"
#include "core/numeric.h"
#include "hud/journal.h"
#include "hud/journal_cmd.h"
#include "hud/panel.h"
#include "hud/resist.h"
#include "hud/sos.h"
#include "hud/sos_cmd.h"
#include "hud/zoom.h"
#include "hud/zoom_cmd.h"
#include "scene/pic_image.h"
#include "script/action_keywords.h"

namespace vandrell {

namespace {

constexpr float CHANNEL = 255.0f;

}  // namespace

float tZebAction_globalmission::exec() {
  tPanel::Current().label().zeb_globalmission(variable(0));
  return 0.0f;
}

float tZebAction_addjournal::exec() {
  tJournal::Current().addMessage(variable(0));
  return 0.0f;
}

float tZebAction_addsosbonus::exec() {
  tSos::Current().add(trunci(number(0)));
  tAudio::Current().shout_addsos();
  return 0.0f;
}

float tZebAction_sosblock::exec() {
  tSosCmd::Current().enable(number(0) == 0.0f ? 1 : 0);
  return 0.0f;
}

float tZebAction_sosoff::exec() {
  tSos::Current().on(number(0) == 0.0f ? 1 : 0);
  return 0.0f;
}

float tZebAction_journalblock::exec() {
  tJournalCmd::Current().enable(number(0) == 0.0f ? 1 : 0);
  return 0.0f;
}

float tZebAction_blockjournal::exec() {
  tJournalCmd::Current().enable(0);
  return 0.0f;
}

float tZebAction_unblockjournal::exec() {
  tJournalCmd::Current().enable(1);
  return 0.0f;
}

float tZebAction_zoomblock::exec() {
  const bool block = number(0) != 0.0f;
  tZoomCmd::Current().enable(block ? 0 : 1);
  if (block) tZoom::Current().hide();
  return 0.0f;
}

float tZebAction_resist::exec() {
  tResist& meter = tResist::Current();
  meter.pause(0);
  meter.zeb_resist(ms(0), variable(1), variable(2), number(3, CHANNEL) / CHANNEL, number(4) / CHANNEL,
                   number(5) / CHANNEL);
  return 0.0f;
}

float tZebAction_resistpause::exec() {
  tResist::Current().pause(trunci(number(0)));
  return 0.0f;
}

float tZebAction_newdragpic::exec() {
  const auto pic = object<tPicImage>(0);
  const tItemPtr item = tPanel::Current().items().item(variable(1));
  if (pic && item) item->dragIcon(pic);
  return 0.0f;
}

void RegisterHudActions() {
  tActionKeywords& keywords = tActionKeywords::Current();
  VANDRELL_ACTION(keywords, tZebAction_globalmission);
  VANDRELL_ACTION(keywords, tZebAction_addjournal);
  VANDRELL_ACTION(keywords, tZebAction_addsosbonus);
  VANDRELL_ACTION(keywords, tZebAction_sosblock);
  VANDRELL_ACTION(keywords, tZebAction_sosoff);
  VANDRELL_ACTION(keywords, tZebAction_journalblock);
  VANDRELL_ACTION(keywords, tZebAction_blockjournal);
  VANDRELL_ACTION(keywords, tZebAction_unblockjournal);
  VANDRELL_ACTION(keywords, tZebAction_zoomblock);
  VANDRELL_ACTION(keywords, tZebAction_resist);
  VANDRELL_ACTION(keywords, tZebAction_resistpause);
  VANDRELL_ACTION(keywords, tZebAction_newdragpic);
}

}  // namespace vandrell
