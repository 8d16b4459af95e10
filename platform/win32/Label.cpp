#include "platform/win32/Label.h"

#include "platform/win32/ChildWindow.h"

namespace korvanel::win32 {

HWND CreateLabel(HWND parent, const ControlDesign& design, const PixelBox& place, int id) {
  return CreateChild(parent, L"STATIC", design.text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, place, id);
}

HBRUSH LabelColors(HDC dc, const std::optional<Rgb>& color) {
  SetTextColor(dc, color ? RGB(color->red, color->green, color->blue) : GetSysColor(COLOR_BTNTEXT));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetBkMode(dc, OPAQUE);
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace korvanel::win32
