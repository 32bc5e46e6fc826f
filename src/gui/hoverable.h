// The pointer side of a visual: whether the pointer is over it (hover) and
// whether it is the one object that takes the pointer (treat). Visual classes
// derive from this and supply visibility and their own hit test.
#pragma once

#include <cstdint>
#include <memory>

#include "gui/input_messages.h"
#include "gui/object.h"

namespace vandrell {

class tGuiHoverable : public tGuiObject {
  VANDRELL_GUI_HOOKS(tGuiHoverable, tGuiObject, &tGuiHoverable::GUIMSG_HOVER, &tGuiHoverable::GUIMSG_TREAT)

 public:
  virtual int32_t isVisible() const = 0;

  // Takes part in the hover pass while non-zero.
  virtual void keepHover(int32_t flag);
  virtual int32_t isHover() const;
  // Whether the window pixel (x, y) hits this object.
  virtual int32_t hovering(float x, float y) = 0;
  // Whether the object, as it stands, would be hovered with the pointer at
  // the window pixel (x, y).
  int32_t hoversAt(float x, float y);
  // Recomputes the hover flag from the pointer.
  virtual int32_t hoverUpdate();
  // Recomputes the hover flag; joins the message's hover list when it has one.
  virtual int32_t GUIMSG_HOVER(vandrell::GUIMSG_HOVER& msg);

  // Can become the treated object while non-zero.
  virtual void keepTreat(int32_t flag);
  int32_t keepsTreat() const { return _keepTreat; }
  virtual int32_t isTreat() const;
  // The treated object of the last treat pass, or null.
  static std::shared_ptr<tGuiHoverable> getTreat();
  // Runs a treat pass at once when this object's claim on the pointer no
  // longer matches the current answer.
  virtual void treatUpdate();
  virtual int32_t treated() const;
  // Answers with this object when it claims the pointer; being higher in the
  // stack it overwrites the claims of the objects below.
  virtual int32_t GUIMSG_TREAT(vandrell::GUIMSG_TREAT& msg);
  // Called when this object has just become the treated one.
  virtual void treat(const std::shared_ptr<tGuiHoverable>& previous);

 protected:
  int32_t _keepHover = 0;
  int32_t _hover = 0;
  int32_t _keepTreat = 0;
};

}  // namespace vandrell
