#include "game/pic_record.h"

#include <algorithm>

#include "resources/config.h"

namespace vandrell {

namespace {

std::string param(const tPicParams& params, size_t index) { return index < params.size() ? params[index] : ""; }

// Digits with signs, points, exponents, blanks and commas only.
bool looksNumeric(const std::string& text) {
  const bool digits = std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  return digits && text.find_first_not_of("0123456789+-.eE \t,") == std::string::npos;
}

std::string fillNames(const std::string& line, const std::string& name, const std::string& locname) {
  return ReplaceAll(ReplaceAll(LowerField(line), "&me&", name), "&locname&", locname);
}

tPolyPtr readPoly(const std::string& field) {
  auto poly = std::make_shared<tPoly>();
  const tPicParams values = SplitFields(field, ',');
  for (size_t i = 0; i + 1 < values.size(); i += 2) poly->AddPoint(ParamFloat(values, i), ParamFloat(values, i + 1));
  return poly;
}

}  // namespace

tPicRecord tPicRecord::Read(tLevelFile& file, const std::string& locname) {
  tPicRecord record;
  record.line = file.number();
  record.name = LowerField(TrimConfigLine(file.line()));
  const std::vector<std::string> shape = SplitFields(file.line(), '|');
  record.source = TrimConfigLine(file.line());
  record.params = SplitFields(file.line(), ',');
  record.tags = SplitTrimmed(LowerField(file.line()), ',');
  record.click = fillNames(file.line(), record.name, locname);
  record.every = fillNames(file.line(), record.name, locname);
  // The written position is always the last candidate: it takes the place
  // of the last entry, usually the empty one after a trailing ";".
  record.candidates = SplitFields(shape[0], ';');
  record.candidates.back() = param(record.params, 0) + "," + param(record.params, 1);
  if (shape.size() > 1) record.poly = readPoly(shape[1]);
  return record;
}

tPicKind tPicRecord::kind() const {
  if (ParamInt(params, 24) > 0) {
    switch (ParamInt(params, 26)) {
      case 0:
        return tPicKind::TXT;
      case 1:
        return tPicKind::LABEL;
      case 2:
        return tPicKind::LEFT_TEXT;
      case 3:
        return tPicKind::CENTER_TEXT;
      default:
        return tPicKind::NONE;
    }
  }
  if (ParamInt(params, 15) > 0) return tPicKind::ANIM;
  const std::string extension = SourceExtension(source);
  if (extension == "set") return tPicKind::PARTICLE;
  if (extension == "png") return tPicKind::IMAGE;
  return tPicKind::UNDEFINED;
}

std::pair<tPicRecord::tLine, std::string> tPicRecord::misalignment() const {
  if (name.empty()) return {NAME, "a pic without a name"};
  if (const std::string what = LineLooksLike(name); !what.empty()) {
    return {NAME, "\"" + name + "\" looks like " + what + " where a pic's name belongs"};
  }
  if (const std::string what = LineLooksLike(source); what == "a parameter record" || what == "a command") {
    return {SOURCE, "\"" + source + "\" looks like " + what + " where a pic's source belongs"};
  }
  std::string line;
  for (size_t i = 0; i < params.size(); ++i) line += (i ? "," : "") + params[i];
  if (!TrimConfigLine(line).empty() && !looksNumeric(line)) {
    const std::string what = LineLooksLike(line);
    return {PARAMS, "\"" + line + "\" looks like " + (what.empty() ? "words" : what) + " where the parameters belong"};
  }
  return {LINES, ""};
}

std::string SourceExtension(const std::string& source) {
  const size_t dot = source.rfind('.');
  if (dot == std::string::npos || source.find('/', dot) != std::string::npos) return "";
  return source.substr(dot + 1);
}

std::string LineLooksLike(const std::string& line) {
  const std::string text = TrimConfigLine(line);
  if (text.find('=') != std::string::npos) return "a command";
  const std::string extension = LowerField(SourceExtension(text));
  if (extension == "png") return "an image file";
  if (extension == "set") return "a particle file";
  if (looksNumeric(text)) return text.find(',') == std::string::npos ? "a number" : "a parameter record";
  return "";
}

}  // namespace vandrell
