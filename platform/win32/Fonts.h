#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

#include "platform/WindowDesign.h"

namespace korvanel::win32 {

struct FontDeleter {
  void operator()(HFONT font) const { DeleteObject(font); }
};
// A GDI font the holder deletes; it must outlive every control that shows it.
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

// The character height in pixels of `points` at `dpi`, rounded, halves
// down: 11 pixels for 8.25 pt at 96 dpi, 16 at 144 dpi, 24 for 18 pt.
int FontPixels(float points, int dpi);

// The design's face (regular weight, upright) at its size for `dpi`. The
// faces of the designs are the system's own on Windows; where a bitmap face
// has no such size, its scalable successor (platform/Fonts.h) stands in, for
// the designs that are not fixed pitch. A missing face is left to the font
// mapper. Fails with ControlError.
UniqueFont CreateDesignFont(const FontDesign& design, int dpi);

}  // namespace korvanel::win32
