#include "core/ClassicNumbers.h"

#include <array>

// Emscripten's libc++ 13 converts no doubles (to_chars, from_chars); its C
// library (musl) knows only the C locale.
#if defined(__EMSCRIPTEN__)
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#else
#include <charconv>
#endif

namespace korvanel {

ClassicReading ClassicRead(const std::string& text) {
#if defined(__EMSCRIPTEN__)
  errno = 0;
  const double value = std::strtod(text.c_str(), nullptr);
  const bool beyond = errno == ERANGE && (value == 0 || value > 1 || value < -1);
  return {.value = beyond ? 0 : value, .outOfRange = beyond};
#else
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  static_cast<void>(end);
  if (error == std::errc::result_out_of_range) return {.value = 0, .outOfRange = true};
  return {.value = value, .outOfRange = false};
#endif
}

std::string ClassicText(double value, int precision) {
  // A sign, 17 digits, a point and a four-digit exponent, and room to spare.
  std::array<char, 40> buffer{};
#if defined(__EMSCRIPTEN__)
  const int length = std::snprintf(buffer.data(), buffer.size(), "%.*g", precision, value);
  return {buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0};
#else
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::general, precision);
  static_cast<void>(error);
  return {buffer.data(), end};
#endif
}

}  // namespace korvanel
