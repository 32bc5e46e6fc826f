// What the pics of one level share: the origin offset, the frozen (held)
// pics, click blocking and the attachments that make one pic follow another
// pic or the pointer. A new level makes a fresh object the current one;
// scripts read it as the variable "uo".
//
// Every reference to a pic is weak: the location owns its pics, and a pic
// the level has let go of is simply passed over here.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "resources/config.h"
#include "script/expr_value.h"
#include "script/object.h"

namespace vandrell {

class tPic;
using tPicPtr = std::shared_ptr<tPic>;

// `b` follows `a` at the offsets captured when the attachment was made, or
// follows the pointer.
class tPicAttach {
 public:
  std::weak_ptr<tPic> a;
  std::weak_ptr<tPic> b;
  // A pointer attachment has no leader; a pic leader that is gone is not
  // the pointer, it leaves the attachment idle.
  bool pointer = false;
  float x = 0.0f;
  float y = 0.0f;
  float angle = 0.0f;
};

class tPicProperty : public tObject {
 public:
  static tPicProperty& Current();
  static const std::shared_ptr<tPicProperty>& shared();
  // Makes a fresh object the current one, for a new level.
  static tPicProperty& Renew();

  // Keys "offset" and "blockClick"; restoring sends nothing.
  virtual void saveInstant(tConfigBase& cfg, const std::string& section);
  virtual void loadInstant(tConfigBase& cfg, const std::string& section);
  // One section per held pic, `prefix` + 0, 1, ..., with the key "hold".
  virtual void saveHold(tConfigBase& cfg, const std::string& prefix);
  virtual void loadHold(tConfigBase& cfg, const std::string& prefix);
  // One section per attachment in list order: "a", "x", "y", "angle" for a
  // pic leader, and "b".
  virtual void saveAttach(tConfigBase& cfg, const std::string& prefix);
  virtual void loadAttach(tConfigBase& cfg, const std::string& prefix);

  // Switching the offset broadcasts M_PIC_OFFSET with the amount every pic
  // must move by.
  virtual void offset(int32_t on);
  virtual int32_t isOffset() const { return _offset; }
  // The offset while it is in force, else 0.
  virtual int32_t offsetX() const;
  virtual int32_t offsetY() const;
  // The pointer in the pics' coordinates: design units less the offset.
  virtual float mouseX() const;
  virtual float mouseY() const;

  // While any pic is held only held pics can be hovered; changes broadcast
  // M_PIC_MUTABLE so every pic re-evaluates.
  virtual void hold(const tPicPtr& pic);
  virtual void clearHold();
  virtual int32_t isHold(const tPic* pic) const;
  virtual int32_t isHolding() const;

  virtual void blockClick(int32_t on) { _blockClick = on; }
  virtual int32_t isBlockClick() const { return _blockClick; }

  // "mousex", "mousey" (design units, less the offset), "mousexspeed",
  // "mouseyspeed"; anything else is a null object.
  virtual tExprValuePtr zeb_property(const std::string& name);

  // `b` follows `a` (null: the pointer). The same pair is replaced in place,
  // and an attachment is laid out before those that lead from its follower.
  virtual void attach(const tPicPtr& a, const tPicPtr& b);
  virtual void attachPointer(const tPicPtr& b);
  // Drops the attachments in which `b` follows; those it leads stay.
  virtual void detach(const tPic* b);
  // Moves every follower, in list order; run once per update.
  virtual void layoutAttach();

  const std::vector<tPicAttach>& attachments() const { return _attach; }

 protected:
  int32_t _offsetX = 0;
  int32_t _offsetY = -30;
  int32_t _offset = 1;
  std::vector<std::weak_ptr<tPic>> _hold;
  int32_t _blockClick = 0;
  std::vector<tPicAttach> _attach;
};

}  // namespace vandrell
