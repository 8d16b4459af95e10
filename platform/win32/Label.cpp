#include "platform/win32/Label.h"

#include "platform/win32/ChildWindow.h"

namespace korvanel::win32 {

HWND CreateLabel(HWND parent, const ControlDesign& design, const PixelBox& place, int id) {
  return CreateChild(parent, L"STATIC", design.text, SS_LEFTNOWORDWRAP | SS_NOPREFIX, 0, place, id);
}

bool HighContrastOn() {
  HIGHCONTRASTW contrast{};
  contrast.cbSize = sizeof contrast;
  return SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
         (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

COLORREF LabelTextColor(const std::optional<Rgb>& color, bool highContrast) {
  if (!color) return GetSysColor(COLOR_BTNTEXT);
  if (highContrast) return GetSysColor(COLOR_WINDOWTEXT);
  return RGB(color->red, color->green, color->blue);
}

HBRUSH LabelColors(HDC dc, const std::optional<Rgb>& color, bool highContrast) {
  SetTextColor(dc, LabelTextColor(color, highContrast));
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  SetBkMode(dc, OPAQUE);
  return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace korvanel::win32
