#include "platform/win32/MenuBar.h"

#include <string>

#include "platform/ControlError.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

void Check(BOOL done, std::string_view what) {
  if (!done) throw ControlError("The menu " + std::string(what) + " could not be made.");
}

}  // namespace

UniqueMenu MakeMenuBar() {
  UniqueMenu bar(CreateMenu());
  Check(bar != nullptr, "bar");
  return bar;
}

HMENU MakeMenu(HMENU bar, std::string_view name, std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  HMENU menu = CreatePopupMenu();
  Check(menu != nullptr, name);
  if (!AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), wide.c_str())) {
    DestroyMenu(menu);
    Check(FALSE, name);
  }
  return menu;
}

void MakeMenuItem(HMENU menu, std::string_view name, std::string_view text, int id) {
  const std::wstring wide = WideFromUtf8(text);
  Check(AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(id), wide.c_str()), name);
}

void MakeSeparator(HMENU menu, std::string_view name) {
  Check(AppendMenuW(menu, MF_SEPARATOR, 0, nullptr), name);
}

}  // namespace korvanel::win32
