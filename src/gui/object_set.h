// An ordered, named set of GUI objects: the only container of the GUI. The
// list order is the stacking order: the first member is the bottom, and every
// message reaches the members bottom to top, so the topmost member that answers
// a query writes the answer last.
//
// Ownership: sets own their members, and nothing else owns a GUI object. Every
// other reference (a pic's location, its attached pics, a mission's pics, the
// owners in a pause map, a text's level) is a weak_ptr, a name looked up when
// needed, or a raw identity that never outlives its owner. So freeing a set
// frees all it held, and no cycle keeps a level alive after it is gone.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gui/message_filter.h"
#include "gui/object.h"

namespace vandrell {

class tGuiSet : public tGuiObject {
  VANDRELL_GUI_HOOKS(tGuiSet, tGuiObject, &tGuiSet::GUIMSG_FREE)

 public:
  using tOrder = std::vector<std::shared_ptr<tGuiObject>>;
  using tIndex = std::map<std::string, std::shared_ptr<tGuiObject>>;

  // Null lets every message through to the members.
  virtual void filter(std::shared_ptr<tGuiMessageFilter> f);
  virtual std::shared_ptr<tGuiMessageFilter> getFilter() const;

  // Delivers to the members (when the filter passes the type), then runs this
  // set's own handlers. The walk follows the live list: a member removed before
  // it is reached is skipped, one added at the top is reached, and one moved to
  // the top is reached again at the end.
  int32_t message(tGuiMessage& msg, tGuiMessageType type) override;
  // Drops the released object.
  virtual int32_t GUIMSG_FREE(vandrell::GUIMSG_FREE& msg);

  // Adds `obj` at the top under `name` without its outer white space; with no
  // name it keeps the name it has, or gets the next genid() number. Returns
  // `obj`, or null when the name is taken (the object keeps its new name).
  virtual std::shared_ptr<tGuiObject> insert(std::shared_ptr<tGuiObject> obj, const std::string& name = "");
  // The same at the bottom.
  virtual std::shared_ptr<tGuiObject> insertBottom(std::shared_ptr<tGuiObject> obj, const std::string& name = "");
  // Empties the set without telling the members.
  virtual void clear();
  // The member taken out, or null.
  virtual std::shared_ptr<tGuiObject> remove(const std::string& name);
  virtual int32_t removeObject(const std::shared_ptr<tGuiObject>& obj);
  // The member of exactly this name, or null.
  virtual std::shared_ptr<tGuiObject> find(const std::string& name) const;
  // The renamed member, or null when the new name is blank or taken or no
  // member bears the old one. Renaming to the same name changes nothing.
  virtual std::shared_ptr<tGuiObject> rename(const std::string& oldName, const std::string& newName);
  virtual int32_t toTop(const std::string& name);
  virtual int32_t toBottom(const std::string& name);
  // One place up (toward the top) or down; nothing at the end of the list.
  virtual int32_t toUp(const std::string& name);
  virtual int32_t toDown(const std::string& name);

  const tOrder& order() const { return _order; }
  const tIndex& index() const { return _index; }

 private:
  // Walks in progress hold the position of the member they are delivering to;
  // changes to the list shift those positions so the walks stay in step.
  class tWalk;

  std::shared_ptr<tGuiObject> add(std::shared_ptr<tGuiObject> obj, const std::string& name, bool atBottom);
  // The list position of `obj`, or -1.
  std::ptrdiff_t position(const tGuiObject* obj) const;
  std::shared_ptr<tGuiObject> unlink(std::ptrdiff_t position);
  void putAtBottom(std::shared_ptr<tGuiObject> obj);
  // Keeps a member taken out during a walk alive until the walk is over, since
  // it may be the object whose handler is running.
  void release(std::shared_ptr<tGuiObject> obj);
  // Moves `name`'s member; `move` gets its position.
  template <class Move>
  int32_t moveMember(const std::string& name, Move move);

  tOrder _order;
  tIndex _index;
  std::shared_ptr<tGuiMessageFilter> _filter;
  std::vector<std::ptrdiff_t*> _walks;
  std::vector<std::shared_ptr<tGuiObject>> _released;
};

}  // namespace vandrell
