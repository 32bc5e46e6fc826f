#include "options.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "platform/text_stream.h"

namespace vandrell {

// The engine indexes glyphs by 16-bit code unit and leaves 0 and 0xFFFF out.
constexpr uint32_t FIRST_CODE = 1;
constexpr uint32_t LAST_CODE = 0xFFFE;
constexpr int32_t MAX_SIZE = 1024;

// The options that take a value (the only other ones are --help and
// --no-hinting).
const std::set<std::string> VALUE_OPTIONS = {
    "-c", "--chars", "-a", "--add", "-t", "--text", "-g", "--grey", "--outline-grey", "-o", "--outline",
    "-s", "--shadow", "--shadow-opacity", "-p", "--padding", "-w", "--width", "-f", "--face"};

const char* const BAKE_USAGE =
    "Usage: fontbake [options] FONT_FILE SIZE OUTPUT_BASE\n"
    "\n"
    "Bakes a TrueType or OpenType font into a bitmap font for the engine:\n"
    "  OUTPUT_BASE          the font description (load it as OUTPUT_BASE)\n"
    "  OUTPUT_BASE.pixmap   its glyph image, a PNG (grey level in red, green\n"
    "                       and blue, coverage in alpha)\n"
    "SIZE is the size in pixels per em; one pixel is one design unit on the\n"
    "800 x 600 screen. The same inputs always give the same bytes.\n"
    "\n"
    "Characters (LIST: comma-separated codes or ranges, each code decimal,\n"
    "0x-hexadecimal or U+hexadecimal, e.g. 32-126,0xA0-0xFF,U+2026):\n"
    "  -c, --chars LIST       bake exactly these (default: Latin-1, 32-126 and\n"
    "                         160-255)\n"
    "  -a, --add LIST         bake these as well\n"
    "  -t, --text TEXT        bake every character of TEXT (UTF-8) as well\n"
    "  Codes must lie in 1..0xFFFE. Characters the font lacks are left out\n"
    "  with a warning; the engine then draws nothing for them.\n"
    "\n"
    "Look:\n"
    "  -g, --grey G           grey level of the letters, 0..255 (default 255;\n"
    "                         the engine tints white letters with any colour)\n"
    "  -o, --outline W        an outline W pixels wide (fractions allowed);\n"
    "                         letters and lines move apart to make room for it\n"
    "      --outline-grey G   its grey level, 0..255 (default 0, black)\n"
    "  -s, --shadow DX,DY     a drop shadow offset by DX,DY pixels\n"
    "      --shadow-opacity A its opacity, 0..1 (default 0.6)\n"
    "      --no-hinting       keep the outlines' exact shapes (softer, wider)\n"
    "\n"
    "Layout:\n"
    "  -p, --padding N        pixels of padding on each side of every glyph\n"
    "                         cell (default: just enough for every glyph's\n"
    "                         outline, shadow and overhang); ink beyond it is\n"
    "                         cut off with a warning\n"
    "  -w, --width W          width of the glyph image in pixels (default:\n"
    "                         the smallest power of two that keeps it about\n"
    "                         square)\n"
    "  -f, --face N           face number inside a font collection (default 0)\n"
    "  -h, --help             show this text\n"
    "\n"
    "Example:\n"
    "  fontbake -o 1.5 -a U+2026 EBGaramond12-Regular.otf 28 data/media/fonts/title\n";

namespace {

bool parseInt(const std::string& text, int32_t& value, int base = 10) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, base);
  return error == std::errc() && stop == end && !text.empty();
}

bool parseFloat(const std::string& text, float& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end && !text.empty();
}

bool parseCode(const std::string& text, uint32_t& code) {
  int32_t value = 0;
  bool parsed;
  if (text.starts_with("0x") || text.starts_with("0X") || text.starts_with("U+") || text.starts_with("u+")) {
    parsed = parseInt(text.substr(2), value, 16);
  } else {
    parsed = parseInt(text, value);
  }
  if (!parsed || value < 0) return false;
  code = static_cast<uint32_t>(value);
  return true;
}

std::string hexCode(uint32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "U+%04X", code);
  return text;
}

std::string checkRange(uint32_t code) {
  if (code >= FIRST_CODE && code <= LAST_CODE) return "";
  return "character " + hexCode(code) + " cannot be baked: codes must lie in 1..0xFFFE";
}

std::string parseGrey(const std::string& text, int32_t& grey, const std::string& option) {
  if (!parseInt(text, grey) || grey < 0 || grey > 255) return option + " wants a grey level 0..255, not '" + text + "'";
  return "";
}

std::string parseShadow(const std::string& text, BakeOptions& options) {
  const size_t comma = text.find(',');
  if (comma == std::string::npos || !parseInt(text.substr(0, comma), options.shadowX) ||
      !parseInt(text.substr(comma + 1), options.shadowY))
    return "--shadow wants an offset DX,DY in whole pixels, such as 2,2, not '" + text + "'";
  if (std::abs(options.shadowX) > MAX_SIZE || std::abs(options.shadowY) > MAX_SIZE)
    return "--shadow offset " + text + " is too large";
  return "";
}

