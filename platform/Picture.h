#pragma once

#include <string>
#include <vector>

#include "platform/WindowDesign.h"

namespace korvanel {

// What a runtime draws for the program, on the screen (a drawing control)
// or on paper (a printed page): lines and horizontal texts on a plane in
// millimetres, y growing downward. A runtime needs nothing more than to
// move, draw lines, close a line and write a text of a height at an anchor.

struct PicturePoint {
  double x = 0;
  double y = 0;

  bool operator==(const PicturePoint&) const = default;
};

// Straight lines from point to point; a closed one ends where it began.
struct PictureLine {
  std::vector<PicturePoint> points = {};
  bool closed = false;
  Rgb color = {};
};

// Where a text stands horizontally: its start, its middle or its end is at
// the anchor point, which is on its baseline.
enum class TextAnchor { Left, Centre, Right };

// One line of text in a sans-serif face; `height` is the font's size (its
// em) in millimetres.
struct PictureText {
  PicturePoint at = {};
  double height = 0;
  TextAnchor anchor = TextAnchor::Left;
  std::string text = {};
  Rgb color = {};
};

// Lines on paper are this wide, in millimetres: clear to see and to cut on.
inline constexpr double kPrintedLineMillimetres = 0.1;

struct Picture {
  // The part of the plane the picture shows.
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  std::vector<PictureLine> lines = {};
  std::vector<PictureText> texts = {};
};

// The scale and offset that show `picture` whole in a box of `boxWidth` by
// `boxHeight` device units, centred, its sides' proportion kept: a point
// (x, y) of the picture goes to (x * scale + dx, y * scale + dy). Nothing
// is shown of an empty picture or in an empty box (scale 0).
struct Fit {
  double scale = 0;
  double dx = 0;
  double dy = 0;
};
Fit FitInto(const Picture& picture, double boxWidth, double boxHeight);

}  // namespace korvanel
