#include "hud/journal_cmd.h"

#include "audio/audio.h"
#include "hud/journal.h"
#include "hud/level_wide.h"

namespace vandrell {

tJournalCmd::tJournalCmd() : tPanelCmd("journal", 755.0f, 575.0f, 40.0f, 30.0f) { _bg->color()->a = 0.0f; }

tJournalCmd& tJournalCmd::Current() { return tLevelWide<tJournalCmd>::get(); }

int32_t tJournalCmd::isEnable() const { return tPanelCmd::isEnable() && !tJournal::Current().isEmpty() ? 1 : 0; }

int32_t tJournalCmd::GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg) {
  if (!_pressed(msg, 1)) return 0;
  tAudio::Current().shout_click();
  tJournal& journal = tJournal::Current();
  if (journal.isShow()) {
    journal.hide();
  } else {
    journal.show();
  }
  return 0;
}

}  // namespace vandrell