// Reads the value of the option at `index` (the next argument).
std::string takeValue(const std::vector<std::string>& arguments, size_t& index, std::string& value) {
  if (index + 1 >= arguments.size()) return arguments[index] + " needs a value";
  value = arguments[++index];
  return "";
}

}  // namespace

std::set<uint32_t> Latin1Chars() {
  std::set<uint32_t> chars;
  for (uint32_t code = 32; code <= 126; ++code) chars.insert(code);
  for (uint32_t code = 160; code <= 255; ++code) chars.insert(code);
  return chars;
}

std::string ParseCharList(const std::string& list, std::set<uint32_t>& chars) {
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find(',', start);
    if (end == std::string::npos) end = list.size();
    const std::string item = list.substr(start, end - start);
    // The range's dash is the first one after the first character, so that
    // nothing is mistaken for a minus sign.
    const size_t dash = item.find('-', 1);
    uint32_t first = 0, last = 0;
    const bool parsed = dash == std::string::npos
                            ? parseCode(item, first) && (last = first, true)
                            : parseCode(item.substr(0, dash), first) && parseCode(item.substr(dash + 1), last);
    if (!parsed) return "'" + item + "' in character list '" + list + "' is not a code or a range of codes";
    if (first > last) return "range '" + item + "' runs backwards";
    for (const uint32_t code : {first, last}) {
      if (const std::string problem = checkRange(code); !problem.empty()) return problem;
    }
    for (uint32_t code = first; code <= last; ++code) chars.insert(code);
    start = end + 1;
  }
  return "";
}

std::string ParseOptions(const std::vector<std::string>& arguments, BakeOptions& options) {
  std::vector<std::string> positional;
  std::set<uint32_t> chosen, added;
  bool charsChosen = false;
  for (size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    std::string value, problem;
    if (argument == "-h" || argument == "--help") {
      options.help = true;
      return "";
    } else if (argument == "--no-hinting") {
      options.hinting = false;
    } else if (argument.size() > 1 && argument[0] == '-' && !(argument[1] >= '0' && argument[1] <= '9')) {
      if (!VALUE_OPTIONS.contains(argument)) return "unknown option " + argument;
      if (problem = takeValue(arguments, i, value); !problem.empty()) return problem;
      if (argument == "-c" || argument == "--chars") {
        charsChosen = true;
        problem = ParseCharList(value, chosen);
      } else if (argument == "-a" || argument == "--add") {
        problem = ParseCharList(value, added);
      } else if (argument == "-t" || argument == "--text") {
        for (size_t at = 0; at < value.size() && problem.empty();) {
          const uint32_t code = DecodeUtf8(value, at);
          problem = checkRange(code);
          added.insert(code);
        }
      } else if (argument == "-g" || argument == "--grey") {
        problem = parseGrey(value, options.grey, argument);
      } else if (argument == "--outline-grey") {
        problem = parseGrey(value, options.outlineGrey, argument);
      } else if (argument == "-o" || argument == "--outline") {
        if (!parseFloat(value, options.outline) || !(options.outline >= 0.0f && options.outline <= 64.0f))
          problem = argument + " wants a width in pixels 0..64, not '" + value + "'";
      } else if (argument == "-s" || argument == "--shadow") {
        problem = parseShadow(value, options);
      } else if (argument == "--shadow-opacity") {
        if (!parseFloat(value, options.shadowOpacity) || !(options.shadowOpacity >= 0.0f && options.shadowOpacity <= 1.0f))
          problem = argument + " wants an opacity 0..1, not '" + value + "'";
      } else if (argument == "-p" || argument == "--padding") {
        int32_t padding = 0;
        if (!parseInt(value, padding) || padding < 0 || padding > MAX_SIZE)
          problem = argument + " wants a number of pixels 0.." + std::to_string(MAX_SIZE) + ", not '" + value + "'";
        options.padding = padding;
      } else if (argument == "-w" || argument == "--width") {
        if (!parseInt(value, options.atlasWidth) || options.atlasWidth < 1 || options.atlasWidth > 16384)
          problem = argument + " wants a width in pixels 1..16384, not '" + value + "'";
      } else {  // -f, --face
        if (!parseInt(value, options.faceIndex) || options.faceIndex < 0)
          problem = argument + " wants a face number 0 or more, not '" + value + "'";
      }
      if (!problem.empty()) return problem;
    } else {
      positional.push_back(argument);
    }
  }
  if (positional.size() != 3)
    return "expected FONT_FILE SIZE OUTPUT_BASE, got " + std::to_string(positional.size()) + " argument(s)";
  options.fontFile = positional[0];
  if (!parseInt(positional[1], options.size) || options.size < 1 || options.size > MAX_SIZE)
    return "SIZE must be a number of pixels 1.." + std::to_string(MAX_SIZE) + ", not '" + positional[1] + "'";
  options.outputBase = positional[2];
  options.chars = charsChosen ? chosen : Latin1Chars();
  options.chars.insert(added.begin(), added.end());
  if (options.chars.empty()) return "no characters to bake";
  return "";
}

}  // namespace vandrell
