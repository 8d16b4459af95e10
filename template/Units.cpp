#include "template/Units.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace korvanel::fret_template {

namespace {

constexpr std::array<double, 7> kPowersOfTen = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
constexpr char kDigitPairs[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899";
// Far below 2^63 at six decimals, far beyond any length of a template.
constexpr double kLargestScaled = 9e18;

// Writes `value` rounded to `decimals`, keeping at least `kept` of them:
// the trailing zeros beyond `kept` are dropped.
void AppendRounded(std::string& out, double value, int decimals, int kept) {
  const double scaled = value * kPowersOfTen.at(static_cast<std::size_t>(decimals));
  if (!(std::fabs(scaled) < kLargestScaled)) {
    throw std::domain_error("A number of the fret template is out of range.");
  }
  const long long units = std::llround(scaled);
  auto magnitude = static_cast<std::uint64_t>(units < 0 ? -units : units);
  // The digits, least significant first, two at a time; at least one
  // before the point.
  std::array<char, 24> digits{};
  std::size_t count = 0;
  while (magnitude >= 100) {
    const std::size_t pair = static_cast<std::size_t>(magnitude % 100) * 2;
    magnitude /= 100;
    digits[count++] = kDigitPairs[pair + 1];
    digits[count++] = kDigitPairs[pair];
  }
  if (magnitude >= 10) {
    digits[count++] = kDigitPairs[magnitude * 2 + 1];
    digits[count++] = kDigitPairs[magnitude * 2];
  } else {
    digits[count++] = static_cast<char>('0' + magnitude);
  }
  const auto point = static_cast<std::size_t>(decimals);
  while (count <= point) digits[count++] = '0';
  std::size_t shown = point;
  while (shown > static_cast<std::size_t>(kept) && digits[point - shown] == '0') --shown;

  std::array<char, 28> text{};
  std::size_t length = 0;
  if (units < 0) text[length++] = '-';
  for (std::size_t i = count; i-- > point;) text[length++] = digits[i];
  if (shown > 0) text[length++] = '.';
  for (std::size_t i = point; i-- > point - shown;) text[length++] = digits[i];
  out.append(text.data(), length);
}

}  // namespace

double ToMillimetres(double length, Unit unit) {
  return unit == Unit::Inch ? length * kMillimetresPerInch : length;
}

double FromMillimetres(double millimetres, Unit unit) {
  return unit == Unit::Inch ? millimetres / kMillimetresPerInch : millimetres;
}

double ConvertLength(double length, Unit from, Unit to) {
  return from == to ? length : FromMillimetres(ToMillimetres(length, from), to);
}

std::string_view UnitSymbol(Unit unit) { return unit == Unit::Inch ? "in" : "mm"; }

void AppendFixed(std::string& out, double value, int decimals) {
  AppendRounded(out, value, decimals, decimals);
}

void AppendTrimmed(std::string& out, double value, int decimals) {
  AppendRounded(out, value, decimals, 0);
}

int ShownDecimals(Unit unit) { return unit == Unit::Inch ? 4 : 3; }

std::string LengthText(double length, Unit unit) {
  std::string text;
  AppendTrimmed(text, length, ShownDecimals(unit));
  return text;
}

std::string DistanceText(double distance, Unit unit) {
  std::string text;
  AppendFixed(text, distance, ShownDecimals(unit));
  return text;
}

std::vector<std::string> ScalePresets(Unit unit) {
  if (unit == Unit::Inch) return {"24", "24.75", "25", "25.5", "26.5", "27", "28"};
  std::vector<std::string> presets;
  for (int length = 600; length <= 670; length += 5) presets.push_back(std::to_string(length));
  return presets;
}

}  // namespace korvanel::fret_template
