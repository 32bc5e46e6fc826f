#include "scene/item_layer.h"

#include "gui/app_messages.h"
#include "gui/input_messages.h"

namespace vandrell {

tItemLayer::tItemLayer() {
  auto passes = std::make_shared<tGuiMessageFilter>();
  passes->add<vandrell::GUIMSG_UPDATE, vandrell::GUIMSG_HOVER, vandrell::GUIMSG_TREAT, vandrell::GUIMSG_MOUSEDOWN,
              vandrell::M_ITEM_RENDER0, vandrell::M_ITEM_RENDER1>();
  filter(std::move(passes));
}

int32_t tItemLayer::message(tGuiMessage& msg, tGuiMessageType type) {
  if (type == tGuiMessageType::of<vandrell::GUIMSG_UPDATE>()) layout();
  return tGuiSet::message(msg, type);
}

void tItemLayer::layout() {
  int32_t place = 0;
  for (const auto& member : order()) {
    const auto slot = std::dynamic_pointer_cast<tItem>(member);
    if (!slot) continue;
    slot->order(static_cast<float>(place));
    if (slot->isShow()) ++place;
  }
}

int32_t tItemLayer::GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
  sendto(*this, vandrell::M_ITEM_RENDER0{});
  sendto(*this, vandrell::M_ITEM_RENDER1{});
  return 0;
}

tItemPtr tItemLayer::add(const std::shared_ptr<tItemMission>& mission, const TPixmapPtr& icon, float scale) {
  if (!mission || find(mission->id())) return nullptr;
  auto slot = std::make_shared<tItem>();
  slot->mission(mission);
  slot->idmessage(mission->id() + "_name");
  slot->icon(icon, scale);
  insert(slot, mission->id());
  return slot;
}

tItemPtr tItemLayer::item(const std::string& name) const { return std::dynamic_pointer_cast<tItem>(find(name)); }

void tItemLayer::saveInstant(tConfigBase& cfg, const std::string& prefix) const {
  for (const auto& member : order()) {
    if (const auto slot = std::dynamic_pointer_cast<tItem>(member)) slot->saveInstant(cfg, prefix + slot->id());
  }
}

void tItemLayer::loadInstant(const tConfigBase& cfg, const std::string& prefix) {
  for (const auto& member : order()) {
    if (const auto slot = std::dynamic_pointer_cast<tItem>(member)) slot->loadInstant(cfg, prefix + slot->id());
  }
}

}  // namespace vandrell
