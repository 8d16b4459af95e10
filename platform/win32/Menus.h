#pragma once

#include <windows.h>

#include <string_view>

namespace korvanel::win32 {

// The menu bar of a window, made one menu and one item at a time; the
// window owns every menu from the moment it is added, and destroys them with
// itself. Each fails with ControlError.

// A menu at the right end of the menu bar of `window`, the bar made when it
// has none yet. `name` is the menu's design name, for the error.
HMENU AddMenu(HWND window, std::string_view name, std::string_view text);

// An item at the end of `menu`; choosing it sends WM_COMMAND with `id`.
void AddMenuItem(HMENU menu, std::string_view name, std::string_view text, int id);

// A separator line at the end of `menu`.
void AddSeparator(HMENU menu, std::string_view name);

}  // namespace korvanel::win32
