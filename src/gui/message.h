// Messages: the only way GUI objects talk to each other. A sender fills a
// message's input slot and broadcasts it; handlers chosen by the message's
// exact type may answer through its output slot.
#pragma once

#include <any>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vandrell {

// Numeric payloads travel as arrays: key codes, buttons and positions as Int
// arrays, the frame delta as a one-element Float array.
using tIntArray = std::vector<int32_t>;
using tFloatArray = std::vector<float>;

// Identity of a message class, numbered densely from 0 in the order the
// classes are first asked for, so handler tables can be indexed by it.
class tGuiMessageType {
 public:
  template <class Message>
  static tGuiMessageType of() {
    static const tGuiMessageType type(next());
    return type;
  }

  uint32_t index() const { return _index; }
  friend bool operator==(tGuiMessageType, tGuiMessageType) = default;

 private:
  explicit tGuiMessageType(uint32_t index) : _index(index) {}
  static uint32_t next();

  uint32_t _index;
};

class tGuiMessage;

// Whatever receives every emitted message (the GUI root).
class tGuiMessageReceiver {
 public:
  virtual ~tGuiMessageReceiver() = default;
  virtual void SendMessage(tGuiMessage& message) = 0;
};

class tGuiMessage {
 public:
  virtual ~tGuiMessage() = default;

  // The receiver of every emitted message; a later call replaces it.
  static void gui(tGuiMessageReceiver* receiver);

  virtual tGuiMessage& make(std::any in, std::any out);
  // Broadcasts through the receiver (nothing happens without one) and returns
  // the answer.
  const std::any& emit();
  const std::any& in() const { return _in; }
  void out(std::any value) { _out = std::move(value); }
  const std::any& checkOut() const { return _out; }

  // The slots as a given type, or null when they hold something else.
  template <class T>
  const T* inAs() const {
    return std::any_cast<T>(&_in);
  }
  template <class T>
  const T* outAs() const {
    return std::any_cast<T>(&_out);
  }

  virtual tGuiMessageType type() const = 0;

 protected:
  // An element of an Int or Float array input. A message sent with another
  // payload is a programming error and throws.
  int32_t inInt(size_t index) const { return std::any_cast<const tIntArray&>(_in).at(index); }
  float inFloat(size_t index) const { return std::any_cast<const tFloatArray&>(_in).at(index); }

 private:
  std::any _in;
  std::any _out;
};

// Declares the identity of a message class; used inside its body. Message
// classes are final, so every one derives from tGuiMessage directly.
#define VANDRELL_GUI_MESSAGE_TYPE(NAME)                                              \
 public:                                                                             \
  using tDirectMessage = NAME;                                                       \
  tGuiMessageType type() const override { return tGuiMessageType::of<NAME>(); }      \
                                                                                     \
 private:

// A message class without accessors.
#define VANDRELL_GUI_MESSAGE(NAME) \
  class NAME final : public tGuiMessage { VANDRELL_GUI_MESSAGE_TYPE(NAME) }

// Only message classes declared with the macros above can be handled.
template <class Message>
concept tGuiDirectMessage =
    std::derived_from<Message, tGuiMessage> && std::same_as<typename Message::tDirectMessage, Message>;

// Input: the std::shared_ptr<tGuiObject> leaving the GUI.
VANDRELL_GUI_MESSAGE(GUIMSG_FREE);
VANDRELL_GUI_MESSAGE(GUIMSG_RENDER);

// Input: tFloatArray{seconds since the last frame}.
class GUIMSG_UPDATE final : public tGuiMessage {
  VANDRELL_GUI_MESSAGE_TYPE(GUIMSG_UPDATE)

 public:
  // A missing input becomes {0.0}, so delta() always has a value.
  tGuiMessage& make(std::any in, std::any out) override;
  float delta() const { return inFloat(0); }
};

}  // namespace vandrell
