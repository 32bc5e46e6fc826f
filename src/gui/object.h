// Anything that receives messages. Objects live in object sets (object_set.h)
// under the root (gui.h); a broadcast reaches every object in the tree.
#pragma once

#include <any>
#include <cstdint>
#include <memory>
#include <string>

#include "gui/message.h"
#include "gui/message_hooks.h"

namespace vandrell {

class tGuiObject : public std::enable_shared_from_this<tGuiObject> {
 public:
  tGuiObject() = default;
  tGuiObject(const tGuiObject&) = delete;
  tGuiObject& operator=(const tGuiObject&) = delete;
  virtual ~tGuiObject() = default;

  // The one entry for delivery to this object; `type` is msg.type(), worked
  // out once by the sender. Runs this object's handler for exactly that type.
  virtual int32_t message(tGuiMessage& msg, tGuiMessageType type);

  // Broadcasts through the root and returns the answer: the last value a
  // handler gave with out(), else `out`.
  static std::any send(tGuiMessage& msg, std::any in = {}, std::any out = {});
  static std::any send(tGuiMessage&& msg, std::any in = {}, std::any out = {});
  // Delivers to `target` alone (and, for a set, its members).
  static std::any sendto(tGuiObject& target, tGuiMessage& msg, std::any in = {}, std::any out = {});
  static std::any sendto(tGuiObject& target, tGuiMessage&& msg, std::any in = {}, std::any out = {});

  // 1, 2, 3, ... over the whole run.
  static int32_t genid();
  // The name under which sets hold this object.
  const std::string& id() const { return _id; }
  // Announces that this object leaves the GUI: every set the broadcast reaches
  // drops it. The object must be owned by a std::shared_ptr.
  void free();

 protected:
  // For an object that carries a name no set holds it under: the visual a
  // scene object wraps answers to the scene object's name.
  void id(std::string name) { _id = std::move(name); }

  virtual const tGuiHookTable& _getMessageHooks() const;
  virtual int32_t _message(tGuiMessage& msg, tGuiMessageType type);

 private:
  friend class tGuiSet;

  std::string _id;
  // This object's class table, looked up at the first delivery.
  const tGuiHookTable* _messageHooks = nullptr;
};

}  // namespace vandrell
