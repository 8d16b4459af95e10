#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <string_view>

#include "platform/WindowDesign.h"

namespace korvanel::win32 {

// The menu bar of a design: its menus left to right, their items in order,
// "-" items as separator lines. Each item that can be chosen gets the
// command id that `idFor` gives for its design name; choosing it sends
// WM_COMMAND with that id. The caller attaches the bar to its window, which
// then destroys it. Fails with ControlError.
HMENU CreateMenuBar(std::span<const MenuDesign> menus,
                    const std::function<int(std::string_view name)>& idFor);

}  // namespace korvanel::win32
