#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "platform/WindowDesign.h"

namespace korvanel {

// Which faces draw a design's font, for the runtimes to pick the first one
// their system has. The designs name the faces of Windows; elsewhere faces
// of the same metrics stand in for them, from Debian's fonts-liberation.

// The faces that are the design's own, best first: its face and, for the
// bitmap "MS Sans Serif" (which browsers and printers do not draw, and
// Windows only in a few sizes), its scalable successor "Microsoft Sans Serif".
std::vector<std::string_view> DesignFaces(const FontDesign& font);

// Faces of the design's pitch that stand in where its own are missing,
// best first: faces of Windows and their metric twins, then a common one of
// the same kind.
std::span<const std::string_view> StandInFaces(bool fixedPitch);

// The faces a printer tries for `requested`, best first: the face itself,
// then the fixed-pitch stand-ins. The printed report lines its columns up
// with blanks, so whatever stands in has a fixed pitch.
std::vector<std::string_view> PrintFaces(std::string_view requested);

}  // namespace korvanel
