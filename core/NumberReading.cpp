#include "core/NumberReading.h"

#include <cstddef>
#include <string>

#include "core/ClassicNumbers.h"

namespace korvanel {

namespace {

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The characters of `text` that can be read, without the skipped ones.
class Cursor {
 public:
  explicit Cursor(std::string_view text) : text_(text) { SkipBlanks(); }

  bool AtEnd() const { return at_ == text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
  void Next() {
    ++at_;
    SkipBlanks();
  }

 private:
  void SkipBlanks() {
    while (at_ < text_.size() && IsSkipped(text_[at_])) ++at_;
  }

  std::string_view text_;
  std::size_t at_ = 0;
};

// The number in the plainest form every library reads alike, plus the
// decimal exponent of its first significant digit, which tells overflow from
// underflow when the library finds the value out of range.
struct NumberSpelling {
  std::string text;
  long long magnitudeExponent = 0;
  bool hasSignificantDigit = false;
};

// Far beyond a double's range, and far beyond any text's length, so that
// saturating there changes no result.
constexpr long long kExponentLimit = 1'000'000'000'000'000;

void AddExponentDigit(long long& exponent, char digit) {
  // Saturates: any exponent beyond the limit already means out of range.
  if (exponent < kExponentLimit) exponent = exponent * 10 + (digit - '0');
}

NumberSpelling SpellNumber(std::string_view input) {
  NumberSpelling number;
  Cursor cursor(input);
  if (cursor.Peek() == '-' || cursor.Peek() == '+') {
    if (cursor.Peek() == '-') number.text += '-';
    cursor.Next();
  }
  bool anyDigit = false;
  long long integerDigits = 0;
  for (; IsDigit(cursor.Peek()); cursor.Next()) {
    anyDigit = true;
    if (cursor.Peek() != '0') number.hasSignificantDigit = true;
    if (number.hasSignificantDigit) ++integerDigits;
    number.text += cursor.Peek();
  }
  long long leadingFractionZeros = 0;
  if (cursor.Peek() == '.') {
    number.text += '.';
    cursor.Next();
    for (; IsDigit(cursor.Peek()); cursor.Next()) {
      anyDigit = true;
      if (!number.hasSignificantDigit) {
        if (cursor.Peek() == '0') {
          ++leadingFractionZeros;
        } else {
          number.hasSignificantDigit = true;
        }
      }
      number.text += cursor.Peek();
    }
  }
  if (!anyDigit) return {};
  number.magnitudeExponent = integerDigits > 0 ? integerDigits - 1 : -(leadingFractionZeros + 1);

  if (cursor.Peek() == 'E' || cursor.Peek() == 'e') {
    cursor.Next();
    bool negative = false;
    if (cursor.Peek() == '-' || cursor.Peek() == '+') {
      negative = cursor.Peek() == '-';
      cursor.Next();
    }
    long long exponent = 0;
    bool anyExponentDigit = false;
    for (; IsDigit(cursor.Peek()); cursor.Next()) {
      anyExponentDigit = true;
      AddExponentDigit(exponent, cursor.Peek());
    }
    if (anyExponentDigit) {
      number.magnitudeExponent += negative ? -exponent : exponent;
      number.text += negative ? "e-" : "e";
      number.text += std::to_string(exponent);
    }
  }
  return number;
}

}  // namespace

NumberReading ReadNumber(std::string_view text) {
  const NumberSpelling number = SpellNumber(text);
  if (number.text.empty()) return {};
  // The nearest double, "." the point whatever the process's locale. The
  // text is always a number, so one out of range is too large or too small.
  const ClassicReading reading = ClassicRead(number.text);
  if (reading.outOfRange && number.hasSignificantDigit && number.magnitudeExponent > 0) {
    return {.value = 0, .overflow = true, .found = true};
  }
  const double value = reading.value;
  // + 0.0 turns "-0" into a plain 0.
  return {.value = value + 0.0, .overflow = false, .found = true};
}

}  // namespace korvanel
