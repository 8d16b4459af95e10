#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Twips.h"
#include "platform/WindowDesign.h"

namespace korvanel::null {

// A control as the null runtime places it: its kind, text and design name
// at its design rectangle in pixels at 96 dpi, and a list's column headers
// with their widths.
struct NullControl {
  ControlKind kind = ControlKind::Label;
  std::string name;
  std::string text;
  PixelBox place;
  std::vector<std::pair<std::string, int>> columns;
};

// A line: its design name and its end points in pixels.
struct NullLine {
  std::string name;
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

NullControl MakeControl(const ControlDesign& design);
NullLine MakeLine(const LineDesign& design);

}  // namespace korvanel::null
