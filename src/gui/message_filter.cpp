#include "gui/message_filter.h"

namespace vandrell {

void tGuiMessageFilter::allow(const tGuiMessage& msg) { put(alwaysAllowed(), msg.type(), true); }

void tGuiMessageFilter::add(const tGuiMessage& msg) { put(_filter, msg.type(), true); }

void tGuiMessageFilter::remove(const tGuiMessage& msg) { put(_filter, msg.type(), false); }

void tGuiMessageFilter::clear() { _filter.clear(); }

bool tGuiMessageFilter::filter(tGuiMessageType type) const {
  return contains(_filter, type) || contains(alwaysAllowed(), type);
}

tGuiMessageFilter::tTypeSet& tGuiMessageFilter::alwaysAllowed() {
  static tTypeSet types = [] {
    tTypeSet initial;
    put(initial, tGuiMessageType::of<GUIMSG_FREE>(), true);
    return initial;
  }();
  return types;
}

void tGuiMessageFilter::put(tTypeSet& types, tGuiMessageType type, bool present) {
  if (type.index() >= types.size()) {
    if (!present) return;
    types.resize(type.index() + 1, false);
  }
  types[type.index()] = present;
}

bool tGuiMessageFilter::contains(const tTypeSet& types, tGuiMessageType type) {
  return type.index() < types.size() && types[type.index()];
}

}  // namespace vandrell
