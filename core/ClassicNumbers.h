#pragma once

#include <string>

namespace korvanel {

// Numbers as the C locale spells them, "." the point whatever the process's
// locale: the standard library's conversions where it has them for doubles,
// else the C library's, whose locale has only ".".

struct ClassicReading {
  double value = 0;
  // Beyond the doubles: too large, or too small even for a subnormal (then
  // the value is 0).
  bool outOfRange = false;
};

// `text`, a number as strtod spells it in the C locale with nothing before
// or after it, read as the nearest double.
ClassicReading ClassicRead(const std::string& text);

// `value`, finite, as printf's "%.*g" with `precision` writes it in the C
// locale.
std::string ClassicText(double value, int precision);

}  // namespace korvanel
