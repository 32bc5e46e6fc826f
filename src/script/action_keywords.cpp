#include "script/action_keywords.h"

namespace vandrell {

std::map<std::string, tActionMaker>& actionKeywords() {
  static std::map<std::string, tActionMaker> keywords;
  return keywords;
}

void RegisterActionKeyword(const std::string& keyword, tActionMaker maker) {
  actionKeywords()[keyword] = std::move(maker);
}

tActionPtr MakeAction(const std::string& keyword) {
  const auto& keywords = actionKeywords();
  const auto found = keywords.find(keyword);
  return found == keywords.end() ? nullptr : found->second();
}

}  // namespace vandrell
