// Cutting command text into blocks, action texts, keywords and arguments.
// Every separator is a single character and nothing is quoted or escaped, so
// an argument can never contain ",", "|", ";", "[" or "]".
#pragma once

#include <string>
#include <vector>

namespace vandrell {

// The text without the characters of code 32 or less at either end.
std::string TrimScriptText(const std::string& text);

// With a "[" in the text, each block lies between a "[" and the next "]"
// (text outside is ignored, brackets do not nest, and an unclosed "[" yields an
// empty block); otherwise the whole text is the one block.
std::vector<std::string> CommandBlockTexts(const std::string& text);

// The trimmed pieces of a block between its ";" separators, empty ones included.
std::vector<std::string> BlockActionTexts(const std::string& block);

// One action text: the keyword before the first "=", and each "|" alternative
// of the rest cut at ",". There is always at least one alternative with at
// least one argument, so an action written without "=" gets one empty argument.
struct tActionText {
  std::string keyword;
  std::vector<std::vector<std::string>> alternatives;
};
tActionText SplitActionText(const std::string& text);

}  // namespace vandrell
