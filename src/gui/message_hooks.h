// Handler tables: which member function of a class handles which message type.
//
// Every class derived from tGuiObject names its handlers once, in its body:
//
//   class tLevel : public tGuiSet {
//     VANDRELL_GUI_HOOKS(tLevel, tGuiSet, &tLevel::GUIMSG_UPDATE, &tLevel::M_COMMANDGROUPS_FIND)
//    public:
//     virtual int32_t GUIMSG_UPDATE(vandrell::GUIMSG_UPDATE& msg);
//     virtual int32_t M_COMMANDGROUPS_FIND(vandrell::M_COMMANDGROUP_FIND& msg);
//   };
//
// The message type of each entry is taken from the handler's parameter, so a
// handler is found whatever its name. A class's table is its base class's table
// with its own entries laid over it; handlers should be virtual, so an override
// in a subclass runs even where only the base class lists it. A class with no
// handlers of its own still writes the macro with an empty list: delivering to
// an object whose class (or any base up to the one it names) lacks it throws,
// so a forgotten declaration fails the first test that reaches the object
// instead of leaving it deaf.
#pragma once

#include <stdexcept>
#include <string>
#include <type_traits>
#include <typeinfo>
#include <vector>

#include "gui/message.h"

namespace vandrell {

class tGuiObject;

using tGuiHook = int32_t (*)(tGuiObject& receiver, tGuiMessage& msg);

template <class Method>
struct tGuiHandlerSignature {
  static_assert(sizeof(Method) == 0, "a message handler is declared as int32_t Name(MessageType& msg)");
};

template <class Owner, class Message>
struct tGuiHandlerSignature<int32_t (Owner::*)(Message&)> {
  using tOwner = Owner;
  using tMessage = Message;
};

template <class Class, auto Method>
int32_t tGuiInvokeHandler(tGuiObject& receiver, tGuiMessage& msg) {
  using tMessage = typename tGuiHandlerSignature<decltype(Method)>::tMessage;
  return (static_cast<Class&>(receiver).*Method)(static_cast<tMessage&>(msg));
}

class tGuiHookTable {
 public:
  explicit tGuiHookTable(const std::type_info& owner) : _owner(&owner) {}

  // The handler for exactly this type, or null.
  tGuiHook find(tGuiMessageType type) const {
    return type.index() < _hooks.size() ? _hooks[type.index()] : nullptr;
  }
  const std::type_info& owner() const { return *_owner; }

  // The table of Class: this one (which must be the table of `base`) with
  // Class's handlers laid over it.
  template <class Class, auto... Methods>
  tGuiHookTable overlay(const std::type_info& base) const {
    if (*_owner != base) throw std::logic_error(std::string(base.name()) + " does not declare its message hooks");
    tGuiHookTable table = *this;
    table._owner = &typeid(Class);
    (table.add<Class, Methods>(), ...);
    return table;
  }

 private:
  template <class Class, auto Method>
  void add() {
    using tSignature = tGuiHandlerSignature<decltype(Method)>;
    using tMessage = typename tSignature::tMessage;
    static_assert(std::is_base_of_v<typename tSignature::tOwner, Class>, "the handler belongs to another class");
    static_assert(tGuiDirectMessage<tMessage>, "handlers take a message class declared with VANDRELL_GUI_MESSAGE");
    const uint32_t index = tGuiMessageType::of<tMessage>().index();
    if (index >= _hooks.size()) _hooks.resize(index + 1, nullptr);
    _hooks[index] = &tGuiInvokeHandler<Class, Method>;
  }

  const std::type_info* _owner;
  std::vector<tGuiHook> _hooks;
};

// Declares the handlers of CLASS, whose direct base is BASE; see above. The
// macro leaves the class body in a private section: write `public:` after it.
#define VANDRELL_GUI_HOOKS(CLASS, BASE, ...) VANDRELL_GUI_HOOKS_TABLE(CLASS, BASE, , __VA_ARGS__)
// The same for a class template whose base depends on its parameters.
#define VANDRELL_GUI_TEMPLATE_HOOKS(CLASS, BASE, ...) VANDRELL_GUI_HOOKS_TABLE(CLASS, BASE, template, __VA_ARGS__)

#define VANDRELL_GUI_HOOKS_TABLE(CLASS, BASE, TEMPLATE, ...)                                             \
 protected:                                                                                              \
  const tGuiHookTable& _getMessageHooks() const override {                                               \
    static_assert(std::is_same_v<CLASS, std::remove_cvref_t<decltype(*this)>>,                           \
                  "the message hooks name another class");                                               \
    static const tGuiHookTable hooks =                                                                   \
        BASE::_getMessageHooks().TEMPLATE overlay<CLASS __VA_OPT__(, ) __VA_ARGS__>(typeid(BASE));       \
    return hooks;                                                                                        \
  }                                                                                                      \
                                                                                                         \
 private:

}  // namespace vandrell
