#include "platform/web/Fonts.h"

#include "platform/Fonts.h"
#include "platform/web/CssText.h"

namespace korvanel::web {

std::string FontFamily(const FontDesign& font) {
  std::string family;
  for (const std::string_view face : DesignFaces(font)) family += "\"" + std::string(face) + "\", ";
  family += font.fixedPitch ? "\"Korvanel Mono\", monospace" : "\"Korvanel Sans\", sans-serif";
  return family;
}

void ApplyFont(const val& element, const FontDesign& font) {
  SetStyle(element, "font-family", FontFamily(font));
  SetStyle(element, "font-size", CssNumber(font.points) + "pt");
}

}  // namespace korvanel::web
