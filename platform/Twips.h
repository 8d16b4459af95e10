#pragma once

#include <cmath>

namespace korvanel {

// Window designs are in twips (1/1440 inch); a runtime lays them out in
// pixels at its screen's dots per inch: 15 twips a pixel at 96 dpi, the
// pixels of a browser and of Qt's device-independent layout.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kStandardDpi = 96;

// `twips` in whole pixels at `dpi`, rounded to the nearest (halves away from
// zero): several design values (170, 70, 1715) are not whole pixels, and
// cutting would shift them all the same way.
inline int TwipsToPixels(int twips, int dpi = kStandardDpi) {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

// A design rectangle in pixels: each of its four values rounded.
struct PixelBox {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const PixelBox&) const = default;
};

inline PixelBox PixelPlace(int left, int top, int width, int height, int dpi = kStandardDpi) {
  return {TwipsToPixels(left, dpi), TwipsToPixels(top, dpi), TwipsToPixels(width, dpi),
          TwipsToPixels(height, dpi)};
}

}  // namespace korvanel
