// Messages with typed payloads. A message class names the type of its input
// and, for a query, of its answer; senders and handlers only go through the
// typed functions below, so they cannot disagree on a payload. Objects travel
// as a std::shared_ptr to the base class the vocabulary names (tPic,
// tMission, ...): a sender holding a derived class converts at the call, and a
// handler that needs the derived class casts with std::dynamic_pointer_cast.
//
// Whoever fills a slot with something else through the untyped make() gets a
// diagnostic naming the message and both types, and the handler reads an empty
// payload instead of a silent null of the wrong kind.
#pragma once

#include <any>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "gui/message.h"
#include "gui/object.h"

namespace vandrell {

// The input of a message that carries none.
struct tGuiNone {};

namespace typed_message {
// Writes the diagnostic line for a payload of the wrong type.
void reportMismatch(const tGuiMessage& msg, const char* slot, const std::type_info& given,
                    const std::type_info& expected);
void reportMissing(const tGuiMessage& msg, size_t index);

template <class T>
void require(std::any& slot, const tGuiMessage& msg, const char* name) {
  if (!slot.has_value()) {
    slot = T{};
  } else if (slot.type() != typeid(T)) {
    reportMismatch(msg, name, slot.type(), typeid(T));
    slot = T{};
  }
}
}  // namespace typed_message

// A message whose input is an `In`. Self is the final message class.
template <class Self, class In>
class tGuiNotice : public tGuiMessage {
 public:
  // Broadcasts through the root.
  static void send(In in = In{}) {
    Self msg;
    tGuiObject::send(msg, std::any(std::move(in)));
  }
  // Delivers to `target` alone (and, for a set, its members).
  static void sendto(tGuiObject& target, In in = In{}) {
    Self msg;
    tGuiObject::sendto(target, msg, std::any(std::move(in)));
  }

  tGuiMessage& make(std::any in, std::any out) override {
    typed_message::require<In>(in, *this, "input");
    return tGuiMessage::make(std::move(in), std::move(out));
  }

  const In& input() const { return *this->template inAs<In>(); }

 protected:
  // An element of an Int array input; one the sender left out is reported and
  // reads 0.
  int32_t number(const tIntArray& numbers, size_t index) const {
    if (index < numbers.size()) return numbers[index];
    typed_message::reportMissing(*this, index);
    return 0;
  }
};

// A query: input `In`, answer `Out`. Nothing found leaves the answer empty, so
// an object answer reads as null.
template <class Self, class In, class Out>
class tGuiQuery : public tGuiNotice<Self, In> {
 public:
  // Broadcasts and returns the answer of the topmost handler.
  static Out ask(In in = In{}) {
    Self msg;
    tGuiObject::send(msg, std::any(std::move(in)));
    return msg.answer();
  }

  void answer(Out value) { this->out(std::move(value)); }
  Out answer() const {
    if (!this->checkOut().has_value()) return Out{};
    if (const Out* value = this->template outAs<Out>()) return *value;
    typed_message::reportMismatch(*this, "answer", this->checkOut().type(), typeid(Out));
    return Out{};
  }
};

// A notice with a typed input, and a query with a typed input and answer,
// without accessors of their own.
#define VANDRELL_GUI_NOTICE(NAME, IN) \
  class NAME final : public tGuiNotice<NAME, IN> { VANDRELL_GUI_MESSAGE_TYPE(NAME) }
#define VANDRELL_GUI_QUERY(NAME, IN, OUT) \
  class NAME final : public tGuiQuery<NAME, IN, OUT> { VANDRELL_GUI_MESSAGE_TYPE(NAME) }

}  // namespace vandrell
