#include "template/Geometry.h"

#include <gtest/gtest.h>

#include <cmath>

#include "tests/expected/FretTables.h"

namespace korvanel::fret_template {
namespace {

Point Minus(Point a, Point b) { return {a.x - b.x, a.y - b.y}; }
double Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
double Length(Point a) { return std::hypot(a.x, a.y); }
// How far `point` is from the line through `a` and `b`.
double Off(Point point, Point a, Point b) {
  return std::fabs(Cross(Minus(b, a), Minus(point, a))) / Length(Minus(b, a));
}

TEST(SemitoneRatioTest, WithinAnUlpOfPow) {
  for (int fret = 0; fret <= 36; ++fret) {
    const double ratio = SemitoneRatio(fret);
    const double pow = std::pow(2.0, -fret / 12.0);
    EXPECT_LE(std::fabs(ratio - pow), std::nextafter(pow, 2.0) - pow) << fret;
  }
  EXPECT_EQ(SemitoneRatio(24), 0.25);
}

// For one scale, where the core's table puts the frets, on square frets.
TEST(ComputeBoardTest, OneScaleAgreesWithTheFretTable) {
  for (double scale : {600.0, 628.65, 650.0, 670.0}) {
    TemplateInputs inputs;
    inputs.bassScale = inputs.trebleScale = scale;
    inputs.perpendicularFret = 7;  // no matter with one scale
    const BoardGeometry board = ComputeBoard(inputs);
    const FretTable table = test::ComputedTable(scale);
    ASSERT_EQ(board.frets.size(), 25u);
    for (int fret = 0; fret <= 24; ++fret) {
      const FretLine& line = board.frets[static_cast<std::size_t>(fret)];
      EXPECT_NEAR(line.bassDistance, table.WholeDistance[fret], 1e-9) << scale << " " << fret;
      EXPECT_NEAR(line.trebleDistance, table.WholeDistance[fret], 1e-9) << scale << " " << fret;
      EXPECT_NEAR(Length(Minus(line.bassCrossing, board.bassNut)), line.bassDistance, 1e-9);
      EXPECT_EQ(line.bassEnd.x, line.trebleEnd.x) << fret;
    }
    EXPECT_EQ(board.bassNut.x, 0);
  }
}

// A fanned board checked against its definition, point by point.
TEST(ComputeBoardTest, FannedBoardKeepsItsPromises) {
  TemplateInputs inputs;
  inputs.bassScale = 686;
  inputs.trebleScale = 648;
  inputs.perpendicularFret = 8;
  inputs.frets = 36;
  inputs.slotWidth = 0.6;
  const BoardGeometry board = ComputeBoard(inputs);
  EXPECT_NEAR(Length(Minus(board.bassBridge, board.bassNut)), 686, 1e-12);
  EXPECT_NEAR(Length(Minus(board.trebleBridge, board.trebleNut)), 648, 1e-12);
  EXPECT_EQ(board.trebleNut.y - board.bassNut.y, 35);
  EXPECT_EQ(board.trebleBridge.y - board.bassBridge.y, 52);
  EXPECT_EQ(board.bassNut.x + board.trebleNut.x, 0);  // the nut's middle at the origin
  const FretLine& square = board.frets[8];
  EXPECT_NEAR(square.bassCrossing.x, square.trebleCrossing.x, 1e-12);
  for (std::size_t fret = 0; fret < board.frets.size(); ++fret) {
    const FretLine& line = board.frets[fret];
    EXPECT_LT(Off(line.bassCrossing, board.bassNut, board.bassBridge), 1e-12) << fret;
    EXPECT_LT(Off(line.trebleCrossing, board.trebleNut, board.trebleBridge), 1e-12) << fret;
    const double left = std::pow(2.0, -static_cast<double>(fret) / 12);
    EXPECT_NEAR(Length(Minus(board.bassBridge, line.bassCrossing)) / 686, left, 1e-14) << fret;
    EXPECT_NEAR(Length(Minus(board.trebleBridge, line.trebleCrossing)) / 648, left, 1e-14);
    EXPECT_NEAR(line.bassDistance, 686 * (1 - left), 1e-12);
    // The ends on the fret's line and on the edges, 3.5 mm outside the strings.
    EXPECT_LT(Off(line.bassEnd, line.bassCrossing, line.trebleCrossing), 1e-12) << fret;
    EXPECT_NEAR(Off(line.bassEnd, board.bassNut, board.bassBridge), 3.5, 1e-12) << fret;
    EXPECT_NEAR(Off(line.trebleEnd, board.trebleNut, board.trebleBridge), 3.5, 1e-12) << fret;
    if (fret == 0) continue;
    // The slot's corners 0.3 mm either side of the fret, on the edges.
    for (const Point& corner : board.fretSlots[fret - 1]) {
      EXPECT_NEAR(Off(corner, line.bassCrossing, line.trebleCrossing), 0.3, 1e-12) << fret;
    }
    EXPECT_NEAR(Off(board.fretSlots[fret - 1][0], line.bassEnd, board.bassBoardEnd), 0, 1e-12);
    EXPECT_LT(board.fretSlots[fret - 1][0].x, line.bassEnd.x);  // the nut's side first
  }
  // The board's end: the last fret moved 6 mm along x.
  const FretLine& last = board.frets.back();
  EXPECT_NEAR(Off({board.bassBoardEnd.x - 6, board.bassBoardEnd.y}, last.bassEnd, last.trebleEnd),
              0, 1e-12);
}

TEST(FretDistanceRowsTest, BothStringsInTheInputsUnit) {
  TemplateInputs inputs;
  inputs.bassScale = 686;
  inputs.trebleScale = 648;
  const std::vector<FretDistanceRow> millimetres = FretDistanceRows(ComputeBoard(inputs));
  ASSERT_EQ(millimetres.size(), 24u);
  EXPECT_EQ(millimetres[0].fret, "1");
  EXPECT_EQ(millimetres[0].bass, "38.502");
  EXPECT_EQ(millimetres[0].treble, "36.369");
  EXPECT_EQ(millimetres[11].bass, "343.000");
  const auto inches = FretDistanceRows(ComputeBoard(InUnit(inputs, Unit::Inch)));
  EXPECT_EQ(inches[11].bass, "13.5039");
  EXPECT_EQ(inches[23].treble, "19.1339");
}

}  // namespace
}  // namespace korvanel::fret_template
