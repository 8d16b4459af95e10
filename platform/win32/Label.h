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

// Whether the user has turned high contrast on.
bool HighContrastOn();

// The text colour of a label whose design colour is `color`: the system's
// button text colour when none; under high contrast, where a colour of the
// program's own may be unreadable, the system's window text colour.
COLORREF LabelTextColor(const std::optional<Rgb>& color, bool highContrast);

// Sets up `dc` for painting a label in LabelTextColor and returns the
// background brush.
HBRUSH LabelColors(HDC dc, const std::optional<Rgb>& color, bool highContrast);

}  // namespace korvanel::win32
