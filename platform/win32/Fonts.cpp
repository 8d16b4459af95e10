#include "platform/win32/Fonts.h"

#include <cmath>

#include "platform/ControlError.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

constexpr double kPointsPerInch = 72;

}  // namespace

int FontPixels(float points, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(points) * dpi / kPointsPerInch));
}

UniqueFont CreateDesignFont(const FontDesign& design, int dpi) {
  const std::wstring face = WideFromUtf8(design.face);
  if (face.size() >= LF_FACESIZE) throw ControlError("The font name is too long.");
  // A negative height asks for the character height, without leading.
  HFONT font = CreateFontW(-FontPixels(design.points, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (font == nullptr) throw ControlError("The font " + std::string(design.face) + " is missing.");
  return UniqueFont(font);
}

}  // namespace korvanel::win32
