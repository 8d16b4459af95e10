#include "platform/win32/Utf16.h"

#include <windows.h>

#include <algorithm>
#include <limits>

#include "platform/ControlError.h"

namespace korvanel::win32 {

namespace {

int CheckedSize(std::size_t size) {
  if (size > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    throw ControlError("The text is too long.");
  }
  return static_cast<int>(size);
}

// `size` bytes of UTF-8 in UTF-16, converted with `flags`; empty when the
// conversion fails.
std::wstring Widen(const char* text, int size, DWORD flags) {
  const int length = MultiByteToWideChar(CP_UTF8, flags, text, size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, flags, text, size, wide.data(), length);
  return wide;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  std::wstring wide = Widen(text.data(), CheckedSize(text.size()), MB_ERR_INVALID_CHARS);
  if (wide.empty()) throw ControlError("The text is not valid UTF-8.");
  return wide;
}

std::wstring WideFromUtf8Lenient(std::string_view text) {
  return Widen(text.data(), static_cast<int>(std::min<std::size_t>(text.size(), 1 << 20)), 0);
}

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = CheckedSize(text.size());
  const int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) throw ControlError("The text cannot be converted to UTF-8.");
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
  return narrow;
}

}  // namespace korvanel::win32
