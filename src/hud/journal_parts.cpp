#include "hud/journal_parts.h"

#include "audio/audio.h"
#include "hud/journal.h"
#include "resources/media_lookup.h"
#include "resources/strings.h"

namespace vandrell {

namespace {

constexpr float SCREEN_WIDTH = 800.0f;
constexpr float SCREEN_HEIGHT = 600.0f;
// The width of the text, and how far outside it the arrows end.
constexpr float TEXT_WIDTH = 400.0f;
constexpr float ARROW_GAP = 50.0f;
constexpr int32_t CENTRED = 2;

void journalFont(tGuiLabel& label, const char* font) { label.letter(tFile::Current().letter(font, rmDefault()), 0); }

}  // namespace

tJournalBg::tJournalBg() {
  color()->SetRGB(0.0f, 0.0f, 0.0f);
  color()->a = 0.0f;
  hotspot(0.0f, 0.0f);
  move(0.0f, 0.0f, 0);
  resize(SCREEN_WIDTH, SCREEN_HEIGHT, 0);
  keepHover(1);
  keepTreat(1);
}

int32_t tJournalBg::hovering(float x, float y) { return color()->a > 0.0f ? _hoveringRect(x, y) : 0; }

tJournalTitle::tJournalTitle() {
  journalFont(*this, "data/1/font");
  hotspot(0.5f, 0.0f);
}

tJournalPicture::tJournalPicture() { hotspot(0.5f, 0.0f); }

tJournalText::tJournalText() {
  journalFont(*this, "data/1/font");
  align(CENTRED);
  hotspot(0.5f, 0.0f);
  resize(TEXT_WIDTH, 0.0f, 0);
}

tJournalLink::tJournalLink(tJournal& journal, const char* font, const std::string& text) : _journal(journal) {
  journalFont(*this, font);
  ncolor()->SetRGB(0.7f, 0.5f, 1.0f);
  value(text);
}

void tJournalLink::click(int32_t button) {
  if (button != 1) return;
  _clicked();
  tAudio::Current().shout_click();
}

void tJournalLink::treat(const std::shared_ptr<tGuiHoverable>&) { tAudio::Current().shout_treat(); }

tJournalClose::tJournalClose(tJournal& journal)
    : tJournalLink(journal, "data/1/font", tStrings::Current().get("journal", "close")) {
  hotspot(0.5f, 0.0f);
}

void tJournalClose::_clicked() { _journal.hide(); }

tJournalBack::tJournalBack(tJournal& journal, const std::string& text, float hotspot, float side)
    : tJournalLink(journal, "data/0/font", text) {
  dcolor()->SetRGB(0.3f, 0.3f, 0.3f);
  this->hotspot(hotspot, 0.5f);
  move(tJournal::_x0 + side * (TEXT_WIDTH / 2.0f + ARROW_GAP), tJournal::_y0, 0);
}

void tJournalBack::_clicked() { _journal.backMessage(); }

void tJournalNext::_clicked() { _journal.nextMessage(1); }

}  // namespace vandrell
