#include "template/Units.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <stdexcept>

namespace korvanel::fret_template {

namespace {

constexpr std::array<double, 7> kPowersOfTen = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
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
  std::array<char, 24> digits{};  // least significant first
  int count = 0;
  do {
    digits[static_cast<std::size_t>(count++)] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0 || count <= decimals);
  int shown = decimals;
  while (shown > kept && digits[static_cast<std::size_t>(decimals - shown)] == '0') --shown;
  if (units < 0) out += '-';
  for (int i = count - 1; i >= decimals; --i) out += digits[static_cast<std::size_t>(i)];
  if (shown == 0) return;
  out += '.';
  for (int i = decimals - 1; i >= decimals - shown; --i) out += digits[static_cast<std::size_t>(i)];
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
