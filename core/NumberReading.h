#pragma once

#include <string_view>

namespace korvanel {

// What reading a typed number gave: its value, or the news that it is too
// large for a double (then `value` is 0 and means nothing). `found` tells a
// text with a leading number (0 included) from one without any, which also
// reads as 0.
struct NumberReading {
  double value = 0;
  bool overflow = false;
  bool found = false;
};

// Lenient reading of a typed number. Blanks, tabs and line feeds are skipped
// wherever they stand; then an optional sign, digits, an optional "." and
// digits, an optional exponent (E or e, optional sign, digits). Reading stops
// at the first character that cannot continue the number, and text without a
// leading number gives 0. The point is "." whatever the locale. A value too
// small for a double reads as 0; one too large is reported as overflow.
NumberReading ReadNumber(std::string_view text);

}  // namespace korvanel
