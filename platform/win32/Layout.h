#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "platform/Twips.h"
#include "platform/WindowDesign.h"
#include "platform/win32/Fonts.h"

namespace korvanel::win32 {

// A window's layout in pixels at its DPI: the places of its controls and
// lines from their design, and the design's fonts at that DPI. When the DPI
// changes (WM_DPICHANGED), everything is laid out again from the design:
// nothing is scaled from the pixels of the DPI before.
class DpiLayout {
 public:
  // Moves a made control to its place at a DPI, showing its text in a font.
  using Placer = std::function<void(const PixelBox& place, HFONT font, int dpi)>;

  DpiLayout(const WindowDesign& design, int dpi) : design_(design), dpi_(dpi) {}

  int Dpi() const { return dpi_; }
  void SetDpi(int dpi) { dpi_ = dpi; }
  PixelBox PlaceOf(const ControlDesign& control) const;
  POINT PointAt(int x, int y) const { return {TwipsToPixels(x, dpi_), TwipsToPixels(y, dpi_)}; }
  SIZE ClientSizeAt(int dpi) const;
  // The font of `design` at the current DPI. The fonts of each DPI the
  // window has been at stay until the layout goes (a window goes to few
  // monitors), so none is deleted while a control may still show it.
  HFONT FontFor(const FontDesign& design);

  // Keeps how the control made for `design` moves, in the order made.
  void Keep(const ControlDesign& design, Placer placer);
  void KeepLine(const LineDesign& design, HWND line);

  // Lays every control and line out again at `dpi`, in its fonts.
  void LayOut(int dpi);

 private:
  struct Made {
    const ControlDesign* design;
    Placer placer;
  };
  struct Line {
    const LineDesign* design;
    HWND handle;
  };

  const WindowDesign& design_;
  int dpi_;
  // By face, size and DPI. Declared before nothing that shows them: the
  // form keeps its layout until its window is destroyed.
  std::map<std::tuple<std::string, float, int>, UniqueFont> fonts_;
  std::vector<Made> controls_;
  std::vector<Line> lines_;
};

}  // namespace korvanel::win32
