#pragma once

#include <windows.h>

namespace korvanel::win32 {

// The outer size of a top-level window of `style` whose client area is
// `clientWidth` x `clientHeight` pixels, with a menu bar when `hasMenu`, its
// frame and menu bar drawn at `dpi` (AdjustWindowRectExForDpi where the
// system has it, else at the system DPI).
SIZE WindowSizeFor(int clientWidth, int clientHeight, DWORD style, bool hasMenu, int dpi);

// Resizes `window` so that its client area is exactly `clientWidth` x
// `clientHeight` (a menu bar that wraps onto two lines takes room from it).
void FitClientArea(HWND window, int clientWidth, int clientHeight);

// Moves `window` so that its frame, as the user sees it, is centred on the
// work area of its monitor (the screen without the task bar).
void CentreOnWorkArea(HWND window);

}  // namespace korvanel::win32
