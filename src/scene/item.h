// One slot of the item row at the bottom of the screen: an item mission's
// icon on a cushion inside a pulsing frame. The slot rises into view while
// its mission is shown and unfinished and sinks away after; it slides
// sideways to the place the row gives it (item_layer.h). A press of the first
// button takes the item up (or shows its message, or asks the level about
// missing decoys); while held, the slot rises a little more, shows an empty
// lit cushion and the icon follows the pointer, drawn smaller, with the
// item's caption under the slot. The second button anywhere, or the first on
// the slot again, puts it down.
//
// The level owns the mission and the pic whose picture may be dragged
// instead of the icon; the slot refers to both weakly.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/app_messages.h"
#include "gui/gui_rect.h"
#include "gui/input_messages.h"
#include "gui/label.h"
#include "gui/text_box.h"
#include "platform/image.h"
#include "platform/pixmap.h"
#include "resources/config.h"
#include "scene/item_mission.h"
#include "scene/pic_image.h"

namespace vandrell {

class tItem : public tGuiRect {
  VANDRELL_GUI_HOOKS(tItem, tGuiRect, &tItem::GUIMSG_UPDATE, &tItem::M_ITEM_RENDER0, &tItem::M_ITEM_RENDER1,
                     &tItem::GUIMSG_MOUSEDOWN)

 public:
  // The frame pulses between these scales, at this rate per second: small
  // while the pointer is on the slot.
  static constexpr float _borderSpeed = 0.5f;
  static constexpr float _borderMax = 0.85f;
  static constexpr float _borderMin = 0.75f;
  // The held icon at the pointer, relative to the icon's own scale.
  static constexpr float _dragIconScale = 0.75f;
  // The bottom edge: hidden at _stick0, raised by _stickGrid when shown.
  static constexpr float _stick0 = 660.0f;
  static constexpr float _stickGrid = 100.0f;
  static constexpr float _stickSpeed = 2.0f;
  // The centre of place n of the row: _order0 + n * _orderGrid.
  static constexpr float _order0 = 50.0f;
  static constexpr float _orderGrid = 70.0f;
  static constexpr float _orderSpeed = 2.0f;
  // How much higher a held item's slot stands.
  static constexpr float _pushSpeed = 5.0f;
  static constexpr float _pushGrid = 10.0f;

  // Hidden below the screen at place 0, sized as the cushion, hovered and
  // clicked on its rectangle; its position is its bottom centre.
  tItem();

  // Key "drag": the pic dragged instead of the icon, when there is one. The
  // rest follows from the mission's own saved state.
  virtual void saveInstant(tConfigBase& cfg, const std::string& section) const;
  virtual void loadInstant(const tConfigBase& cfg, const std::string& section);
  virtual void mission(const std::shared_ptr<tItemMission>& m) { _mission = m; }
  virtual std::shared_ptr<tItemMission> getMission() const { return _mission.lock(); }
  // The icon drawn on the cushion and, `_dragIconScale` smaller, at the pointer.
  virtual void icon(const TPixmapPtr& pixmap, float scale);
  // Drags the picture of `pic` instead of the icon (scripts choose it).
  virtual void dragIcon(const std::shared_ptr<tPicImage>& pic);
  // The long text of the caption, for the panel's comment line; "" while
  // the item is held (the slot shows its caption itself then).
  virtual std::string getComment() const;
  // Takes the caption from the message `key` of the level's message table;
  // a key the table lacks leaves no caption.
  virtual void idmessage(const std::string& key);
  virtual float _stickTo() const { return isShow() ? 1.0f : 0.0f; }
  // The place in the row the slot slides to.
  virtual void order(float n) { _orderTo = n; }
  // Has a mission that is shown and not complete.
  virtual int32_t isShow() const;
  virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
  // The row's first pass: frame, cushion and icon.
  virtual int32_t M_ITEM_RENDER0(vandrell::M_ITEM_RENDER0& msg);
  // Its second pass: caption, decoy count and the held icon, above every slot.
  virtual int32_t M_ITEM_RENDER1(vandrell::M_ITEM_RENDER1& msg);
  virtual void renderComment();
  virtual void _paintIcon();
  virtual void _paintComment();
  virtual void _paintFake();
  virtual int32_t GUIMSG_MOUSEDOWN(vandrell::GUIMSG_MOUSEDOWN& msg);

  int32_t hovering(float x, float y) override;
  int32_t isVisible() const override;
  void _paint() override;

 protected:
  // Whether this slot's item is the one held.
  bool isHeld() const;

  float _borderScale = 0.375f;
  std::weak_ptr<tItemMission> _mission;
  TImagePtr _icon;
  float _iconScale = 0.0f;
  std::weak_ptr<tPicImage> _dragPic;
  TImagePtr _dragIcon;
  std::shared_ptr<tGuiLabel> _fake = std::make_shared<tGuiLabel>();
  std::shared_ptr<tGuiText> _comment = std::make_shared<tGuiText>();
  std::string _commentValue;
  std::string _idmessage;
  // 0 hidden below .. 1 fully raised.
  float _stick = 0.0f;
  float _order = 0.0f;
  float _orderTo = 0.0f;
  // 1 while held.
  float _push = 0.0f;
};

using tItemPtr = std::shared_ptr<tItem>;

}  // namespace vandrell
