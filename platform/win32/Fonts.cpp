#include "platform/win32/Fonts.h"

#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <numeric>

#include "platform/ControlError.h"
#include "platform/Fonts.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

constexpr double kPointsPerInch = 72;

UniqueFont CreateFace(const wchar_t* face, int pixels) {
  // A negative height asks for the character height, without leading.
  return UniqueFont(CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH | FF_DONTCARE, face));
}

// What `font` draws on the screen: its metrics and face.
struct Drawn {
  TEXTMETRICW metrics{};
  wchar_t face[LF_FACESIZE]{};
};
Drawn DrawnBy(HDC screen, HFONT font) {
  Drawn drawn;
  HGDIOBJ previous = SelectObject(screen, font);
  GetTextMetricsW(screen, &drawn.metrics);
  GetTextFaceW(screen, LF_FACESIZE, drawn.face);
  SelectObject(screen, previous);
  return drawn;
}

// The character height (cell without internal leading) of a face's size.
int CharacterHeight(const TEXTMETRICW& metrics) {
  return static_cast<int>(metrics.tmHeight - metrics.tmInternalLeading);
}

bool IsBitmapFace(const TEXTMETRICW& metrics) {
  return (metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE)) == 0;
}

// A bitmap face that GDI stretched k times has all its measures k times
// those of a size it has; measures without a common factor are its own.
bool MayBeStretched(const TEXTMETRICW& metrics) {
  return std::gcd(std::gcd(metrics.tmHeight, metrics.tmInternalLeading),
                  std::gcd(metrics.tmAveCharWidth, metrics.tmMaxCharWidth)) > 1;
}

int CALLBACK FindSize(const LOGFONTW*, const TEXTMETRICW* metrics, DWORD type, LPARAM pixels) {
  // Zero ends the enumeration: that size is there.
  return (type & RASTER_FONTTYPE) != 0 && CharacterHeight(*metrics) == pixels ? 0 : 1;
}

// Whether the bitmap face `face` comes in the character height `pixels`.
// GDI stretches a bitmap face to whole multiples of its sizes (the 8 pt
// face doubled at 200 %), and such a font has the height asked for.
bool HasBitmapSize(HDC screen, const wchar_t* face, int pixels) {
  LOGFONTW wanted{};
  wanted.lfCharSet = DEFAULT_CHARSET;
  wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
  // A bitmap face is listed once for each of its sizes.
  return EnumFontFamiliesExW(screen, &wanted, FindSize, pixels, 0) == 0;
}

// Whether `font` draws `pixels` high, and not as a stretched bitmap face.
bool DrawsTrue(HFONT font, int pixels) {
  HDC screen = GetDC(nullptr);
  const Drawn drawn = DrawnBy(screen, font);
  const int height = CharacterHeight(drawn.metrics);
  bool drawsTrue = false;
  if (!IsBitmapFace(drawn.metrics)) {
    // TrueType faces may round the height by a pixel either way.
    drawsTrue = std::abs(height - pixels) <= 1;
  } else if (height == pixels) {
    drawsTrue = !MayBeStretched(drawn.metrics) || HasBitmapSize(screen, drawn.face, pixels);
  }
  ReleaseDC(nullptr, screen);
  return drawsTrue;
}

}  // namespace

int FontPixels(float points, int dpi) {
  // Halves round down: the labels keep their design widths at every DPI,
  // and 8.25 pt at 144 dpi drawn 17 pixels high would outgrow the longest.
  return static_cast<int>(std::ceil(static_cast<double>(points) * dpi / kPointsPerInch - 0.5));
}

UniqueFont CreateDesignFont(const FontDesign& design, int dpi) {
  const std::wstring face = WideFromUtf8(design.face);
  if (face.size() >= LF_FACESIZE) throw ControlError("The font name is too long.");
  const int pixels = FontPixels(design.points, dpi);
  UniqueFont font = CreateFace(face.c_str(), pixels);
  if (font == nullptr) throw ControlError("The font " + std::string(design.face) + " is missing.");
  // A bitmap face (MS Sans Serif) comes in a few sizes only; where it lacks
  // this one, its scalable successor draws the text at the design's size.
  // That stand-in is proportional: a fixed-pitch design keeps its face
  // without the check.
  const std::vector<std::string_view> faces = DesignFaces(design);
  if (!design.fixedPitch && faces.size() > 1 && !DrawsTrue(font.get(), pixels)) {
    const std::wstring successor = WideFromUtf8(faces[1]);
    if (UniqueFont scalable = CreateFace(successor.c_str(), pixels)) return scalable;
  }
  return font;
}

}  // namespace korvanel::win32
