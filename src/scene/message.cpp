#include "scene/message.h"

#include "core/numeric.h"
#include "script/command_text.h"

namespace vandrell {

namespace {

constexpr const char* LINE_BREAK = "[br]";
constexpr const char* EXPR_SWITCH = "[%%]";

// The pieces of `text` between the occurrences of `separator`; always at
// least one, empty pieces kept.
std::vector<std::string> split(const std::string& text, const std::string& separator) {
  std::vector<std::string> pieces;
  size_t start = 0;
  for (size_t found; (found = text.find(separator, start)) != std::string::npos; start = found + separator.size())
    pieces.push_back(text.substr(start, found - start));
  pieces.push_back(text.substr(start));
  return pieces;
}

// Script text is compared in lower case; only ASCII letters change, so
// UTF-8 sequences pass through intact.
std::string lowerAscii(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

tMessage::tLine parseLine(const std::string& text) {
  tMessage::tLine line;
  const std::vector<std::string> pieces = split(text, EXPR_SWITCH);
  for (size_t i = 0; i < pieces.size(); i += 2) {
    tMessage::tSegment segment{pieces[i], nullptr};
    if (i + 1 < pieces.size()) segment.expr = tExpr::Create(lowerAscii(TrimScriptText(pieces[i + 1])));
    line.push_back(std::move(segment));
  }
  return line;
}

}  // namespace

std::shared_ptr<tMessage> tMessage::Create(const std::string& markup) {
  auto message = std::make_shared<tMessage>();
  message->loadLine(markup);
  return message;
}

void tMessage::image(const TImagePtr& image, float scale, float offset) {
  _image = image;
  _scale = scale;
  _offset = offset;
}

void tMessage::loadLine(const std::string& text) {
  _lines.clear();
  for (const std::string& line : split(text, LINE_BREAK)) _lines.push_back(parseLine(line));
}

std::string tMessage::getLine(int32_t n) const {
  if (n < 0 || static_cast<size_t>(n) >= _lines.size()) return "";
  std::string text;
  for (const tSegment& segment : _lines[static_cast<size_t>(n)]) {
    text += segment.text;
    if (segment.expr) text += std::to_string(roundi(segment.expr->calc()->ToNumber()));
  }
  return text;
}

std::vector<std::string> tMessage::getText() const {
  std::vector<std::string> lines;
  for (size_t n = 0; n < _lines.size(); ++n) lines.push_back(getLine(static_cast<int32_t>(n)));
  return lines;
}

std::string tMessage::getLong() const {
  const std::vector<std::string> lines = getText();
  std::string text;
  for (size_t n = 0; n < lines.size(); ++n) text += (n > 0 ? " " : "") + lines[n];
  return text;
}

}  // namespace vandrell
