#pragma once

#include <array>
#include <string>
#include <vector>

#include "template/Inputs.h"

namespace korvanel::fret_template {

// Board coordinates, in millimetres: x along the centre line from the middle
// of the nut toward the bridge, y across it toward the treble side. With x
// to the right, y grows downward as on paper and screens: the bass side is
// on top.
struct Point {
  double x = 0;
  double y = 0;

  bool operator==(const Point&) const = default;
};

// 2^(-k/12) for k >= 0: the share of a string's length left between fret k
// and the bridge. Exact to the last bit for the twelve frets of the first
// octave and, being scaled by powers of two, for every octave after them.
double SemitoneRatio(int fret);

// One fret (0 is the nut): where it crosses the two outer strings, where it
// meets the board's edges, and how far its crossings are from the nut along
// each outer string.
struct FretLine {
  Point bassCrossing;
  Point trebleCrossing;
  Point bassEnd;
  Point trebleEnd;
  double bassDistance = 0;
  double trebleDistance = 0;
};

// A closed outline of four corners.
using Quadrilateral = std::array<Point, 4>;

// The board to scale. Each outer string runs straight from its nut point to
// its bridge point, its length along itself the side's scale length; fret k
// crosses it at 1 - 2^(-k/12) of that length from the nut. The strings are
// placed along x so that the perpendicular fret's two crossings have the
// same x, and the middle of the nut is the origin. A fret is the line
// through its two crossings, cut at the board's edges, which run parallel to
// the outer strings, the overhang outside them. The board ends at the nut
// and at the last fret moved along x by the board's end. The bridge line
// joins the strings' bridge points.
struct BoardGeometry {
  // As given, in their unit; everything below is in millimetres.
  TemplateInputs inputs;
  Point bassNut;
  Point bassBridge;
  Point trebleNut;
  Point trebleBridge;
  // frets[0] is the nut, frets[k] fret k.
  std::vector<FretLine> frets;
  // The board's end: the last fret moved along x by the board's end, cut at
  // the edges.
  Point bassBoardEnd;
  Point trebleBoardEnd;
  // Corners: nut and bass edge, board end and bass edge, board end and
  // treble edge, nut and treble edge.
  Quadrilateral outline;
  // With a slot width above 0, the slot of fret k at fretSlots[k - 1]: its edges
  // half the slot width either side of the fret, square to it, cut at the
  // board's edges. Corners: bass then treble on the nut's side, then treble
  // and bass on the bridge's side.
  std::vector<Quadrilateral> fretSlots;
};

// The board for inputs that ReadInputs accepted.
BoardGeometry ComputeBoard(const TemplateInputs& inputs);

// The fret list's rows: the fret number and the distances from the nut along
// the bass and the treble string, in the inputs' unit (DistanceText), from
// fret 1 to the last.
struct FretDistanceRow {
  std::string fret;
  std::string bass;
  std::string treble;
};
std::vector<FretDistanceRow> FretDistanceRows(const BoardGeometry& board);

}  // namespace korvanel::fret_template
