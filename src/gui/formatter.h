// A printf-like formatter filled one conversion at a time:
//   tSf::Create("%s (%d)").s(name).d(count).sf()
// Each call fills the first conversion of its kind still unfilled ("%s",
// "%[width][.precision]d", "%[width][.precision]f"); text before it, other
// conversions included, is final from then on.
#pragma once

#include <cstdint>
#include <string>

namespace vandrell {

class tSf {
 public:
  std::string value;    // finished text
  std::string process;  // format still to fill

  static tSf Create(const std::string& format);

  // Appends more format to fill.
  tSf& join(const std::string& text);
  tSf& s(const std::string& text);
  // Zero padding comes from the precision ("%.2d" gives 07), blank padding
  // from the width.
  tSf& d(int32_t n);
  // d of x times scale, rounded half away from zero.
  tSf& dx(float x, float scale);
  // Nine significant digits; a precision cuts digits after the decimal point
  // without rounding.
  tSf& f(float x);
  std::string sf() const;

 private:
  struct Conversion {
    size_t start = 0;
    size_t end = 0;  // one past the conversion letter
    int32_t width = 0;
    int32_t precision = 0;
    bool hasPrecision = false;
  };

  // The first conversion ending in `letter` (either case); with `plain` only
  // "%" directly followed by the letter counts.
  bool find(char letter, bool plain, Conversion& conversion) const;
  void fill(const Conversion& conversion, const std::string& text);
};

}  // namespace vandrell
