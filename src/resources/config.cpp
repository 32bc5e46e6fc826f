#include "resources/config.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/safe_file.h"

namespace vandrell {

namespace {

bool isBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// "$" introduces hexadecimal digits and "%" binary ones; the value wraps
// around like the 32-bit integer it is stored in.
int32_t parseInt(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  uint32_t base = 10;
  if (i < text.size() && (text[i] == '$' || text[i] == '%')) base = text[i++] == '$' ? 16 : 2;
  uint32_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    uint32_t digit;
    if (c >= '0' && c <= '9') {
      digit = static_cast<uint32_t>(c - '0');
    } else if (c >= 'a' && c <= 'f') {
      digit = static_cast<uint32_t>(c - 'a' + 10);
    } else if (c >= 'A' && c <= 'F') {
      digit = static_cast<uint32_t>(c - 'A' + 10);
    } else {
      break;
    }
    if (digit >= base) break;
    value = value * base + digit;
  }
  return static_cast<int32_t>(negative ? 0u - value : value);
}

std::string format(const char* pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

}  // namespace

std::shared_ptr<tConfigOption> tConfigOption::Create(const std::string& name, const std::string& memo) {
  auto option = std::make_shared<tConfigOption>();
  option->name = name;
  option->memo = memo;
  return option;
}

std::vector<std::string> ReadConfigLines(TTextStream& stream) {
  const std::string text = stream.readAll();
  std::vector<std::string> lines;
  std::string line;
  for (const char c : text) {
    if (c == '\n' || c == '\0') {
      lines.push_back(std::move(line));
      line.clear();
    } else if (c != '\r') {
      line.push_back(c);
    }
  }
  // A final line is one only if the text does not end with its terminator.
  const bool endsWithTerminator = text.empty() || text.back() == '\n' || text.back() == '\0';
  if (!endsWithTerminator) lines.push_back(std::move(line));
  return lines;
}

std::string TrimConfigLine(const std::string& line) {
  const auto control = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  const auto first = std::find_if_not(line.begin(), line.end(), control);
  const auto last = std::find_if_not(line.rbegin(), line.rend(), control).base();
  return first < last ? std::string(first, last) : std::string();
}

int32_t tConfigBase::TokensString(const std::string& line, std::string& first, std::string& second) {
  if (!line.empty() && line.front() == '#') return TOKEN_COMMENT;
  if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
    first = line.substr(1, line.size() - 2);
    return TOKEN_SECTION;
  }
  const size_t equals = line.find('=');
  if (equals == std::string::npos) return TOKEN_NONE;
  first = line.substr(0, equals);
  second = line.substr(equals + 1);
  return TOKEN_OPTION;
}

int32_t tConfigBase::LoadFile(const std::string& url, int32_t encoding) {
  srcUrl = url;
  srcEncode = encoding;
  TStreamPtr stream = ReadFile(url);
  if (!stream) return 0;
  TTextStream text(stream, encoding);
  Load(text);
  stream->close();
  return 1;
}

int32_t tConfigBase::SaveFileAs(const std::string& url, int32_t encoding) {
  auto bank = std::make_shared<TBank>();
  TTextStream text(std::make_shared<TBankStream>(bank), encoding);
  Save(text);
  return WriteFileSafely(url, bank->bytes()) ? 1 : 0;
}

int32_t tConfigBase::SaveFile() { return SaveFileAs(srcUrl, srcEncode); }

int32_t tConfigBase::Load(TTextStream& stream) {
  Clear();
  std::string section;
  for (const std::string& line : ReadConfigLines(stream)) {
    std::string first;
    std::string second;
    switch (TokensString(TrimConfigLine(line), first, second)) {
      case TOKEN_SECTION:
        AddSection(first);
        section = first;
        break;
      case TOKEN_OPTION:
        AddOption(section, first, second);
        break;
      default:
        break;
    }
  }
  return 0;
}

int32_t tConfigBase::Load(const TStreamPtr& stream) {
  TTextStream text(stream, LATIN1);
  return Load(text);
}

int32_t tConfigBase::Save(TTextStream& stream) {
  const auto writeOptions = [&](const std::string& section) {
    for (const tConfigOptionPtr& option : OptionsOptions(section)) stream.writeLine(option->name + "=" + option->memo);
  };
  writeOptions("");
  for (const std::string& section : Sections()) {
    if (section.empty()) continue;
    stream.writeLine("");
    stream.writeLine("[" + section + "]");
    writeOptions(section);
  }
  return 0;
}

std::string tConfigBase::GetString(const std::string& section, const std::string& name,
                                   const std::string& fallback) const {
  std::string value;
  return Get(section, name, value) ? value : fallback;
}

int32_t tConfigBase::GetInt(const std::string& section, const std::string& name, int32_t fallback) const {
  std::string value;
  return Get(section, name, value) ? parseInt(value) : fallback;
}

float tConfigBase::GetFloat(const std::string& section, const std::string& name, float fallback) const {
  std::string value;
  return Get(section, name, value) ? static_cast<float>(std::atof(value.c_str())) : fallback;
}

