#include "platform/win32/MessageBox.h"

#include <string>

#include "platform/ControlError.h"
#include "platform/Runtime.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

void ShowMessageBox(HWND owner, std::string_view text) {
  const std::wstring wide = WideFromUtf8Lenient(text);
  const std::wstring caption = WideFromUtf8Lenient(kMessageCaption);
  if (MessageBoxW(IsWindow(owner) ? owner : nullptr, wide.c_str(), caption.c_str(),
                  MB_OK | MB_ICONWARNING) == 0) {
    throw ControlError("The message could not be shown.");
  }
}

}  // namespace korvanel::win32
