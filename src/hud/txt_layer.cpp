#include "hud/txt_layer.h"

#include <memory>

#include "gui/app_messages.h"
#include "gui/input_messages.h"

namespace vandrell {

tTxtLayer::tTxtLayer() {
  auto passes = std::make_shared<tGuiMessageFilter>();
  passes->add(vandrell::GUIMSG_UPDATE{});
  passes->add(vandrell::GUIMSG_HOVER{});
  passes->add(vandrell::GUIMSG_TREAT{});
  passes->add(vandrell::GUIMSG_MOUSEDOWN{});
  passes->add(vandrell::M_TXT_RENDER0{});
  passes->add(vandrell::M_TXT_RENDER1{});
  passes->add(vandrell::M_TXT_HIDE{});
  filter(std::move(passes));
}

int32_t tTxtLayer::GUIMSG_RENDER(vandrell::GUIMSG_RENDER&) {
  sendto(*this, vandrell::M_TXT_RENDER0{});
  sendto(*this, vandrell::M_TXT_RENDER1{});
  return 0;
}

}  // namespace vandrell
