#include "platform/win32/Utf16.h"

#include <windows.h>

#include <limits>

#include "platform/ControlError.h"

namespace korvanel::win32 {

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  if (text.size() > static_cast<std::size_t>(std::numeric_limits<int>::max())) {
    throw ControlError("The text is too long.");
  }
  const int size = static_cast<int>(text.size());
  const int length =
      MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, nullptr, 0);
  if (length <= 0) throw ControlError("The text is not valid UTF-8.");
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), size, wide.data(), length);
  return wide;
}

}  // namespace korvanel::win32
