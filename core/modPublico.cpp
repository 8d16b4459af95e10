#include "core/modPublico.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/ClassicNumbers.h"

namespace korvanel {

namespace {

constexpr int kSignificantDigits = 15;

// Room for a sign, 17 digits, a point and a four-digit exponent, with some
// to spare. The texts are built here so that the short column texts never
// touch the heap.
using TextBuffer = std::array<char, 40>;

__extension__ typedef unsigned __int128 Uint128;

constexpr std::uint64_t kLowest15Digit = 100'000'000'000'000;  // 10^14
constexpr std::uint64_t kPowersOf10[] = {1,
                                         10,
                                         100,
                                         1'000,
                                         10'000,
                                         100'000,
                                         1'000'000,
                                         10'000'000,
                                         100'000'000,
                                         1'000'000'000,
                                         10'000'000'000,
                                         100'000'000'000,
                                         1'000'000'000'000,
                                         10'000'000'000'000,
                                         100'000'000'000'000,
                                         1'000'000'000'000'000,
                                         10'000'000'000'000'000,
                                         100'000'000'000'000'000,
                                         1'000'000'000'000'000'000};

// A magnitude rounded to 15 significant digits: the digits as an integer
// from 10^14 to below 10^15, and the power of ten of the first digit.
struct FifteenDigits {
  std::uint64_t digits;
  int exponent;
};

// Rounds `magnitude` (finite, > 0) to 15 significant digits exactly, half to
// even, as the general conversion does. Only for magnitudes written without
// an exponent, 1E-4 to below 1E15; returns false for the others.
// Hand-written: the library's conversion would take most of a fret list's time.
bool RoundToFifteenDigits(double magnitude, FifteenDigits& rounded) {
  if (!(magnitude >= 1e-4 && magnitude < 1e15)) return false;
  int binaryExponent = 0;
  const double fraction = std::frexp(magnitude, &binaryExponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  const int shift = 53 - binaryExponent;  // magnitude = mantissa / 2^shift, shift >= 3
  // floor(log10(2^(binaryExponent - 1))): the power of ten of the first
  // digit, or one below it; the loop corrects that.
  int exponent = std::max(((binaryExponent - 1) * 78913) >> 18, -4);
  for (;;) {
    const int scale = 14 - exponent;  // 0..18 while exponent is -4..14
    if (scale < 0 || scale > 18) return false;
    const Uint128 scaled = Uint128{mantissa} * kPowersOf10[scale];
    auto digits = static_cast<std::uint64_t>(scaled >> shift);
    if (digits >= 10 * kLowest15Digit) {
      ++exponent;  // log10 came out one too low
      continue;
    }
    if (digits < kLowest15Digit) {
      --exponent;
      continue;
    }
    const Uint128 remainder = scaled & ((Uint128{1} << shift) - 1);
    const Uint128 half = Uint128{1} << (shift - 1);
    if (remainder > half || (remainder == half && digits % 2 == 1)) ++digits;
    if (digits == 10 * kLowest15Digit) {
      digits = kLowest15Digit;
      ++exponent;
    }
    if (exponent > 14) return false;
    rounded = {digits, exponent};
    return true;
  }
}

// Writes the fixed-notation text of `rounded` after `out`, without trailing
// zeros and without a '0' before the point; returns the end.
char* WriteFixed(const FifteenDigits& rounded, char* out) {
  // Two halves in 32-bit arithmetic: much shorter chains of divisions.
  std::array<char, 15> digits{};
  auto high = static_cast<std::uint32_t>(rounded.digits / 100'000'000);
  auto low = static_cast<std::uint32_t>(rounded.digits % 100'000'000);
  for (std::size_t i = 15; i-- > 7; low /= 10) digits[i] = static_cast<char>('0' + low % 10);
  for (std::size_t i = 7; i-- > 0; high /= 10) digits[i] = static_cast<char>('0' + high % 10);
  std::size_t count = digits.size();
  while (digits[count - 1] == '0') --count;
  const auto integerDigits = static_cast<std::size_t>(std::max(rounded.exponent + 1, 0));
  for (std::size_t i = 0; i < integerDigits; ++i) *out++ = i < count ? digits[i] : '0';
  if (count > integerDigits) {
    *out++ = '.';
    for (int zero = rounded.exponent + 1; zero < 0; ++zero) *out++ = '0';
    out = std::copy(digits.begin() + static_cast<std::ptrdiff_t>(integerDigits),
                    digits.begin() + static_cast<std::ptrdiff_t>(count), out);
  }
  return out;
}

// Writes the text of BasicStr into `buffer` and returns it.
std::string_view BasicText(double value, TextBuffer& buffer) {
  const char sign = value < 0 ? '-' : ' ';
  const double magnitude = std::fabs(value);
  char* const digits = buffer.data() + 1;
  char* first = buffer.data();
  char* last = digits;
  FifteenDigits rounded{};
  if (magnitude == 0) {
    *last++ = '0';
  } else if (RoundToFifteenDigits(magnitude, rounded)) {
    last = WriteFixed(rounded, digits);
  } else {
    // printf's "%.15g", "." whatever the process's locale.
    const std::string text = ClassicText(magnitude, kSignificantDigits);
    last = std::copy_n(text.begin(), std::min(text.size(), buffer.size() - 1), digits);
    // Just below 1E-4 a value can round up to "0.0001".
    if (last - digits > 1 && digits[0] == '0' && digits[1] == '.') ++first;
    std::replace(first, last, 'e', 'E');
  }
  *first = sign;
  return {first, static_cast<std::size_t>(last - first)};
}

// Cuts the mantissa digits of an exponent text (sign position included)
// until the text fits `width` or the mantissa is a single digit. The
// exponent itself is never touched, so the order of magnitude stays right.
std::string FitExponentText(std::string_view text, std::size_t width) {
  std::string fitted(text);
  std::size_t exponentAt = fitted.find('E');
  while (fitted.size() > width && exponentAt > 2) {
    fitted.erase(--exponentAt, 1);
    if (fitted[exponentAt - 1] == '.') fitted.erase(--exponentAt, 1);
  }
  return fitted;
}

// The fixed-width rule shared by both distance columns: a point at the
// 1-based position `pointColumn` gets an extra blank in front of the text.
std::string FormatDistance(double distance, std::size_t pointColumn, std::size_t width,
                           std::string_view zeroText) {
  if (distance == 0) return std::string(zeroText);
  TextBuffer buffer;
  std::string_view text = BasicText(distance, buffer);
  if (text.find('E') != std::string_view::npos) return FitExponentText(text, width);
  std::string aligned;
  if (text.find('.') == pointColumn - 1) aligned += ' ';
  aligned += text.substr(0, width - aligned.size());
  return aligned;
}

}  // namespace

std::string BasicStr(double value) {
  TextBuffer buffer;
  return std::string(BasicText(value, buffer));
}

std::string FormatFretNumber(std::int16_t fret) {
  TextBuffer buffer;
  const std::string_view text = BasicText(fret, buffer);
  std::string aligned(text.size() == 2 ? 1 : 0, ' ');
  aligned += text;
  return aligned;
}

std::string FormatStepDistance(double distance) {
  return FormatDistance(distance, 3, 7, "  0.000");
}

std::string FormatWholeDistance(double distance) {
  return FormatDistance(distance, 4, 8, "   0.000");
}

std::string NumberText(double value, std::string_view decimalSeparator) {
  TextBuffer buffer;
  std::string_view digits = BasicText(value, buffer);
  std::string text(digits.front() == '-' ? "-" : "");
  digits.remove_prefix(1);
  if (digits.front() == '.') text += '0';
  const std::size_t point = digits.find('.');
  text += digits.substr(0, point);
  if (point != std::string_view::npos) {
    text += decimalSeparator;
    text += digits.substr(point + 1);
  }
  return text;
}

}  // namespace korvanel
