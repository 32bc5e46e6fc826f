#include "hud/journal.h"

#include <algorithm>
#include <initializer_list>

#include "audio/audio.h"
#include "core/numeric.h"
#include "gui/app_messages.h"
#include "gui/formatter.h"
#include "gui/hover_catchers.h"
#include "hud/level_wide.h"
#include "resources/strings.h"
#include "scene/message.h"

namespace vandrell {

namespace {

// The share of black over the scene when the journal is open.
constexpr float SHADE_ALPHA = 0.85f;
// The gap between the title and the top of the page, and between the text
// and the close link.
constexpr float TITLE_GAP = 10.0f;
constexpr float CLOSE_GAP = 10.0f;

}  // namespace

tJournal::tJournal() {
  _fEnable->add<vandrell::GUIMSG_RENDER, vandrell::GUIMSG_HOVER, vandrell::GUIMSG_TREAT, vandrell::GUIMSG_MOUSEDOWN,
                vandrell::GUIMSG_MOUSEUP>();
  filter(_fDisable);
  insert(_bg);
  insert(_picture);
  insert(_text);
  insert(_title);
  insert(_close);
  insert(_back);
  insert(_next);
  updateVisible();
}

tJournal& tJournal::Current() { return tLevelWide<tJournal>::get(); }

void tJournal::saveInstant(tConfigBase& config, const std::string& section) const {
  for (int32_t i = 0; i < _nMessages; ++i) config.SetString(section, std::to_string(i), pageId(i));
}

void tJournal::loadInstant(const tConfigBase& config, const std::string& section) {
  const int32_t shown = _nMessage;
  clearMessages();
  for (int32_t i = 0; i < PAGES; ++i) {
    const std::string key = std::to_string(i);
    if (!config.Contains(section, key)) break;
    _append(config.GetString(section, key, ""));
  }
  _nMessage = _nMessages > 0 ? std::clamp(shown, 0, _nMessages - 1) : -1;
}

int32_t tJournal::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  if (!isShow()) return 0;
  const float before = _shade;
  _shade = approachf(_shade, _shadeTo, _shadeSpeed * msg.delta());
  if (before == 0.0f && _shade > 0.0f) filter(_fEnable);
  if (before > 0.0f && _shade == 0.0f) filter(_fDisable);
  updateVisible();
  const float alpha = _shade * SHADE_ALPHA;
  if (_bg->color()->a != alpha) {
    _bg->color()->a = alpha;
    // The shield comes and goes with the shade: the pointer's target follows
    // at once rather than on the next frame.
    tGuiHoverCatcher::Current().update();
    tGuiTreatCatcher::Current().update();
  }
  return 0;
}

void tJournal::updateVisible() {
  const int32_t complete = _shade == 1.0f ? 1 : 0;
  for (tGuiVisual* member : std::initializer_list<tGuiVisual*>{_title.get(), _text.get(), _picture.get(),
                                                               _close.get(), _back.get(), _next.get()}) {
    member->visible(complete);
  }
}

bool tJournal::_append(const std::string& id) {
  if (_nMessages >= PAGES || !_index.insert(id).second) return false;
  _messages[static_cast<size_t>(_nMessages++)] = id;
  return true;
}

void tJournal::addMessage(const std::string& id) {
  if (_index.count(id) != 0) return;
  const tMessagePtr message = M_MESSAGE_FIND::ask(id);
  if (!message || message->getLine(0).empty()) return;
  _append(id);
}

void tJournal::clearMessages() {
  for (int32_t i = 0; i < _nMessages; ++i) _messages[static_cast<size_t>(i)].clear();
  _nMessage = 0;
  _nMessages = 0;
  _index.clear();
}

void tJournal::updateMessage() {
  if (_nMessage < 0 || _nMessage >= _nMessages) return;
  const tMessagePtr message = M_MESSAGE_FIND::ask(pageId(_nMessage));
  if (!message) return;
  _title->value(tSf::Create(tStrings::Current().get("journal", "title")).d(_nMessage + 1).d(_nMessages).sf());
  _text->clearlines();
  _text->array2lines(message->getText());
  const TImagePtr& image = message->getImage();
  if (image && !image->pixmaps.empty()) {
    _picture->pixmap(image->pixmaps[0], FILTEREDIMAGE);
    _picture->resize(_picture->lPixmap() * message->getScale(), _picture->tPixmap() * message->getScale(), 0);
  } else {
    _picture->image(nullptr);
    _picture->resize(0.0f, 0.0f, 0);
  }
  // Title, picture, text and close link stacked about the centre; the
  // offset lets the picture overlap the title and the text.
  const float offset = message->getOffset();
  const float total = _title->t() + _picture->t() + _text->t() + _close->t() - 2.0f * offset;
  float top = _y0 - total / 2.0f;
  _title->move(_x0, top - TITLE_GAP, 0);
  top += _title->t() - offset;
  _picture->move(_x0, top, 0);
  top += _picture->t() - offset;
  _text->move(_x0, top, 0);
  top += _text->t();
  _close->move(_x0, top + CLOSE_GAP, 0);
  _next->enable(_nMessage < _nMessages - 1 ? 1 : 0);
  _back->enable(_nMessage > 0 ? 1 : 0);
}

void tJournal::nextMessage(int32_t step) {
  const int32_t before = _nMessage;
  _nMessage = _nMessages <= 0 ? -1 : std::clamp(_nMessage + step, 0, _nMessages - 1);
  if (_nMessage != before) updateMessage();
}

void tJournal::show() {
  _shadeTo = 1.0f;
  _nMessage = _nMessages - 1;
  updateMessage();
  M_LOCATION_PAUSE::send(this);
  tAudio::Current().pauseSound(1, this);
}

void tJournal::hide() {
  _shadeTo = 0.0f;
  M_LOCATION_PAUSEOFF::send(this);
  tAudio::Current().pauseSound(0, this);
}

}  // namespace vandrell
