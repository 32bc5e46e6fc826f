// Messages of the GUI root and its catchers: input translated from platform
// events, and the per-frame hover and treat passes.
#pragma once

#include <memory>
#include <vector>

#include "gui/message.h"

namespace vandrell {

class tGuiHoverable;

// Every hover-enabled object a hover pass reached, in the order the pass met
// them: the order in which a click's claimants overwrite one another.
using tHoverList = std::vector<std::weak_ptr<tGuiHoverable>>;

// Input: the std::shared_ptr<tGuiCatcher> to install. Only the root sees it.
VANDRELL_GUI_MESSAGE(GUIMSG_INSTALLCATCHER);
// Clears the key table.
VANDRELL_GUI_MESSAGE(GUIMSG_FLUSHINPUT);
// Asks every hover-enabled object whether the pointer is over it. Input:
// none, or a tHoverList* that every object the pass reaches joins, so a tool
// can ask what a click at any point would reach without moving the pointer.
VANDRELL_GUI_MESSAGE(GUIMSG_HOVER);
// Answer: the std::shared_ptr<tGuiHoverable> that takes the pointer.
VANDRELL_GUI_MESSAGE(GUIMSG_TREAT);

// Input: tIntArray{virtual key code}.
class GUIMSG_KEYUP final : public tGuiMessage {
  VANDRELL_GUI_MESSAGE_TYPE(GUIMSG_KEYUP)

 public:
  int32_t key() const { return inInt(0); }
};

class GUIMSG_KEYDOWN final : public tGuiMessage {
  VANDRELL_GUI_MESSAGE_TYPE(GUIMSG_KEYDOWN)

 public:
  int32_t key() const { return inInt(0); }
};

// Input: tIntArray{character code}.
class GUIMSG_KEYCHAR final : public tGuiMessage {
  VANDRELL_GUI_MESSAGE_TYPE(GUIMSG_KEYCHAR)

 public:
  // `char` is reserved in C++.
  int32_t character() const { return inInt(0); }
};

// Input: tIntArray{button as the platform numbers it}.
class GUIMSG_MOUSEUP final : public tGuiMessage {
  VANDRELL_GUI_MESSAGE_TYPE(GUIMSG_MOUSEUP)

 public:
  int32_t key() const { return inInt(0); }
};

class GUIMSG_MOUSEDOWN final : public tGuiMessage {
  VANDRELL_GUI_MESSAGE_TYPE(GUIMSG_MOUSEDOWN)

 public:
  int32_t key() const { return inInt(0); }
};

// Input: tIntArray{x, y, dx, dy} in window pixels.
class GUIMSG_MOUSEMOVE final : public tGuiMessage {
  VANDRELL_GUI_MESSAGE_TYPE(GUIMSG_MOUSEMOVE)

 public:
  int32_t x() const { return inInt(0); }
  int32_t y() const { return inInt(1); }
  int32_t dx() const { return inInt(2); }
  int32_t dy() const { return inInt(3); }
};

}  // namespace vandrell
