// The row of item slots on the bottom panel. Before every update it gives
// each slot its place: the shown slots take places 0, 1, 2, ... from the
// left in stacking order, so when one is done the others close ranks, and a
// hidden slot waits at the place of the next shown one. It draws in two
// passes of its own, every slot before any caption or held icon.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/object_set.h"
#include "platform/pixmap.h"
#include "resources/config.h"
#include "scene/item.h"
#include "scene/item_mission.h"

namespace vandrell {

class tItemLayer : public tGuiSet {
  VANDRELL_GUI_HOOKS(tItemLayer, tGuiSet, &tItemLayer::GUIMSG_RENDER)

 public:
  // Lets through to the slots only updates, the pointer passes, presses and
  // the layer's own render passes.
  tItemLayer();

  // Lays the row out before the slots see an update.
  int32_t message(tGuiMessage& msg, tGuiMessageType type) override;
  virtual void layout();
  virtual int32_t GUIMSG_RENDER(vandrell::GUIMSG_RENDER& msg);

  // The slot of an item mission, as the level loader makes it: at the top of
  // the row under the mission's id, captioned by the message id + "_name".
  // Null when the row already has a slot of that name.
  virtual tItemPtr add(const std::shared_ptr<tItemMission>& mission, const TPixmapPtr& icon, float scale);
  // The slot of that name (the mission id), or null.
  virtual tItemPtr item(const std::string& name) const;
  // Each slot in its own section, `prefix` + its name.
  virtual void saveInstant(tConfigBase& cfg, const std::string& prefix) const;
  virtual void loadInstant(const tConfigBase& cfg, const std::string& prefix);
};

}  // namespace vandrell
