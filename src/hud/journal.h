// The journal: the story and hint pages scripts collect during a level,
// shown one at a time over the darkened scene, with the page number, the
// page's picture and words, a close link and arrows to the pages before and
// after. Open, it pauses the scene and its sounds. It lives in the bottom
// panel, whose journal button opens and closes it; one exists per level.
//
// Opening first darkens the scene and shows the page only once the shade is
// complete; closing hides the page at once and lifts the pause while the
// shade clears.
#pragma once

#include <cstdint>
#include <set>
#include <memory>
#include <string>
#include <vector>

#include "gui/input_messages.h"
#include "gui/message_filter.h"
#include "gui/object_set.h"
#include "hud/journal_parts.h"
#include "resources/config.h"

namespace vandrell {

class tJournal : public tGuiSet {
  VANDRELL_GUI_HOOKS(tJournal, tGuiSet, &tJournal::GUIMSG_UPDATE)

 public:
  // The pages a journal keeps; a page beyond them is refused.
  static constexpr int32_t PAGES = 1000;
  // The centre of the page.
  static constexpr float _x0 = 400.0f;
  static constexpr float _y0 = 300.0f;
  // Shade change per second.
  static constexpr float _shadeSpeed = 3.0f;

  // Closed and empty.
  tJournal();

  // The journal of the running level, or an idle, empty stand-in.
  static tJournal& Current();

  // The page ids, one key a page ("0", "1", ...).
  virtual void saveInstant(tConfigBase& config, const std::string& section) const;
  // The ids of keys "0", "1", ... up to the first missing one; the page
  // shown stays.
  virtual void loadInstant(const tConfigBase& config, const std::string& section);
  virtual int32_t isEmpty() const { return _nMessages <= 0 ? 1 : 0; }
  // Shades the scene in or out; runs while the members are filtered out.
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  // The page shows only while the shade is complete.
  virtual void updateVisible();
  // Adds the message `id` as the last page, unless it is a page already,
  // the level has no such message, or its first line is empty.
  virtual void addMessage(const std::string& id);
  virtual void clearMessages();
  // Lays out the current page.
  virtual void updateMessage();
  // `step` pages on (back when negative), kept within the pages.
  virtual void nextMessage(int32_t step);
  virtual void backMessage() { nextMessage(-1); }
  // Opens on the newest page and pauses the scene and its sounds.
  virtual void show();
  // Closes, and lifts the pause at once.
  virtual void hide();
  // Open, opening or closing.
  virtual int32_t isShow() const { return _shade > 0.0f || _shadeTo > 0.0f ? 1 : 0; }

  int32_t pages() const { return _nMessages; }
  // The index of the page shown, -1 without pages.
  int32_t page() const { return _nMessage; }
  const std::string& pageId(int32_t index) const { return _messages[static_cast<size_t>(index)]; }
  float shade() const { return _shade; }
  const tJournalBg& bg() const { return *_bg; }
  const tJournalTitle& title() const { return *_title; }
  const tJournalText& text() const { return *_text; }
  const tJournalPicture& picture() const { return *_picture; }
  const tJournalClose& closeLink() const { return *_close; }
  const tJournalBack& backLink() const { return *_back; }
  const tJournalNext& nextLink() const { return *_next; }

 protected:
  // The page `id` appended, when there is room and it is new.
  bool _append(const std::string& id);

  std::shared_ptr<tGuiMessageFilter> _fEnable = std::make_shared<tGuiMessageFilter>();
  std::shared_ptr<tGuiMessageFilter> _fDisable = std::make_shared<tGuiMessageFilter>();
  std::vector<std::string> _messages = std::vector<std::string>(PAGES);
  int32_t _nMessages = 0;
  int32_t _nMessage = -1;
  // The ids already added, for a quick test.
  std::set<std::string> _index;
  std::shared_ptr<tJournalBg> _bg = std::make_shared<tJournalBg>();
  std::shared_ptr<tJournalTitle> _title = std::make_shared<tJournalTitle>();
  std::shared_ptr<tJournalText> _text = std::make_shared<tJournalText>();
  std::shared_ptr<tJournalPicture> _picture = std::make_shared<tJournalPicture>();
  std::shared_ptr<tJournalClose> _close = std::make_shared<tJournalClose>(*this);
  std::shared_ptr<tJournalBack> _back = std::make_shared<tJournalBack>(*this);
  std::shared_ptr<tJournalNext> _next = std::make_shared<tJournalNext>(*this);
  float _shade = 0.0f;
  float _shadeTo = 0.0f;
};

}  // namespace vandrell
