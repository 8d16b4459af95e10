#include "template/Geometry.h"

#include <cmath>
#include <cstddef>

namespace korvanel::fret_template {

namespace {

// 2^(-j/12) for j = 0..11, each the double nearest to the exact value. Only
// + - * / and the square root are the same to the bit in every C library;
// pow is not, so the octaves are taken by exact powers of two instead.
constexpr double kSemitoneRatios[] = {
    1.0,
    0x1.e3437e7101344p-1,  // 0.94387431268169349664...
    0x1.c823e074ec129p-1,  // 0.89089871814033930474...
    0x1.ae89f995ad3adp-1,  // 0.84089641525371454303...
    0x1.965fea53d6e3dp-1,  // 0.79370052598409973737...
    0x1.7f910d768cfb0p-1,  // 0.74915353843834074939...
    0x1.6a09e667f3bcdp-1,  // 0.70710678118654752440...
    0x1.55b8108f0ec5ep-1,  // 0.66741992708501718241...
    0x1.428a2f98d728bp-1,  // 0.62996052494743658238...
    0x1.306fe0a31b715p-1,  // 0.59460355750136053335...
    0x1.1f59ac3c7d6c0p-1,  // 0.56123102415468649071...
    0x1.0f38f92d97963p-1,  // 0.52973154717964763228...
};

Point operator+(Point a, Point b) { return {a.x + b.x, a.y + b.y}; }
Point operator-(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
Point operator*(Point a, double factor) { return {a.x * factor, a.y * factor}; }
double Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
double Length(Point a) { return std::sqrt(a.x * a.x + a.y * a.y); }

// A straight line: a point on it and its direction.
struct Line {
  Point through;
  Point direction;
};

// Where two lines meet. The readings' ranges keep every pair met here at
// 12 degrees or more, far from parallel.
Point Meet(const Line& a, const Line& b) {
  const double along = Cross(b.through - a.through, b.direction) / Cross(a.direction, b.direction);
  return a.through + a.direction * along;
}

Line Through(Point from, Point to) { return {from, to - from}; }

// `line` moved by `distance` square to itself, to the side of `side`.
Line Offset(const Line& line, double distance, Point side) {
  Point normal = Point{-line.direction.y, line.direction.x} * (1 / Length(line.direction));
  if (Cross(line.direction, side - line.through) * Cross(line.direction, normal) < 0) {
    normal = normal * -1;
  }
  return {line.through + normal * distance, line.direction};
}

// The board's two long edges.
struct Edges {
  Line bass;
  Line treble;
};

// Fret `fret` of the board whose strings and edges are in place, for the
// scales `mm` in millimetres.
FretLine Fret(const BoardGeometry& board, const TemplateInputs& mm, const Edges& edges, int fret) {
  const double along = 1 - SemitoneRatio(fret);
  FretLine line;
  line.bassCrossing = board.bassNut + (board.bassBridge - board.bassNut) * along;
  line.trebleCrossing = board.trebleNut + (board.trebleBridge - board.trebleNut) * along;
  const Line across = Through(line.bassCrossing, line.trebleCrossing);
  line.bassEnd = Meet(across, edges.bass);
  line.trebleEnd = Meet(across, edges.treble);
  line.bassDistance = mm.bassScale * along;
  line.trebleDistance = mm.trebleScale * along;
  return line;
}

Quadrilateral Slot(const FretLine& fret, const Edges& edges, double width) {
  const Line across = Through(fret.bassCrossing, fret.trebleCrossing);
  const Point towardNut = fret.bassCrossing - Point{1, 0};
  const Line nutSide = Offset(across, width / 2, towardNut);
  const Line bridgeSide = Offset(across, -width / 2, towardNut);
  return {Meet(nutSide, edges.bass), Meet(nutSide, edges.treble), Meet(bridgeSide, edges.treble),
          Meet(bridgeSide, edges.bass)};
}

}  // namespace

double SemitoneRatio(int fret) { return std::ldexp(kSemitoneRatios[fret % 12], -(fret / 12)); }

BoardGeometry ComputeBoard(const TemplateInputs& inputs) {
  BoardGeometry board;
  board.inputs = inputs;
  const TemplateInputs mm = InUnit(inputs, Unit::Millimetre);

  // Both strings rise by the same amount across the board between nut and
  // bridge; their runs along x follow from their lengths.
  const double rise = (mm.bridgeSpan - mm.nutSpan) / 2;
  const double bassRun = std::sqrt(mm.bassScale * mm.bassScale - rise * rise);
  const double trebleRun = std::sqrt(mm.trebleScale * mm.trebleScale - rise * rise);
  // The perpendicular fret at the same x on both strings, the nut's middle
  // at x = 0.
  const double shift = (1 - SemitoneRatio(mm.perpendicularFret)) * (trebleRun - bassRun) / 2;
  board.bassNut = {shift, -mm.nutSpan / 2};
  board.bassBridge = {shift + bassRun, -mm.bridgeSpan / 2};
  board.trebleNut = {-shift, mm.nutSpan / 2};
  board.trebleBridge = {-shift + trebleRun, mm.bridgeSpan / 2};

  const Line bassString = Through(board.bassNut, board.bassBridge);
  const Line trebleString = Through(board.trebleNut, board.trebleBridge);
  const Edges edges = {Offset(bassString, mm.overhang, board.bassNut - Point{0, 1}),
                       Offset(trebleString, mm.overhang, board.trebleNut + Point{0, 1})};

  for (int fret = 0; fret <= mm.frets; ++fret) board.frets.push_back(Fret(board, mm, edges, fret));

  const FretLine& last = board.frets.back();
  const Point pastLast = {mm.boardEnd, 0};
  const Line end = Through(last.bassCrossing + pastLast, last.trebleCrossing + pastLast);
  board.bassBoardEnd = Meet(end, edges.bass);
  board.trebleBoardEnd = Meet(end, edges.treble);
  const FretLine& nut = board.frets.front();
  board.outline = {nut.bassEnd, board.bassBoardEnd, board.trebleBoardEnd, nut.trebleEnd};

  if (mm.slotWidth > 0) {
    for (std::size_t fret = 1; fret < board.frets.size(); ++fret) {
      board.fretSlots.push_back(Slot(board.frets[fret], edges, mm.slotWidth));
    }
  }
  return board;
}

std::vector<FretDistanceRow> FretDistanceRows(const BoardGeometry& board) {
  const Unit unit = board.inputs.unit;
  std::vector<FretDistanceRow> rows;
  for (std::size_t fret = 1; fret < board.frets.size(); ++fret) {
    const FretLine& line = board.frets[fret];
    rows.push_back({std::to_string(fret),
                    DistanceText(FromMillimetres(line.bassDistance, unit), unit),
                    DistanceText(FromMillimetres(line.trebleDistance, unit), unit)});
  }
  return rows;
}

}  // namespace korvanel::fret_template
