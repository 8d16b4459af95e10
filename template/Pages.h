#pragma once

#include <vector>

#include "template/Drawing.h"

namespace korvanel::fret_template {

// The template's pages: the board at 1:1 cut into tiles of the paper, in
// the paper's orientation that needs fewer pages (landscape when both need
// as many), neighbouring tiles overlapping by 15 mm, with a registration
// cross at the same board coordinates on both pages of every overlap.
//
// Each page keeps 12.7 mm (half an inch) free on every side: most printers
// print to within 3 to 6.4 mm of the edges, and the inkjets that need the
// most leave about 12 mm at the bottom, so no printer cuts anything off.
// Within that, a page carries a heading line with the inputs, the tile in
// its frame, an L of two rulers of 100 mm (4 in) below and left of the
// tile, with millimetre (sixteenth inch) ticks, and "Page n of m". Beside
// each fret stand its number and its distance from the nut along the outer
// string of that side: above the board for the bass string, below it for
// the treble string.
//
// The printer correction scales each whole page by the ruler's length over
// what it measured, about the paper's top left corner; the layout is made
// on a page that much smaller, so that the margins come out as said.
struct Page {
  // In page millimetres, from the paper's top left corner, y downward.
  Drawing drawing;
  // The part of the board that the page shows, in board millimetres.
  Box tile;
};

struct TemplatePages {
  // The paper in its orientation, in millimetres: the page a runtime puts
  // its drawings on at 1:1, its printable area's offset taken into account.
  double width = 0;
  double height = 0;
  // Page millimetres per board millimetre: the printer correction.
  double scale = 1;
  // Where each page shows its tile's top left corner.
  Point tileCorner;
  std::vector<Page> pages;
};

inline constexpr double kPageMargin = 12.7;
inline constexpr double kTileOverlap = 15;

// The pages for the inputs' paper and printer correction.
TemplatePages MakePages(const BoardGeometry& board);

// What the tiles are cut from: the board's lines and, beside each fret, its
// number and its distances from the nut ("12: 325.000").
Drawing TemplateDrawing(const BoardGeometry& board);

}  // namespace korvanel::fret_template
