#pragma once

#include <windows.h>

#include "platform/Twips.h"

namespace korvanel::win32 {

// Where windows go on the screen, at which DPI: each window is laid out in
// pixels at its own DPI, that of the monitor it is on (the program is
// per-monitor aware), and again when that DPI changes.

// The screen's logical dots per inch (the system DPI).
int ScreenDpi();

// The DPI of `window`: its monitor's (GetDpiForWindow, Windows 10 1607 and
// later), else the system DPI.
int WindowDpi(HWND window);

// The new DPI that WM_DPICHANGED carries in its wParam.
inline int DpiOfChange(WPARAM wParam) { return HIWORD(wParam); }

// A design point in pixels at `dpi`.
inline POINT PixelPoint(int x, int y, int dpi) {
  return {TwipsToPixels(x, dpi), TwipsToPixels(y, dpi)};
}

// The outer size of a top-level window of `style` whose client area is
// `clientWidth` x `clientHeight` pixels, with a menu bar when `hasMenu`, its
// frame and menu bar drawn at `dpi` (AdjustWindowRectExForDpi where the
// system has it, else at the system DPI).
SIZE WindowSizeFor(int clientWidth, int clientHeight, DWORD style, bool hasMenu, int dpi);

// Resizes `window` so that its client area is exactly `clientWidth` x
// `clientHeight` (a menu bar that wraps onto two lines takes room from it).
void FitClientArea(HWND window, int clientWidth, int clientHeight);

// The top-left corner that centres a window of `size` on the work area of
// the primary monitor (the screen without the task bar), where a new window
// opens: a window made there needs no move before it is shown.
POINT CentredOnWorkArea(SIZE size);

// Moves `window` so that its frame, as the user sees it, is centred on the
// work area of its monitor; a window already there is left alone.
void CentreOnWorkArea(HWND window);

}  // namespace korvanel::win32
