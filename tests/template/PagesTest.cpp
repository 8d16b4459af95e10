#include "template/Pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <utility>

namespace korvanel::fret_template {
namespace {

TemplatePages PagesOf(double bass, double treble, Paper paper = Paper::A4, double ruler = 100) {
  TemplateInputs inputs;
  inputs.bassScale = bass;
  inputs.trebleScale = treble;
  inputs.perpendicularFret = 8;
  inputs.paper = paper;
  inputs.rulerMeasures = ruler;
  return MakePages(ComputeBoard(inputs));
}

// A page's point where the board shows it, in board millimetres.
Point OnBoard(const TemplatePages& pages, const Page& page, Point point) {
  return {page.tile.left + (point.x - pages.tileCorner.x) / pages.scale,
          page.tile.top + (point.y - pages.tileCorner.y) / pages.scale};
}

bool IsCross(const TemplatePages& pages, const Polyline& line) {
  if (line.layer != Layer::Marks || line.points.size() != 2) return false;
  const Point a = line.points[0];
  const Point b = line.points[1];
  return a.y == b.y && std::fabs(b.x - a.x - 10 * pages.scale) < 1e-9;
}

TEST(MakePagesTest, TheOrientationThatNeedsFewerPages) {
  const TemplatePages a4 = PagesOf(648, 648);
  EXPECT_EQ(a4.pages.size(), 3u);
  EXPECT_EQ(std::make_pair(a4.width, a4.height), std::make_pair(297.0, 210.0));
  const TemplatePages letter = PagesOf(2000, 2000, Paper::Letter);
  EXPECT_EQ(std::make_pair(letter.width, letter.height), std::make_pair(279.4, 215.9));
  EXPECT_EQ(letter.pages.size(), 9u);  // 13 in portrait
}

// Every page within its margins, its crosses where its neighbours have them
// on the board, and every fret wholly on the pages.
TEST(MakePagesTest, TilesFitTogetherByTheirCrosses) {
  for (const double ruler : {100.0, 90.0}) {
    const TemplatePages pages = PagesOf(686, 648, Paper::A4, ruler);
    std::map<std::pair<long long, long long>, int> crosses;
    double fretLength = 0;
    for (const Page& page : pages.pages) {
      // To a nanometre: the tile's frame lies on the right margin.
      const Box paper = {kPageMargin - 1e-9, kPageMargin - 1e-9, pages.width - kPageMargin + 1e-9,
                         pages.height - kPageMargin + 1e-9};
      for (const Polyline& line : page.drawing.lines) {
        for (const Point& point : line.points) {
          EXPECT_TRUE(paper.Contains({point.x, point.y, point.x, point.y}));
        }
        if (line.layer == Layer::Frets) {
          fretLength +=
              std::hypot(line.points[1].x - line.points[0].x, line.points[1].y - line.points[0].y) /
              pages.scale;
        }
        if (!IsCross(pages, line)) continue;
        const Point centre =
            OnBoard(pages, page, {line.points[0].x + 5 * pages.scale, line.points[0].y});
        ++crosses[{std::llround(centre.x * 1000), std::llround(centre.y * 1000)}];
      }
      for (const Text& text : page.drawing.texts) EXPECT_TRUE(paper.Contains(TextBox(text)));
    }
    // Two in each overlap between neighbours.
    EXPECT_EQ(crosses.size(), 2 * (pages.pages.size() - 1));
    for (const auto& [where, count] : crosses) EXPECT_EQ(count, 2);
    double expected = 0;
    const BoardGeometry board =
        ComputeBoard(TemplateInputs{.bassScale = 686, .trebleScale = 648, .perpendicularFret = 8});
    for (std::size_t fret = 1; fret < board.frets.size(); ++fret) {
      const FretLine& line = board.frets[fret];
      expected += std::hypot(line.trebleEnd.x - line.bassEnd.x, line.trebleEnd.y - line.bassEnd.y);
    }
    // Frets cut by a tile's edge are on both pages in part, overlapping.
    EXPECT_GE(fretLength, expected - 1e-9);
  }
}

// The correction scales the whole page: what measured 90 mm comes out 100/90 larger.
TEST(MakePagesTest, TheCorrectionScalesTheRulers) {
  for (const auto& [ruler, scale] : {std::pair{100.0, 1.0}, {90.0, 100 / 90.0}}) {
    const TemplatePages pages = PagesOf(648, 648, Paper::A4, ruler);
    EXPECT_EQ(pages.scale, scale);
    int rulers = 0;
    for (const Polyline& line : pages.pages[0].drawing.lines) {
      if (line.layer != Layer::Marks || line.points.size() < 100) continue;
      ++rulers;
      const Point first = line.points.front();
      const Point last = line.points.back();
      EXPECT_NEAR(std::hypot(last.x - first.x, last.y - first.y), 100 * scale, 1e-9);
    }
    EXPECT_EQ(rulers, 2);
  }
}

}  // namespace
}  // namespace korvanel::fret_template
