#pragma once

#include <string>

namespace korvanel::web {

// Numbers and colours as the page's style sheets and SVG attributes write
// them, made without printf: "12", "-3.5", "0.734562", "#1a2b3c".

// `value` to the nearest millionth, without trailing zeros.
std::string CssNumber(double value);
// Each part from 0 to 255.
std::string CssColor(int red, int green, int blue);

}  // namespace korvanel::web
