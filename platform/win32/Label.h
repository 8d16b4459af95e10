#pragma once

#include <windows.h>

#include <optional>

#include "platform/WindowDesign.h"
#include "platform/win32/Dpi.h"

namespace korvanel::win32 {

// A label: a STATIC control, left-aligned on one line that is cut at its
// right edge, without border and without "&" prefixes. It takes no focus.
// Its background is opaque in the dialog colour and its text in the
// design's colour; the window answers WM_CTLCOLORSTATIC with LabelColors.
HWND CreateLabel(HWND parent, const ControlDesign& design, const PixelBox& place, int id);

// Sets up `dc` for painting a label whose design colour is `color` (the
// system's button text colour when none) and returns the background brush.
HBRUSH LabelColors(HDC dc, const std::optional<Rgb>& color);

}  // namespace korvanel::win32
