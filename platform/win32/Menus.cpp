#include "platform/win32/Menus.h"

#include <string>
#include <utility>

#include "platform/ControlError.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

// Destroys a menu that has not reached a window yet.
struct MenuHolder {
  HMENU menu;
  ~MenuHolder() {
    if (menu != nullptr) DestroyMenu(menu);
  }
  HMENU Release() { return std::exchange(menu, nullptr); }
};

void Check(BOOL done, std::string_view what) {
  if (!done) throw ControlError("The menu " + std::string(what) + " could not be made.");
}

}  // namespace

HMENU CreateMenuBar(std::span<const MenuDesign> menus,
                    const std::function<int(std::string_view name)>& idFor) {
  MenuHolder bar{CreateMenu()};
  Check(bar.menu != nullptr, "bar");
  for (const MenuDesign& menuDesign : menus) {
    MenuHolder menu{CreatePopupMenu()};
    Check(menu.menu != nullptr, menuDesign.name);
    for (const MenuItemDesign& item : menuDesign.items) {
      if (item.IsSeparator()) {
        Check(AppendMenuW(menu.menu, MF_SEPARATOR, 0, nullptr), item.name);
        continue;
      }
      const std::wstring text = WideFromUtf8(item.text);
      Check(
          AppendMenuW(menu.menu, MF_STRING, static_cast<UINT_PTR>(idFor(item.name)), text.c_str()),
          item.name);
    }
    const std::wstring text = WideFromUtf8(menuDesign.text);
    Check(AppendMenuW(bar.menu, MF_POPUP, reinterpret_cast<UINT_PTR>(menu.menu), text.c_str()),
          menuDesign.name);
    // The bar owns the menu now.
    menu.Release();
  }
  return bar.Release();
}

}  // namespace korvanel::win32
