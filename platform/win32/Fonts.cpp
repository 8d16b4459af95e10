#include "platform/win32/Fonts.h"

#include <cmath>
#include <cstdlib>

#include "platform/ControlError.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

constexpr double kPointsPerInch = 72;
constexpr wchar_t kScalableSansSerif[] = L"Microsoft Sans Serif";

UniqueFont CreateFace(const wchar_t* face, int pixels) {
  // A negative height asks for the character height, without leading.
  return UniqueFont(CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, face));
}

// The character height (cell without internal leading) that `font` draws.
int CharacterHeight(HFONT font) {
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  TEXTMETRICW metrics{};
  GetTextMetricsW(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  return static_cast<int>(metrics.tmHeight - metrics.tmInternalLeading);
}

}  // namespace

int FontPixels(float points, int dpi) {
  return static_cast<int>(std::lround(static_cast<double>(points) * dpi / kPointsPerInch));
}

UniqueFont CreateDesignFont(const FontDesign& design, int dpi) {
  const std::wstring face = WideFromUtf8(design.face);
  if (face.size() >= LF_FACESIZE) throw ControlError("The font name is too long.");
  const int pixels = FontPixels(design.points, dpi);
  UniqueFont font = CreateFace(face.c_str(), pixels);
  if (font == nullptr) throw ControlError("The font " + std::string(design.face) + " is missing.");
  // A bitmap face (MS Sans Serif) comes in a few sizes only; where it lacks
  // this one, its scalable successor draws the text at the design's size.
  // TrueType faces may round the height by a pixel either way.
  if (std::abs(CharacterHeight(font.get()) - pixels) > 1) {
    if (UniqueFont scalable = CreateFace(kScalableSansSerif, pixels)) return scalable;
  }
  return font;
}

}  // namespace korvanel::win32
