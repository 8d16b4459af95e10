#include "platform/web/Fonts.h"

#include <cstdio>

namespace korvanel::web {

std::string FontFamily(const FontDesign& font) {
  std::string family = "\"" + std::string(font.face) + "\", ";
  if (font.face == "MS Sans Serif") family += "\"Microsoft Sans Serif\", ";
  family += font.fixedPitch ? "\"Korvanel Mono\", monospace" : "\"Korvanel Sans\", sans-serif";
  return family;
}

void ApplyFont(const val& element, const FontDesign& font) {
  SetStyle(element, "font-family", FontFamily(font));
  char size[32];
  std::snprintf(size, sizeof size, "%gpt", static_cast<double>(font.points));
  SetStyle(element, "font-size", size);
}

}  // namespace korvanel::web
