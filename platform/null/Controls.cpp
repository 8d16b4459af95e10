#include "platform/null/Controls.h"

namespace korvanel::null {

NullControl MakeControl(const ControlDesign& design) {
  NullControl made{design.kind,
                   std::string(design.name),
                   std::string(design.text),
                   PixelPlace(design.left, design.top, design.width, design.height),
                   {}};
  for (const ListColumn& column : design.columns) {
    made.columns.emplace_back(column.header, TwipsToPixels(column.width));
  }
  return made;
}

NullLine MakeLine(const LineDesign& design) {
  return {std::string(design.name), TwipsToPixels(design.x1), TwipsToPixels(design.y1),
          TwipsToPixels(design.x2), TwipsToPixels(design.y2)};
}

}  // namespace korvanel::null
