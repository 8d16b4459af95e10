#include "platform/Fonts.h"

namespace korvanel {

namespace {

constexpr std::string_view kBitmapSansSerif = "MS Sans Serif";
constexpr std::string_view kScalableSansSerif = "Microsoft Sans Serif";

constexpr std::string_view kSansStandIns[] = {"Liberation Sans", "Arial", "DejaVu Sans"};
// Courier New is on every Windows, and printers take it as TrueType.
constexpr std::string_view kFixedStandIns[] = {"Courier New", "Liberation Mono",
                                               "DejaVu Sans Mono"};

}  // namespace

std::vector<std::string_view> DesignFaces(const FontDesign& font) {
  std::vector<std::string_view> faces{font.face};
  if (font.face == kBitmapSansSerif) faces.push_back(kScalableSansSerif);
  return faces;
}

std::span<const std::string_view> StandInFaces(bool fixedPitch) {
  if (fixedPitch) return kFixedStandIns;
  return kSansStandIns;
}

std::vector<std::string_view> PrintFaces(std::string_view requested) {
  std::vector<std::string_view> faces;
  if (!requested.empty()) faces.push_back(requested);
  for (const std::string_view face : kFixedStandIns) {
    if (face != requested) faces.push_back(face);
  }
  return faces;
}

}  // namespace korvanel
