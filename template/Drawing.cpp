#include "template/Drawing.h"

#include <algorithm>
#include <cstddef>
#include <limits>

namespace korvanel::fret_template {

namespace {

constexpr double kCharacterWidth = 0.6;
constexpr double kAboveBaseline = 0.75;
constexpr double kBelowBaseline = 0.25;
constexpr double kFretNumberHeight = 3.5;
// Between the board's edge and the top of a fret number.
constexpr double kFretNumberGap = 1.5;

Polyline Segment(Layer layer, Point from, Point to) { return {layer, {from, to}, false}; }

Polyline Closed(Layer layer, const Quadrilateral& corners) {
  return {layer, {corners.begin(), corners.end()}, true};
}

void Include(Box& box, Point point) {
  box.left = std::min(box.left, point.x);
  box.top = std::min(box.top, point.y);
  box.right = std::max(box.right, point.x);
  box.bottom = std::max(box.bottom, point.y);
}

}  // namespace

std::string_view LayerName(Layer layer) {
  switch (layer) {
    case Layer::Outline:
      return "OUTLINE";
    case Layer::Frets:
      return "FRETS";
    case Layer::Nut:
      return "NUT";
    case Layer::Bridge:
      return "BRIDGE";
    case Layer::Centre:
      return "CENTRE";
    case Layer::Strings:
      return "STRINGS";
    case Layer::Text:
      return "TEXT";
    case Layer::Marks:
      break;
  }
  return "MARKS";
}

bool Box::Contains(const Box& other) const {
  return other.left >= left && other.right <= right && other.top >= top && other.bottom <= bottom;
}

Box TextBox(const Text& text) {
  const double width = kCharacterWidth * text.height * static_cast<double>(text.text.size());
  double left = text.at.x;
  if (text.anchor == TextAnchor::Centre) left -= width / 2;
  if (text.anchor == TextAnchor::Right) left -= width;
  return {left, text.at.y - kAboveBaseline * text.height, left + width,
          text.at.y + kBelowBaseline * text.height};
}

Box Bounds(const Drawing& drawing) {
  constexpr double kNone = std::numeric_limits<double>::infinity();
  Box box = {kNone, kNone, -kNone, -kNone};
  for (const Polyline& line : drawing.lines) {
    for (const Point& point : line.points) Include(box, point);
  }
  for (const Text& text : drawing.texts) {
    const Box room = TextBox(text);
    Include(box, {room.left, room.top});
    Include(box, {room.right, room.bottom});
  }
  return box;
}

Drawing BoardLines(const BoardGeometry& board) {
  Drawing drawing;
  auto& lines = drawing.lines;
  lines.push_back(Closed(Layer::Outline, board.outline));
  for (std::size_t fret = 1; fret < board.frets.size(); ++fret) {
    if (board.fretSlots.empty()) {
      lines.push_back(
          Segment(Layer::Frets, board.frets[fret].bassEnd, board.frets[fret].trebleEnd));
    } else {
      lines.push_back(Closed(Layer::Frets, board.fretSlots[fret - 1]));
    }
  }
  lines.push_back(Segment(Layer::Nut, board.frets[0].bassEnd, board.frets[0].trebleEnd));
  lines.push_back(Segment(Layer::Bridge, board.bassBridge, board.trebleBridge));
  const Point bridgeMiddle = {(board.bassBridge.x + board.trebleBridge.x) / 2, 0};
  lines.push_back(Segment(Layer::Centre, {0, 0}, bridgeMiddle));
  lines.push_back(Segment(Layer::Strings, board.bassNut, board.bassBridge));
  lines.push_back(Segment(Layer::Strings, board.trebleNut, board.trebleBridge));
  return drawing;
}

Drawing BoardDrawing(const BoardGeometry& board) { return BoardDrawing(board, kFretNumberHeight); }

Drawing BoardDrawing(const BoardGeometry& board, double numberHeight) {
  Drawing drawing = BoardLines(board);
  // Right of the last number written, and a character's gap.
  double free = -std::numeric_limits<double>::infinity();
  for (std::size_t fret = 1; fret < board.frets.size(); ++fret) {
    const Point end = board.frets[fret].trebleEnd;
    const double baseline = end.y + kFretNumberGap + kAboveBaseline * numberHeight;
    Text number{
        Layer::Text, {end.x, baseline}, numberHeight, TextAnchor::Centre, std::to_string(fret)};
    const Box room = TextBox(number);
    if (room.left < free) continue;
    free = room.right + kCharacterWidth * numberHeight;
    drawing.texts.push_back(std::move(number));
  }
  return drawing;
}

}  // namespace korvanel::fret_template
