#pragma once

#include <string_view>

#include "platform/Picture.h"
#include "platform/Runtime.h"
#include "platform/WindowDesign.h"
#include "platform/web/Dom.h"

namespace korvanel::web {

// Draws `picture` into `group` (an SVG element), in place of what it held,
// in the picture's millimetres: its lines as one path of subpaths for each
// colour, `lineWidth` millimetres wide, or hairlines of one screen pixel
// for 0; its texts in the site's sans-serif face.
void DrawPicture(const val& group, const Picture& picture, double lineWidth);

// The drawing control: an inline SVG image of its design's size that shows
// the picture it was last given, fitted into it, named for screen readers by
// the picture's description.
class WebDrawing : public DrawingControl {
 public:
  explicit WebDrawing(const ControlDesign& design);

  void Show(const Picture& picture, std::string_view description) override;

  const val& Element() const { return svg_; }

 private:
  val svg_;
  val content_;
  int width_;
  int height_;
};

}  // namespace korvanel::web
