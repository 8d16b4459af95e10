#pragma once

#include <windows.h>

#include "platform/WindowDesign.h"
#include "platform/win32/Dpi.h"

namespace korvanel::win32 {

// A push button in the tab order; the window's default button (the one
// Enter clicks) is drawn as such. A click reaches the window as
// WM_COMMAND / BN_CLICKED with `id`.
HWND CreateButton(HWND parent, const ControlDesign& design, const PixelBox& place, int id);

}  // namespace korvanel::win32
