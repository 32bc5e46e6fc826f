// The set of message types an object set lets through to its members.
#pragma once

#include <vector>

#include "gui/message.h"

namespace vandrell {

class tGuiMessageFilter {
 public:
  // Lets the type of `msg` through every filter; release notices
  // (GUIMSG_FREE) are allowed from the start.
  static void allow(const tGuiMessage& msg);

  void add(const tGuiMessage& msg);
  // Adds the types of the given message classes.
  template <class... Messages>
  void add() {
    (add(Messages{}), ...);
  }
  void remove(const tGuiMessage& msg);
  // Empties this filter; the types allowed everywhere stay allowed.
  void clear();
  bool filter(tGuiMessageType type) const;

 private:
  // Indexed by message type; a set is tested on every broadcast it receives.
  using tTypeSet = std::vector<bool>;
  static tTypeSet& alwaysAllowed();
  static void put(tTypeSet& types, tGuiMessageType type, bool present);
  static bool contains(const tTypeSet& types, tGuiMessageType type);

  tTypeSet _filter;
};

}  // namespace vandrell
