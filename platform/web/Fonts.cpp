#include "platform/web/Fonts.h"

#include "platform/web/CssText.h"

namespace korvanel::web {

std::string FontFamily(const FontDesign& font) {
  std::string family = "\"" + std::string(font.face) + "\", ";
  if (font.face == "MS Sans Serif") family += "\"Microsoft Sans Serif\", ";
  family += font.fixedPitch ? "\"Korvanel Mono\", monospace" : "\"Korvanel Sans\", sans-serif";
  return family;
}

void ApplyFont(const val& element, const FontDesign& font) {
  SetStyle(element, "font-family", FontFamily(font));
  SetStyle(element, "font-size", CssNumber(font.points) + "pt");
}

}  // namespace korvanel::web
