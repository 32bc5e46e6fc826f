#include "gui/hover_catchers.h"

#include "gui/hoverable.h"
#include "gui/input_messages.h"

namespace vandrell {

void tGuiHoverCatcher::update() { send(GUIMSG_HOVER{}); }

std::shared_ptr<tGuiHoverable> tGuiTreatCatcher::update() {
  const std::shared_ptr<tGuiHoverable> previous = _treat;
  const std::any answer = send(GUIMSG_TREAT{});
  const auto* treated = std::any_cast<std::shared_ptr<tGuiHoverable>>(&answer);
  _treat = treated ? *treated : nullptr;
  if (_treat && _treat != previous) _treat->treat(previous);
  return _treat;
}

}  // namespace vandrell
