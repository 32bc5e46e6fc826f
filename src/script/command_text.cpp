#include "script/command_text.h"

#include <algorithm>

namespace vandrell {

namespace {
std::vector<std::string> splitAt(const std::string& text, char separator) {
  std::vector<std::string> pieces;
  std::string::size_type begin = 0;
  for (;;) {
    const auto end = text.find(separator, begin);
    pieces.push_back(text.substr(begin, end == std::string::npos ? std::string::npos : end - begin));
    if (end == std::string::npos) return pieces;
    begin = end + 1;
  }
}
}  // namespace

std::string TrimScriptText(const std::string& text) {
  const auto control = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  const auto first = std::find_if_not(text.begin(), text.end(), control);
  const auto last = std::find_if_not(text.rbegin(), text.rend(), control).base();
  return first < last ? std::string(first, last) : std::string();
}

std::vector<std::string> CommandBlockTexts(const std::string& text) {
  if (text.find('[') == std::string::npos) return {text};
  std::vector<std::string> blocks;
  for (auto open = text.find('['); open != std::string::npos; open = text.find('[', open)) {
    const auto close = text.find(']', open + 1);
    if (close == std::string::npos) {
      blocks.emplace_back();
      break;
    }
    blocks.push_back(text.substr(open + 1, close - open - 1));
    open = close + 1;
  }
  return blocks;
}

std::vector<std::string> BlockActionTexts(const std::string& block) {
  auto pieces = splitAt(block, ';');
  for (auto& piece : pieces) piece = TrimScriptText(piece);
  return pieces;
}

tActionText SplitActionText(const std::string& text) {
  const auto equals = text.find('=');
  tActionText action;
  action.keyword = TrimScriptText(text.substr(0, equals));
  const std::string arguments = equals == std::string::npos ? std::string() : text.substr(equals + 1);
  for (const auto& alternative : splitAt(arguments, '|')) action.alternatives.push_back(splitAt(alternative, ','));
  return action;
}

}  // namespace vandrell
