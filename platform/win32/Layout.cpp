#include "platform/win32/Layout.h"

#include <utility>

#include "platform/win32/Line.h"

namespace korvanel::win32 {

PixelBox DpiLayout::PlaceOf(const ControlDesign& control) const {
  return PixelPlace(control.left, control.top, control.width, control.height, dpi_);
}

SIZE DpiLayout::ClientSizeAt(int dpi) const {
  return {TwipsToPixels(design_.clientWidth, dpi), TwipsToPixels(design_.clientHeight, dpi)};
}

HFONT DpiLayout::FontFor(const FontDesign& design) {
  std::tuple<std::string, float, int> key(design.face, design.points, dpi_);
  auto found = fonts_.find(key);
  if (found == fonts_.end()) {
    found = fonts_.emplace(std::move(key), CreateDesignFont(design, dpi_)).first;
  }
  return found->second.get();
}

void DpiLayout::Keep(const ControlDesign& design, Placer placer) {
  controls_.push_back({&design, std::move(placer)});
}

void DpiLayout::KeepLine(const LineDesign& design, HWND line) { lines_.push_back({&design, line}); }

void DpiLayout::LayOut(int dpi) {
  dpi_ = dpi;
  for (const Made& made : controls_) {
    made.placer(PlaceOf(*made.design), FontFor(made.design->font), dpi);
  }
  for (const Line& line : lines_) {
    PlaceLine(line.handle, PointAt(line.design->x1, line.design->y1),
              PointAt(line.design->x2, line.design->y2));
  }
}

}  // namespace korvanel::win32
