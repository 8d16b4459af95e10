#include "platform/win32/Handler.h"

#include <string>

#include "platform/ControlError.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

constexpr wchar_t kCaption[] = L"Korvanel";
constexpr UINT kStyle = MB_OK | MB_ICONWARNING;

}  // namespace

void ShowMessage(HWND owner, std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  if (MessageBoxW(owner, wide.c_str(), kCaption, kStyle) == 0) {
    throw ControlError("The message could not be shown.");
  }
}

void ShowError(HWND owner, const char* what) noexcept {
  try {
    const std::wstring wide = WideFromUtf8Lenient(what);
    MessageBoxW(IsWindow(owner) ? owner : nullptr, wide.c_str(), kCaption, kStyle);
  } catch (...) {
    // Not even the message could be made (out of memory): nothing is left to tell.
  }
}

}  // namespace korvanel::win32
