#include "hud/cursor.h"

#include <cmath>

#include "core/numeric.h"
#include "core/screen.h"
#include "core/settings.h"
#include "gui/color.h"
#include "gui/link.h"
#include "hud/cursor_art.h"
#include "platform/draw.h"
#include "platform/input.h"
#include "platform/process_wide.h"
#include "resources/media_lookup.h"
#include "scene/item.h"
#include "scene/mission_property.h"
#include "scene/pic_visual.h"

namespace vandrell {

namespace {

// The comment box stands this far right of and below the pointer, in design
// units, and reaches this many window pixels beyond its text on either side.
constexpr float COMMENT_H = 23.0f;
constexpr float COMMENT_V = 9.0f;
constexpr float COMMENT_MARGIN = 5.0f;
constexpr int32_t CURSOR_NORMAL = 0;
constexpr int32_t CURSOR_HOVER = -1;
// What scenes write for "no shape of my own, and do not give me away".
constexpr int32_t CURSOR_PLAIN = -3;

bool isScenePicture(const tGuiHoverable* t) { return dynamic_cast<const tPicClickable*>(t) != nullptr; }

bool takesHoverCursor(const tGuiHoverable* t) {
  return dynamic_cast<const tGuiHref*>(t) || dynamic_cast<const tItem*>(t) || dynamic_cast<const tCursorButton*>(t);
}

void fill(const tRect& r, float red, float green, float blue) {
  tColorf::CreateRGB(red, green, blue, ALPHABLEND)->Setup();
  DrawRect(r.x, r.y, r.w, r.h);
}

}  // namespace

tCursor::tCursor() { _comment->letter(tFile::Current().letter("data/2/font", rmDefault()), 0); }

tCursor& tCursor::Current() { return tProcessWide<tCursor>::get(); }

const std::shared_ptr<tCursor>& tCursor::shared() { return tProcessWide<tCursor>::shared(); }

void tCursor::saveInstant(tConfigBase& config, const std::string& section) const {
  config.SetInt(section, "lock", _lock);
}

void tCursor::loadInstant(const tConfigBase& config, const std::string& section) {
  lock(config.GetInt(section, "lock", 0));
}

int32_t tCursor::GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
  const std::shared_ptr<tGuiHoverable> treated = tGuiHoverable::getTreat();
  const tGuiHoverable* t = treated.get();
  const auto* item = dynamic_cast<const tItem*>(t);
  const std::string comment = item ? item->getComment() : "";
  // Only a changed text rebuilds the label's surface.
  if (comment != _comment->getValue()) _comment->value(comment);

  _visible = _show || !isScenePicture(t) ? 1 : 0;
  if (!_visible) return 0;
  if (takesHoverCursor(t)) {
    setupCursor(CURSOR_HOVER);
  } else if (_lock) {
    setupCursor(CURSOR_NORMAL);
  } else if (isScenePicture(t)) {
    const tIntArray asked = M_PIC_CURSOR::ask();
    setupCursor(asked.empty() ? CURSOR_NORMAL : asked[0]);
  } else {
    setupCursor(CURSOR_NORMAL);
  }
  return 0;
}

int32_t tCursor::M_CURSOR_RENDER(vandrell::M_CURSOR_RENDER& msg) {
  const float x = static_cast<float>(msg.x());
  const float y = static_cast<float>(msg.y());
  drawComment(x, y);
  const bool systemPointer = tSettings::Current().HARDWARECURSOR != 0;
  if (_visible && systemPointer) {
    SetMouseVisible(true);
    SetSystemPointer(_cursor == CURSOR_NORMAL ? POINTER_ARROW : POINTER_HAND);
    return 0;
  }
  SetMouseVisible(false);
  if (!_visible) return 0;
  tColorf::CreateBright(ALPHABLEND)->Setup();
  SetTransform(0.0f, aspectw(), aspecth());
  if (_fade < 1.0f) {
    SetAlpha(1.0f - _fade);
    drawCursor(_fadeCursor, x, y);
  }
  if (_fade > 0.0f) {
    SetAlpha(_fade);
    drawCursor(_cursor, x, y);
  }
  return 0;
}

void tCursor::drawCursor(int32_t n, float x, float y) {
  const tCursorArt& art = tCursorArt::Current();
  if (n != CURSOR_NORMAL && tMissionProperty::Current().getHold()) {
    DrawImage(art.shape(CURSOR_HOVER), x, y);
    return;
  }
  DrawImage(art.shape(n), x, y);
  if (n == 4 || n == 5) {
    DrawImage(art.attention, x + static_cast<float>(_xPulse) * aspectw(),
              y + static_cast<float>(_yPulse) * aspecth() + (_pulse - 0.5f) * _pulseDelta);
  }
}

void tCursor::drawComment(float x, float y) {
  if (_comment->getValue().empty()) return;
  _comment->move(X2H(x) + COMMENT_H, Y2V(y) + COMMENT_V, 0);
  tRect box = _comment->xrect();
  box.x -= COMMENT_MARGIN;
  box.w += 2.0f * COMMENT_MARGIN;
  SetTransform(0.0f, 1.0f, 1.0f);
  fill(box, 0.7f, 0.5f, 1.0f);
  fill(tRect::Create(box.x + 1.0f, box.y + 1.0f, box.w - 2.0f, box.h - 2.0f), 0.0f, 0.0f, 0.0f);
  _comment->render();
}

int32_t tCursor::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  if (tSettings::Current().HARDWARECURSOR || !_visible) return 0;
  const float delta = msg.delta();
  _fade = approachf(_fade, 1.0f, _fadeSpeed * delta);
  // The mark falls across its range, stops dead at either end and falls
  // back the other way.
  _pulse += _pulseSpeed * delta;
  _pulseSpeed += _pulseF * delta;
  if (_pulse < 0.0f) {
    _pulse = 0.0f;
    _pulseSpeed = 0.0f;
    _pulseF = std::fabs(_pulseF);
  } else if (_pulse > 1.0f) {
    _pulse = 1.0f;
    _pulseSpeed = 0.0f;
    _pulseF = -std::fabs(_pulseF);
  }
  return 0;
}

void tCursor::setupCursor(int32_t n) {
  if (n == CURSOR_PLAIN) n = CURSOR_NORMAL;
  if (n == _cursor) return;
  if (n <= 0 && _cursor <= 0) {
    _cursor = n;
    return;
  }
  _fadeCursor = _cursor;
  _cursor = n;
  _fade = 0.0f;
}

int32_t tCursor::M_CURSOR_LOCK(vandrell::M_CURSOR_LOCK&) {
  lock(1);
  return 0;
}

int32_t tCursor::M_CURSOR_UNLOCK(vandrell::M_CURSOR_UNLOCK&) {
  lock(0);
  return 0;
}

}  // namespace vandrell
