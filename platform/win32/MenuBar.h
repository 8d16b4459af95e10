#pragma once

#include <windows.h>

#include <memory>
#include <string_view>
#include <type_traits>

namespace korvanel::win32 {

// The menu bar of a window, made one menu and one item at a time before the
// window, so that the window is made with it and measured once; the bar owns
// every menu from the moment it is added, and the window that is given the
// bar destroys them all with itself. Each fails with ControlError.

struct MenuDeleter {
  void operator()(HMENU menu) const { DestroyMenu(menu); }
};
// A menu bar not yet given to a window.
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDeleter>;

UniqueMenu MakeMenuBar();

// A menu at the right end of `bar`. `name` is the menu's design name, for
// the error.
HMENU MakeMenu(HMENU bar, std::string_view name, std::string_view text);

// An item at the end of `menu`; choosing it sends WM_COMMAND with `id`.
void MakeMenuItem(HMENU menu, std::string_view name, std::string_view text, int id);

// A separator line at the end of `menu`.
void MakeSeparator(HMENU menu, std::string_view name);

}  // namespace korvanel::win32
