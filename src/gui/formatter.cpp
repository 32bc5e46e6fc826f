#include "gui/formatter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/numeric.h"

namespace vandrell {

namespace {

// Widths and precisions beyond this are taken as this: a format from a data
// file must not make us build a string of gigabytes.
constexpr int32_t MAX_FIELD = 1024;

size_t readNumber(const std::string& text, size_t at, int32_t& number) {
  number = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    number = std::min(MAX_FIELD, number * 10 + (text[at] - '0'));
  }
  return at;
}

std::string padLeft(const std::string& text, int32_t width, char padding) {
  const auto length = static_cast<int32_t>(text.size());
  return length >= width ? text : std::string(static_cast<size_t>(width - length), padding) + text;
}

}  // namespace

tSf tSf::Create(const std::string& format) {
  tSf formatter;
  formatter.process = format;
  return formatter;
}

tSf& tSf::join(const std::string& text) {
  process += text;
  return *this;
}

bool tSf::find(char letter, bool plain, Conversion& conversion) const {
  for (size_t at = process.find('%'); at != std::string::npos; at = process.find('%', at + 1)) {
    Conversion found;
    found.start = at;
    size_t i = at + 1;
    if (!plain) {
      i = readNumber(process, i, found.width);
      if (i < process.size() && process[i] == '.') {
        found.hasPrecision = true;
        i = readNumber(process, i + 1, found.precision);
      }
    }
    if (i < process.size() && (process[i] == letter || process[i] == letter - 'a' + 'A')) {
      found.end = i + 1;
      conversion = found;
      return true;
    }
  }
  return false;
}

void tSf::fill(const Conversion& conversion, const std::string& text) {
  value += process.substr(0, conversion.start) + text;
  process.erase(0, conversion.end);
}

tSf& tSf::s(const std::string& text) {
  Conversion conversion;
  if (find('s', true, conversion)) fill(conversion, text);
  return *this;
}

tSf& tSf::d(int32_t n) {
  Conversion conversion;
  if (!find('d', false, conversion)) return *this;
  std::string text = padLeft(std::to_string(std::llabs(n)), conversion.precision, '0');
  if (n < 0) text = "-" + text;
  fill(conversion, padLeft(text, conversion.width, ' '));
  return *this;
}

tSf& tSf::dx(float x, float scale) {
  const float product = x * scale;
  const float rounded = product >= 0.0f ? product + 0.5f : product - 0.5f;
  return d(trunci(rounded));
}

tSf& tSf::f(float x) {
  Conversion conversion;
  if (!find('f', false, conversion)) return *this;
  char digits[64];
  std::snprintf(digits, sizeof digits, "%#.9g", std::fabs(static_cast<double>(x)));
  std::string text = digits;
  const size_t point = text.find('.');
  if (conversion.hasPrecision && point != std::string::npos) {
    text.resize(point + 1 + static_cast<size_t>(conversion.precision), '0');
  }
  if (x < 0.0f) text = "-" + text;
  fill(conversion, padLeft(text, conversion.width, ' '));
  return *this;
}

std::string tSf::sf() const { return value + process; }

}  // namespace vandrell
