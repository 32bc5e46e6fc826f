#include "scene/item.h"

#include "core/numeric.h"
#include "core/screen.h"
#include "gui/color.h"
#include "gui/mouse_catcher.h"
#include "platform/draw.h"
#include "resources/media_lookup.h"
#include "scene/item_art.h"
#include "scene/message.h"
#include "scene/mission_property.h"

namespace vandrell {

namespace {

// Caption and decoy count stand this far above the slot's bottom edge.
constexpr float OVERLAY_RISE = 10.0f;
// The caption is wider than the slot, so that a name fits on one or two lines.
constexpr float CAPTION_WIDTH = 1.5f;
// Caption lines stand closer than the font's own spacing.
constexpr int32_t CAPTION_LINE_SPACING = -5;
constexpr int32_t ALIGN_CENTRE = 2;

// Slot pictures are drawn untinted and opaque.
void setupBright() {
  tColorf::CreateBright(ALPHABLEND)->Setup();
  SetTransform(0.0f, 1.0f, 1.0f);
}

// An image of the pixels, drawn about its centre; null without pixels.
TImagePtr centredImage(const TPixmapPtr& pixmap) {
  TImagePtr image = pixmap ? TImage::Load(pixmap, FILTEREDIMAGE) : nullptr;
  CentreImageHandle(image);
  return image;
}

}  // namespace

tItem::tItem() {
  keepHover(1);
  keepTreat(1);
  hotspot(0.5f, 1.0f);
  const tItemArt& art = tItemArt::Current();
  const float width = art.bg ? static_cast<float>(art.bg->width) : 0.0f;
  if (art.bg) resize(width, static_cast<float>(art.bg->height), 0);
  move(_order0, _stick0, 0);

  _fake->letter(tFile::Current().letter("data/1s/font", rmDefault()), 0);
  _fake->hotspot(0.5f, 0.5f);
  const tLetterPtr caption = tFile::Current().letter("data/2s/font", rmDefault());
  caption->space(0, CAPTION_LINE_SPACING);
  _comment->letter(caption, 0);
  _comment->hotspot(0.5f, 0.0f);
  _comment->resize(CAPTION_WIDTH * width, 0.0f, 0);
  _comment->align(ALIGN_CENTRE);
}

void tItem::saveInstant(tConfigBase& cfg, const std::string& section) const {
  if (const auto pic = _dragPic.lock()) cfg.SetString(section, "drag", pic->id());
}

void tItem::loadInstant(const tConfigBase& cfg, const std::string& section) {
  if (!cfg.Contains(section, "drag")) return;
  const auto pic = std::dynamic_pointer_cast<tPicImage>(M_PIC_FIND::ask(cfg.GetString(section, "drag", "")));
  if (pic) dragIcon(pic);
}

void tItem::icon(const TPixmapPtr& pixmap, float scale) {
  _icon = centredImage(pixmap);
  _iconScale = scale;
  _dragIcon = _icon;
}

void tItem::dragIcon(const std::shared_ptr<tPicImage>& pic) {
  // A pic without a picture leaves the item dragging what it dragged.
  TImagePtr image = pic ? centredImage(pic->visual().getPixmap()) : nullptr;
  if (!image) return;
  _dragPic = pic;
  _dragIcon = std::move(image);
}

std::string tItem::getComment() const { return isHeld() ? "" : _commentValue; }

void tItem::idmessage(const std::string& key) {
  _idmessage = key;
  const std::shared_ptr<tMessage> message = M_MESSAGE_FIND::ask(key);
  if (!message) {
    _comment->clearlines();
    _commentValue.clear();
    return;
  }
  _comment->array2lines(message->getText());
  _commentValue = message->getLong();
}

int32_t tItem::isShow() const {
  const auto m = _mission.lock();
  return m && m->isShow() && !m->isComplete() ? 1 : 0;
}

bool tItem::isHeld() const {
  const auto m = _mission.lock();
  return m && tMissionProperty::Current().isHold(m.get());
}

int32_t tItem::GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg) {
  const float delta = msg.delta();
  _order = approachf(_order, _orderTo, _orderSpeed * delta);
  // A slot resting out of sight only keeps its place in the row.
  if (_stick == 0.0f && !isShow()) return 0;
  _stick = approachf(_stick, _stickTo(), _stickSpeed * delta);
  _push = approachf(_push, isHeld() ? 1.0f : 0.0f, _pushSpeed * delta);
  move(_order0 + _order * _orderGrid, _stick0 - _stick * _stickGrid - _push * _pushGrid, 0);
  _borderScale = approachf(_borderScale, isTreat() ? _borderMin : _borderMax, _borderSpeed * delta);
  return 0;
}

int32_t tItem::M_ITEM_RENDER0(vandrell::M_ITEM_RENDER0&) {
  render();
  return 0;
}

int32_t tItem::M_ITEM_RENDER1(vandrell::M_ITEM_RENDER1&) {
  renderComment();
  return 0;
}

void tItem::renderComment() {
  if (!isVisible() || !isPaint()) return;
  _paintComment();
  _paintFake();
  _paintIcon();
}

void tItem::_paintIcon() {
  if (!isHeld()) return;
  const tGuiMouseCatcher& mouse = tGuiMouseCatcher::Current();
  const float scale = _iconScale * _dragIconScale;
  setupBright();
  SetScale(scale * aspectw(), scale * aspecth());
  DrawImage(_dragIcon, static_cast<float>(mouse.x()), static_cast<float>(mouse.y()));
}

void tItem::_paintComment() {
  if (!isHeld()) return;
  _comment->move(h(), v() - OVERLAY_RISE, 0);
  _comment->render();
}

void tItem::_paintFake() {
  const auto m = _mission.lock();
  if (!m || !m->isFake()) return;
  const std::string count = std::to_string(m->fakeCount());
  _fake->value(m->isFakeComplete() ? "x" + count : count + "/" + std::to_string(m->getFake()));
  _fake->move(h(), v() - OVERLAY_RISE, 0);
  _fake->render();
}

int32_t tItem::GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg) {
  const auto m = _mission.lock();
  if (!m) return 0;
  tMissionProperty& property = tMissionProperty::Current();
  if (msg.key() == 1 && isTreat()) {
    if (isHeld()) {
      property.hold(nullptr);
    } else if (m->isMessage()) {
      m->showMessage();
    } else if (m->isFake() && !m->isFakeComplete()) {
      M_COMMAND_PLAYCALL::send("__fakemission");
    } else {
      property.hold(m);
    }
  } else if (msg.key() == 2 && isHeld()) {
    msg.out(shared_from_this());
    property.hold(nullptr);
  }
  return 0;
}

int32_t tItem::hovering(float x, float y) { return isShow() ? _hoveringRect(x, y) : 0; }

int32_t tItem::isVisible() const { return _stick > 0.0f && tGuiRect::isVisible() ? 1 : 0; }

void tItem::_paint() {
  const tItemArt& art = tItemArt::Current();
  const float x = H2X(h());
  const float y = V2Y(v() - t() / 2.0f);
  setupBright();
  SetScale(_borderScale * aspectw(), _borderScale * aspecth());
  DrawImage(art.border, x, y);
  SetScale(aspectw(), aspecth());
  if (isHeld()) {
    // The icon is at the pointer.
    DrawImage(art.hover, x, y);
    return;
  }
  DrawImage(isTreat() ? art.hover : art.bg, x, y);
  SetScale(_iconScale * aspectw(), _iconScale * aspecth());
  DrawImage(_icon, x, y);
}

}  // namespace vandrell
