#pragma once

#include <string>

#include "platform/WindowDesign.h"
#include "platform/web/Dom.h"

namespace korvanel::web {

// The CSS font of a design: its face where the system has it (and the
// scalable successor of the bitmap "MS Sans Serif", which browsers do not
// draw), else the stand-in of the same pitch that the page carries
// (Liberation Sans or Liberation Mono, as "Korvanel Sans" and "Korvanel
// Mono"), at the design's size in points.
std::string FontFamily(const FontDesign& font);
void ApplyFont(const val& element, const FontDesign& font);

}  // namespace korvanel::web
