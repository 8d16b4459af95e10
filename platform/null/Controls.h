#pragma once

#include <string>

#include "platform/Twips.h"
#include "platform/WindowDesign.h"

namespace korvanel::null {

// A control as the null runtime places it: its kind, text and design name
// at its design rectangle in pixels at 96 dpi.
struct NullControl {
  ControlKind kind = ControlKind::Label;
  std::string name;
  std::string text;
  PixelBox place;
};

inline NullControl MakeControl(const ControlDesign& design) {
  return {design.kind, std::string(design.name), std::string(design.text),
          PixelPlace(design.left, design.top, design.width, design.height)};
}

}  // namespace korvanel::null
