#pragma once

#include <windows.h>

#include <string_view>

namespace korvanel::win32 {

// Tells the user `text` in a warning box captioned kMessageCaption over
// `owner` while that window exists, else over no window, and waits for OK.
// Bytes that are not UTF-8 show as replacement characters. Fails with
// ControlError when the box cannot be shown.
void ShowMessageBox(HWND owner, std::string_view text);

}  // namespace korvanel::win32
