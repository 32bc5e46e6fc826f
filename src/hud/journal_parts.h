// The pieces of a journal page: the shade over the scene, the title with the
// page number, the picture, the text, the close link and the two arrows.
#pragma once

#include <cstdint>
#include <memory>

#include "gui/link.h"
#include "gui/picture.h"
#include "gui/gui_rect.h"
#include "gui/text_box.h"

namespace vandrell {

class tJournal;

// Black over the whole screen; while it shows at all it takes the pointer,
// so nothing of the scene can be clicked through it.
class tJournalBg : public tGuiRect {
  VANDRELL_GUI_HOOKS(tJournalBg, tGuiRect)

 public:
  tJournalBg();

  int32_t hovering(float x, float y) override;
};

class tJournalTitle : public tGuiLabel {
  VANDRELL_GUI_HOOKS(tJournalTitle, tGuiLabel)

 public:
  tJournalTitle();
};

class tJournalPicture : public tGuiPicture {
  VANDRELL_GUI_HOOKS(tJournalPicture, tGuiPicture)

 public:
  tJournalPicture();
};

// Centred paragraphs 400 units wide.
class tJournalText : public tGuiText {
  VANDRELL_GUI_HOOKS(tJournalText, tGuiText)

 public:
  tJournalText();
};

// A link of the journal: it tells the journal when clicked with the left
// button and plays the button sounds.
class tJournalLink : public tGuiHref {
  VANDRELL_GUI_HOOKS(tJournalLink, tGuiHref)

 public:
  // In font `font` ("data/N/font") reading `text`, in the journal's violet.
  tJournalLink(tJournal& journal, const char* font, const std::string& text);

  void click(int32_t button) override;
  void treat(const std::shared_ptr<tGuiHoverable>& previous) override;

 protected:
  virtual void _clicked() = 0;

  // The journal holds its links, so it outlives them.
  tJournal& _journal;
};

class tJournalClose : public tJournalLink {
  VANDRELL_GUI_HOOKS(tJournalClose, tJournalLink)

 public:
  explicit tJournalClose(tJournal& journal);

 protected:
  void _clicked() override;
};

// The arrow to the page before, its right end 50 units left of the text.
class tJournalBack : public tJournalLink {
  VANDRELL_GUI_HOOKS(tJournalBack, tJournalLink)

 public:
  explicit tJournalBack(tJournal& journal) : tJournalBack(journal, "<", 1.0f, -1.0f) {}

 protected:
  // `side` -1 puts the arrow left of the text, +1 right of it; `hotspot` is
  // the end of the arrow that faces the text.
  tJournalBack(tJournal& journal, const std::string& text, float hotspot, float side);
  void _clicked() override;
};

// The arrow to the page after, its left end 50 units right of the text.
class tJournalNext : public tJournalBack {
  VANDRELL_GUI_HOOKS(tJournalNext, tJournalBack)

 public:
  explicit tJournalNext(tJournal& journal) : tJournalBack(journal, ">", 0.0f, 1.0f) {}

 protected:
  void _clicked() override;
};

}  // namespace vandrell
