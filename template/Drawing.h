#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Picture.h"
#include "template/Geometry.h"

namespace korvanel::fret_template {

// What the preview, the printed pages and both files are made from: lines
// and texts in millimetres, each on a named layer. A runtime draws it with
// move, line and close, and with horizontal text of a height at an anchor.
// Coordinates are the board's (Point): y grows downward; a page's are the
// paper's, from its top left corner, y downward too.

// The board's layers, then the marks that only pages carry (registration
// crosses, rulers, the tile's frame).
enum class Layer { Outline, Frets, Nut, Bridge, Centre, Strings, Text, Marks };
inline constexpr std::array<Layer, 8> kLayers = {Layer::Outline, Layer::Frets,  Layer::Nut,
                                                 Layer::Bridge,  Layer::Centre, Layer::Strings,
                                                 Layer::Text,    Layer::Marks};

// "OUTLINE", "FRETS", "NUT", "BRIDGE", "CENTRE", "STRINGS", "TEXT", "MARKS".
std::string_view LayerName(Layer layer);

// Straight lines from point to point; a closed one ends where it began.
struct Polyline {
  Layer layer = Layer::Outline;
  std::vector<Point> points;
  bool closed = false;
};

// Where a text stands horizontally, as a runtime draws it.
using korvanel::TextAnchor;

// One line of horizontal text. `height` is the font's size (its em), as Qt's
// pixel size, GDI's character height, SVG's and CSS's font-size take it; the
// digits are about 0.72 of it.
struct Text {
  Layer layer = Layer::Text;
  Point at;
  double height = 0;
  TextAnchor anchor = TextAnchor::Left;
  std::string text;
};

// A rectangle, y downward: top <= bottom.
struct Box {
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;

  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
  bool Contains(const Box& other) const;
};

struct Drawing {
  std::vector<Polyline> lines;
  std::vector<Text> texts;
};

// The room a text takes, estimated without a font: 0.6 of its height for
// each character (wider than the digits of a sans face), from 0.75 of the
// height above the baseline to 0.25 below it.
Box TextBox(const Text& text);

// The box around every point and every text's estimated room.
Box Bounds(const Drawing& drawing);

// The board as the preview and the files show it: the outline, the frets (a
// line each, or a closed slot with a slot width), the nut, the bridge line,
// the centre line from nut to bridge, the two outer strings, and each fret's
// number below the treble edge, 3.5 mm high, or `numberHeight`; a number
// that would run into the one before it is left out.
Drawing BoardDrawing(const BoardGeometry& board);
Drawing BoardDrawing(const BoardGeometry& board, double numberHeight);

// The board's lines without the fret numbers.
Drawing BoardLines(const BoardGeometry& board);

}  // namespace korvanel::fret_template
