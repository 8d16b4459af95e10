#pragma once

#include <windows.h>

#include <vector>

namespace korvanel::win32 {

// The pixels of a straight line one pixel wide from `from` to `to`, both
// end points included, one pixel per step along its longer axis
// (Bresenham).
std::vector<POINT> LinePixels(POINT from, POINT to);

// A line drawn in the window-text colour from `from` to `to` (client
// pixels of `parent`), its control id `id`: a child window shaped (SetWindowRgn) to exactly the
// line's pixels, so that it lies above the controls created before it and
// hides nothing else. The mouse goes through it; disabled, it never takes
// the focus. Fails with ControlError.
HWND MakeLine(HWND parent, POINT from, POINT to, int id);

// Moves and reshapes a line made by MakeLine to run from `from` to `to`,
// keeping its place in the stacking order. Fails with ControlError.
void PlaceLine(HWND line, POINT from, POINT to);

}  // namespace korvanel::win32
