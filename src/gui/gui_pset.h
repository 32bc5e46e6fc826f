// A coloured point in design coordinates whose position can follow a parent
// rectangle that changes shape.
#pragma once

#include <array>
#include <cstdint>

#include "gui/color.h"
#include "gui/rect.h"
#include "gui/visual.h"

namespace vandrell {

// Input: tRectPair{the parent's old rectangle, its new one}, design units.
using tRectPair = std::array<tRect, 2>;
class GUIMSG_PARENTRESHAPE final : public tGuiMessage {
  VANDRELL_GUI_MESSAGE_TYPE(GUIMSG_PARENTRESHAPE)

 public:
  const tRect& r0() const { return std::any_cast<const tRectPair&>(in())[0]; }
  const tRect& r1() const { return std::any_cast<const tRectPair&>(in())[1]; }
};

// Moves, resizes and turns either set a value or, with `relative` non-zero, add to it.
inline void SetOrAdd(float& field, float value, int32_t relative) { field = relative ? field + value : value; }

// How a coordinate or a length follows a reshaped parent.
constexpr int32_t ANCHOR_PROPORTIONAL = 0;
constexpr int32_t ANCHOR_START = 1;  // keeps its distance from the left or top edge; lengths stay
constexpr int32_t ANCHOR_END = 2;    // keeps its distance from the right or bottom edge; lengths grow alike

class tGuiPset : public tGuiVisual {
  VANDRELL_GUI_HOOKS(tGuiPset, tGuiVisual, &tGuiPset::GUIMSG_PARENTRESHAPE)

 public:
  // Shared: callers recolour the object by changing it in place.
  virtual const tColorfPtr& color() const { return _color; }
  virtual float h() const { return _h; }
  virtual float v() const { return _v; }
  virtual int32_t GUIMSG_PARENTRESHAPE(vandrell::GUIMSG_PARENTRESHAPE& msg);
  // Fully transparent objects are skipped without drawing.
  virtual bool isPaint() const;
  virtual void paint();
  virtual void _paint();
  // Subclasses that react to being moved override move; relative != 0 adds.
  virtual void move(float h, float v, int32_t relative);
  virtual void _move(float h, float v, int32_t relative) { _mathMove(h, v, relative); }
  virtual void _mathMove(float h, float v, int32_t relative);
  virtual void anchorPosition(int32_t hanchor, int32_t vanchor);
  virtual void _parentReshape(const tRect& oldRect, const tRect& newRect);
  static float _anchorMove(float pos, float oldStart, float oldLength, float newStart, float newLength,
                           int32_t anchor);

  // A point is never under the pointer.
  int32_t hovering(float x, float y) override { return 0; }
  void _render() override { paint(); }

 protected:
  tColorfPtr _color = tColorf::Create(ALPHABLEND);
  float _h = 0.0f;
  float _v = 0.0f;
  int32_t _hanchor = ANCHOR_PROPORTIONAL;
  int32_t _vanchor = ANCHOR_PROPORTIONAL;
};

}  // namespace vandrell
