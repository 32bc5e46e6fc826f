#include "game/level_file.h"

#include <algorithm>

#include "platform/text_stream.h"
#include "resources/config.h"

namespace vandrell {

tLevelFile::tLevelFile(const std::string& name, tFile::tNeed need) : _path(tFile::LEVEL_PATH + name) {
  const TStreamPtr stream = tFile::Current().level(name, need);
  _exists = stream != nullptr;
  if (!stream) return;
  const std::vector<uint8_t> bytes = stream->readAll();
  _size = static_cast<int64_t>(bytes.size());
  size_t start = 0;
  while (start < bytes.size()) {
    const auto end = std::find(bytes.begin() + static_cast<std::ptrdiff_t>(start), bytes.end(), '\n');
    std::string text(bytes.begin() + static_cast<std::ptrdiff_t>(start), end);
    if (!text.empty() && text.back() == '\r') text.pop_back();
    _lines.push_back({std::move(text), static_cast<int64_t>(start)});
    start = static_cast<size_t>(end - bytes.begin()) + 1;
  }
}

bool tLevelFile::atEnd() const {
  return std::all_of(_lines.begin() + static_cast<std::ptrdiff_t>(std::min(_next, _lines.size())), _lines.end(),
                     [](const tLine& line) { return TrimConfigLine(line.text).empty(); });
}

std::string tLevelFile::line() {
  if (_next >= _lines.size()) {
    ++_next;
    return "";
  }
  return _lines[_next++].text;
}

std::string tLevelFile::textLine() {
  const std::string bytes = line();
  std::string text;
  for (size_t i = 0; i < bytes.size();) AppendUtf8(text, DecodeUtf8(bytes, i));
  return text;
}

int64_t tLevelFile::position() const { return _next < _lines.size() ? _lines[_next].position : _size; }

std::string tLevelFile::place(int32_t number) const { return _path + ":" + std::to_string(number); }

std::vector<std::string> SplitFields(const std::string& text, char separator) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, start)) {
    fields.push_back(text.substr(start, at - start));
    start = at + 1;
  }
  fields.push_back(text.substr(start));
  return fields;
}

std::vector<std::string> SplitTrimmed(const std::string& text, char separator) {
  std::vector<std::string> fields = SplitFields(text, separator);
  for (std::string& field : fields) field = TrimConfigLine(field);
  return fields;
}

std::string LowerField(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  if (from.empty()) return text;
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace vandrell
