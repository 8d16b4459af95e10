#include "platform/web/CssText.h"

#include <cmath>
#include <cstdlib>

namespace korvanel::web {

std::string CssNumber(double value) {
  constexpr long long kParts = 1'000'000;
  const long long millionths = std::llround(value * kParts);
  const long long whole = std::llabs(millionths) / kParts;
  const long long fraction = std::llabs(millionths) % kParts;
  std::string text = millionths < 0 ? "-" : "";
  text += std::to_string(whole);
  if (fraction == 0) return text;
  std::string digits = std::to_string(fraction + kParts).substr(1);
  digits.erase(digits.find_last_not_of('0') + 1);
  return text + "." + digits;
}

std::string CssColor(int red, int green, int blue) {
  constexpr char kDigits[] = "0123456789abcdef";
  std::string text = "#";
  for (const int part : {red, green, blue}) {
    text += kDigits[(part >> 4) & 0xF];
    text += kDigits[part & 0xF];
  }
  return text;
}

}  // namespace korvanel::web
