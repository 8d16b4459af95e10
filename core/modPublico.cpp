#include "core/modPublico.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <system_error>

namespace korvanel {

namespace {

constexpr int kSignificantDigits = 15;

// Shortest text of `magnitude` (>= 0) with at most 15 significant digits, in
// fixed notation from 1E-4 up to below 1E15 and with an upper-case exponent
// of at least two digits beyond that. A leading "0." keeps its zero.
std::string MagnitudeText(double magnitude) {
  std::array<char, 64> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::general, kSignificantDigits);
  std::string text(buffer.data(), error == std::errc{} ? end : buffer.data());
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

bool HasExponent(const std::string& text) { return text.find('E') != std::string::npos; }

// Cuts the mantissa digits of an exponent text (sign position included)
// until the text fits `width` or the mantissa is a single digit. The
// exponent itself is never touched, so the order of magnitude stays right.
std::string FitExponentText(std::string text, std::size_t width) {
  std::size_t exponentAt = text.find('E');
  while (text.size() > width && exponentAt > 2) {
    text.erase(exponentAt - 1, 1);
    --exponentAt;
    if (text[exponentAt - 1] == '.') {
      text.erase(exponentAt - 1, 1);
      --exponentAt;
    }
  }
  return text;
}

// The fixed-width rule shared by both distance columns: `pointColumn` is the
// 1-based position at which a one-digit-short point gets an extra blank.
std::string FormatDistance(double distance, std::size_t pointColumn, std::size_t width,
                           const char* zeroText) {
  if (distance == 0) return zeroText;
  std::string text = BasicStr(distance);
  if (HasExponent(text)) return FitExponentText(std::move(text), width);
  if (text.find('.') == pointColumn - 1) text.insert(0, 1, ' ');
  if (text.size() > width) text.resize(width);
  return text;
}

}  // namespace

std::string BasicStr(double value) {
  const bool negative = value < 0;
  std::string text = MagnitudeText(std::fabs(value));
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  text.insert(0, 1, negative ? '-' : ' ');
  return text;
}

std::string FormatFretNumber(std::int16_t fret) {
  std::string text = BasicStr(fret);
  if (text.size() == 2) text.insert(0, 1, ' ');
  return text;
}

std::string FormatStepDistance(double distance) {
  return FormatDistance(distance, 3, 7, "  0.000");
}

std::string FormatWholeDistance(double distance) {
  return FormatDistance(distance, 4, 8, "   0.000");
}

}  // namespace korvanel
