// The keyword registry: every action keyword, alias or not, maps to a maker of
// fresh actions of its class. Filled at start-up before any level loads.
#pragma once

#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>

namespace vandrell {

class tAction;
using tActionPtr = std::shared_ptr<tAction>;
using tActionMaker = std::function<tActionPtr()>;

// Keywords are compared case-sensitively.
std::map<std::string, tActionMaker>& actionKeywords();

// A later registration of the same keyword replaces the earlier one.
void RegisterActionKeyword(const std::string& keyword, tActionMaker maker);

// Registers a class under its keyword and its aliases.
template <typename Action>
void RegisterAction(std::initializer_list<const char*> keywords) {
  for (const char* keyword : keywords) RegisterActionKeyword(keyword, [] { return std::make_shared<Action>(); });
}

// A new action for the keyword, or null when it is not registered.
tActionPtr MakeAction(const std::string& keyword);

}  // namespace vandrell
