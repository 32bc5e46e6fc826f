#include "gui/typed_message.h"

#include <cxxabi.h>

#include <cstdlib>
#include <memory>

#include "platform/log.h"

namespace vandrell::typed_message {

namespace {

std::string readable(const std::type_info& type) {
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
  return status == 0 && name ? name.get() : type.name();
}

}  // namespace

void reportMismatch(const tGuiMessage& msg, const char* slot, const std::type_info& given,
                    const std::type_info& expected) {
  DebugLog("message " + readable(typeid(msg)) + ": " + slot + " is " + readable(given) + " instead of " +
           readable(expected) + "; read as empty");
}

void reportMissing(const tGuiMessage& msg, size_t index) {
  DebugLog("message " + readable(typeid(msg)) + ": no number " + std::to_string(index) + " in the input; read as 0");
}

}  // namespace vandrell::typed_message