double tConfigBase::GetDouble(const std::string& section, const std::string& name, double fallback) const {
  std::string value;
  return Get(section, name, value) ? std::atof(value.c_str()) : fallback;
}

void tConfigBase::SetString(const std::string& section, const std::string& name, const std::string& value) {
  Set(section, name, value);
}

void tConfigBase::SetInt(const std::string& section, const std::string& name, int32_t value) {
  Set(section, name, std::to_string(value));
}

void tConfigBase::SetFloat(const std::string& section, const std::string& name, float value) {
  Set(section, name, format("%#.9g", value));
}

void tConfigBase::SetDouble(const std::string& section, const std::string& name, double value) {
  Set(section, name, format("%#.17g", value));
}

// tConfig

void tConfig::Clear() { _sections.clear(); }

void tConfig::AddSection(const std::string& section) {
  if (!_sections.contains(section)) AddSection(section, std::nullopt);
}

void tConfig::AddSection(const std::string& section, std::optional<tConfigStore> store) {
  _sections[section] = store ? std::move(*store) : tConfigStore(tOptionMap());
}

void tConfig::AddOption(const std::string& section, const std::string& name, const std::string& value) {
  store<tOptionMap>(section)[name] = value;
}

void tConfig::RemoveSection(const std::string& section) { _sections.erase(section); }

std::vector<std::string> tConfig::Sections() const {
  std::vector<std::string> names;
  for (const auto& entry : _sections) names.push_back(entry.first);
  return names;
}

std::vector<std::string> tConfig::Options(const std::string& section) const {
  std::vector<std::string> names;
  if (const tOptionMap* options = findStore<tOptionMap>(section)) {
    for (const auto& entry : *options) names.push_back(entry.first);
  }
  return names;
}

std::vector<tConfigOptionPtr> tConfig::OptionsOptions(const std::string& section) const {
  std::vector<tConfigOptionPtr> records;
  if (const tOptionMap* options = findStore<tOptionMap>(section)) {
    for (const auto& [name, memo] : *options) records.push_back(tConfigOption::Create(name, memo));
  }
  return records;
}

int32_t tConfig::Get(const std::string& section, const std::string& name, std::string& value) const {
  const tOptionMap* options = findStore<tOptionMap>(section);
  if (!options) return 0;
  const auto found = options->find(name);
  if (found == options->end()) return 0;
  value = found->second;
  return 1;
}

void tConfig::Set(const std::string& section, const std::string& name, const std::string& value) {
  AddOption(section, name, value);
}

int32_t tConfig::Contains(const std::string& section, const std::string& name) const {
  if (name.empty()) return _sections.contains(section);
  const tOptionMap* options = findStore<tOptionMap>(section);
  return options && options->contains(name);
}

// tOrderConfig

void tOrderConfig::Clear() {
  tConfig::Clear();
  _order.clear();
}

void tOrderConfig::AddSection(const std::string& section, std::optional<tConfigStore> store) {
  tConfig::AddSection(section, std::move(store));
  _order.push_back(section);
}

void tOrderConfig::RemoveSection(const std::string& section) {
  tConfig::RemoveSection(section);
  std::erase(_order, section);
}

std::vector<std::string> tOrderConfig::Sections() const { return _order; }

// tMultiConfig

void tMultiConfig::AddSection(const std::string& section, std::optional<tConfigStore> store) {
  tConfig::AddSection(section, store ? std::move(store) : tConfigStore(tOptionList()));
}

void tMultiConfig::AddOption(const std::string& section, const std::string& name, const std::string& value) {
  store<tOptionList>(section).push_back(tConfigOption::Create(name, value));
}

std::vector<std::string> tMultiConfig::Options(const std::string& section) const {
  std::vector<std::string> names;
  if (const tOptionList* records = findStore<tOptionList>(section)) {
    for (const tConfigOptionPtr& record : *records) names.push_back(record->name);
  }
  return names;
}

std::vector<tConfigOptionPtr> tMultiConfig::OptionsOptions(const std::string& section) const {
  const tOptionList* records = findStore<tOptionList>(section);
  return records ? *records : tOptionList();
}

namespace {
tConfigOption* firstRecord(const tOptionList* records, const std::string& name) {
  if (!records) return nullptr;
  const auto found = std::find_if(records->begin(), records->end(),
                                  [&](const tConfigOptionPtr& record) { return record->name == name; });
  return found == records->end() ? nullptr : found->get();
}
}  // namespace

int32_t tMultiConfig::Get(const std::string& section, const std::string& name, std::string& value) const {
  const tConfigOption* record = firstRecord(findStore<tOptionList>(section), name);
  if (!record) return 0;
  value = record->memo;
  return 1;
}

void tMultiConfig::Set(const std::string& section, const std::string& name, const std::string& value) {
  if (tConfigOption* record = firstRecord(&store<tOptionList>(section), name)) {
    record->memo = value;
  } else {
    AddOption(section, name, value);
  }
}

int32_t tMultiConfig::Contains(const std::string& section, const std::string& name) const {
  if (name.empty()) return tConfig::Contains(section, name);
  return firstRecord(findStore<tOptionList>(section), name) != nullptr;
}

}  // namespace vandrell
