#pragma once

#include <windows.h>

#include <string_view>

#include "platform/win32/Dpi.h"

namespace korvanel::win32 {

// Creates a visible child window of `parent` at `place` (client pixels),
// with the command id `id`, and lays it above its earlier siblings: where
// controls overlap, the later one is seen. WS_CLIPSIBLINGS keeps each from
// painting over the ones above it. Fails with ControlError.
HWND CreateChild(HWND parent, const wchar_t* className, std::string_view text, DWORD style,
                 DWORD exStyle, const PixelBox& place, int id);

// Gives `control` the font `font` without redrawing it yet.
void SetControlFont(HWND control, HFONT font);

}  // namespace korvanel::win32
