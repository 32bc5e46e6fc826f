#include "gui/hoverable.h"

#include "gui/mouse_catcher.h"
#include "gui/hover_catchers.h"

namespace vandrell {

void tGuiHoverable::keepHover(int32_t flag) { _keepHover = flag; }

int32_t tGuiHoverable::isHover() const { return _hover; }

int32_t tGuiHoverable::hoversAt(float x, float y) { return _keepHover && isVisible() && hovering(x, y) ? 1 : 0; }

int32_t tGuiHoverable::hoverUpdate() {
  const tGuiMouseCatcher& mouse = tGuiMouseCatcher::Current();
  _hover = hoversAt(static_cast<float>(mouse.x()), static_cast<float>(mouse.y()));
  return _hover;
}

int32_t tGuiHoverable::GUIMSG_HOVER(vandrell::GUIMSG_HOVER& msg) {
  tHoverList* const* list = msg.inAs<tHoverList*>();
  if (const auto self = weak_from_this().lock(); list && self) {
    (*list)->push_back(std::static_pointer_cast<tGuiHoverable>(self));
  }
  return hoverUpdate();
}

void tGuiHoverable::keepTreat(int32_t flag) { _keepTreat = flag; }

int32_t tGuiHoverable::isTreat() const { return getTreat().get() == this ? 1 : 0; }

std::shared_ptr<tGuiHoverable> tGuiHoverable::getTreat() { return tGuiTreatCatcher::Current().get(); }

void tGuiHoverable::treatUpdate() {
  if (treated() != isTreat()) tGuiTreatCatcher::Current().update();
}

int32_t tGuiHoverable::treated() const { return _keepTreat && isHover() ? 1 : 0; }

int32_t tGuiHoverable::GUIMSG_TREAT(vandrell::GUIMSG_TREAT& msg) {
  if (treated()) msg.out(std::static_pointer_cast<tGuiHoverable>(shared_from_this()));
  return 0;
}

void tGuiHoverable::treat(const std::shared_ptr<tGuiHoverable>&) {}

}  // namespace vandrell
