#pragma once

#include <windows.h>

#include <string_view>

namespace korvanel::win32 {

// Tells the user `text` in a message box over `owner` (caption "Korvanel")
// and waits for OK. Fails with ControlError when the box cannot be shown.
void ShowMessage(HWND owner, std::string_view text);

// Shows what an error says, over `owner` if that window still exists.
// Never throws: it is the last stop of every handler.
void ShowError(HWND owner, const char* what) noexcept;

}  // namespace korvanel::win32
