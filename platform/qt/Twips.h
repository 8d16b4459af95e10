#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <cmath>

namespace korvanel::qt {

// Window designs are in twips; Qt places widgets in device-independent pixels.
inline constexpr double kTwipsPerPixel = 15.0;

// Rounds to the nearest pixel: several design values (170, 70, 1715) are not
// whole pixels, and truncating would shift them all the same way.
inline int Px(int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

inline QPoint TwipsPoint(int x, int y) { return {Px(x), Px(y)}; }
inline QSize TwipsSize(int width, int height) { return {Px(width), Px(height)}; }
inline QRect TwipsRect(int left, int top, int width, int height) {
  return {TwipsPoint(left, top), TwipsSize(width, height)};
}

}  // namespace korvanel::qt
