#include "template/Pages.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string>

namespace korvanel::fret_template {

namespace {

// The bands around the tile, in millimetres before the printer correction.
constexpr double kHeadingBand = 5;
constexpr double kRulerBand = 11;
constexpr double kSmallText = 2.2;
constexpr double kLabelText = 2.5;
// Between the board's edge and a fret label.
constexpr double kLabelGap = 1.5;
// Between two fret labels, above each other and side by side.
constexpr double kLabelRowGap = 0.4;
constexpr double kLabelSpacing = 1;
constexpr double kCrossArm = 5;
// A cross's centre this far inside the tile's edges.
constexpr double kCrossInset = 8;
// The ruler's line this far outside the tile's frame.
constexpr double kRulerOffset = 2;
constexpr double kLongestTick = 3.5;

struct PaperSize {
  double shortSide;
  double longSide;
};

PaperSize SizeOf(Paper paper) {
  return paper == Paper::Letter ? PaperSize{215.9, 279.4} : PaperSize{210, 297};
}

Point Shifted(Point point, Point by) { return {point.x + by.x, point.y + by.y}; }

// The fret labels of one side of the board, each beside the end of its fret
// and moved away from the board past the labels before it that it would
// overlap.
class LabelStack {
 public:
  // `away` is -1 for the side above the board, +1 for the side below it.
  explicit LabelStack(double away) : away_(away) {}

  void Add(Drawing& drawing, Point end, std::string text) {
    Text label = {Layer::Text, end, kLabelText, TextAnchor::Centre, std::move(text)};
    // The side of the label's room toward the board.
    double inner = end.y + away_ * kLabelGap;
    for (bool moved = true; moved;) {
      moved = false;
      label.at.y = away_ < 0 ? inner - 0.25 * kLabelText : inner + 0.75 * kLabelText;
      const Box room = TextBox(label);
      for (const Box& other : placed_) {
        if (room.left < other.right + kLabelSpacing && other.left < room.right + kLabelSpacing &&
            room.top < other.bottom && other.top < room.bottom) {
          inner = away_ < 0 ? other.top - kLabelRowGap : other.bottom + kLabelRowGap;
          moved = true;
          break;
        }
      }
    }
    placed_.push_back(TextBox(label));
    drawing.texts.push_back(std::move(label));
  }

 private:
  double away_;
  std::vector<Box> placed_;
};

std::string FretLabel(std::size_t fret, double millimetres, Unit unit) {
  return std::to_string(fret) + ": " + DistanceText(FromMillimetres(millimetres, unit), unit);
}

// Where a page's parts go, in millimetres of the page before the printer
// correction.
struct Layout {
  double width;
  double height;
  Box content;
  Box tileArea;
  int columns;
  int rows;

  int PageCount() const { return columns * rows; }
};

int TileCount(double length, double tile) {
  if (length <= tile) return 1;
  return static_cast<int>(std::ceil((length - kTileOverlap) / (tile - kTileOverlap)));
}

Layout LayoutFor(double paperWidth, double paperHeight, double scale, const Box& bounds) {
  Layout layout{};
  layout.width = paperWidth / scale;
  layout.height = paperHeight / scale;
  const double margin = kPageMargin / scale;
  layout.content = {margin, margin, layout.width - margin, layout.height - margin};
  layout.tileArea = {layout.content.left + kRulerBand, layout.content.top + kHeadingBand,
                     layout.content.right, layout.content.bottom - kRulerBand};
  layout.columns = TileCount(bounds.Width(), layout.tileArea.Width());
  layout.rows = TileCount(bounds.Height(), layout.tileArea.Height());
  return layout;
}

// The tiles' boxes on the board, row by row, the drawing centred in them.
std::vector<Box> Tiles(const Layout& layout, const Box& bounds) {
  const double width = layout.tileArea.Width();
  const double height = layout.tileArea.Height();
  const double stepX = width - kTileOverlap;
  const double stepY = height - kTileOverlap;
  const double left = bounds.left - (layout.columns * stepX + kTileOverlap - bounds.Width()) / 2;
  const double top = bounds.top - (layout.rows * stepY + kTileOverlap - bounds.Height()) / 2;
  std::vector<Box> tiles;
  for (int row = 0; row < layout.rows; ++row) {
    for (int column = 0; column < layout.columns; ++column) {
      const double x = left + column * stepX;
      const double y = top + row * stepY;
      tiles.push_back({x, y, x + width, y + height});
    }
  }
  return tiles;
}

// The crosses' centres on the board: two in the middle of each overlap,
// near the ends of the strip that the two tiles share.
std::vector<Point> Crosses(const Layout& layout, const std::vector<Box>& tiles) {
  std::vector<Point> crosses;
  const auto tileAt = [&](int row, int column) {
    return tiles[static_cast<std::size_t>(row * layout.columns + column)];
  };
  for (int row = 0; row < layout.rows; ++row) {
    for (int column = 0; column + 1 < layout.columns; ++column) {
      const Box tile = tileAt(row, column);
      const double x = tile.right - kTileOverlap / 2;
      crosses.push_back({x, tile.top + kCrossInset});
      crosses.push_back({x, tile.bottom - kCrossInset});
    }
  }
  for (int row = 0; row + 1 < layout.rows; ++row) {
    for (int column = 0; column < layout.columns; ++column) {
      const Box tile = tileAt(row, column);
      const double y = tile.bottom - kTileOverlap / 2;
      crosses.push_back({tile.left + kCrossInset, y});
      crosses.push_back({tile.right - kCrossInset, y});
    }
  }
  return crosses;
}

// Cuts the segment from `a` to `b` to `box` (Liang and Barsky); false when
// nothing of it is inside. An end inside stays exactly as it was.
bool Clip(Point& a, Point& b, const Box& box) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  const double toward[] = {-dx, dx, -dy, dy};
  const double room[] = {a.x - box.left, box.right - a.x, a.y - box.top, box.bottom - a.y};
  double first = 0;
  double last = 1;
  for (int side = 0; side < 4; ++side) {
    if (toward[side] == 0) {
      if (room[side] < 0) return false;
      continue;
    }
    const double at = room[side] / toward[side];
    if (toward[side] < 0) {
      first = std::max(first, at);
    } else {
      last = std::min(last, at);
    }
  }
  if (first > last) return false;
  const Point start = a;
  if (last < 1) b = {start.x + dx * last, start.y + dy * last};
  if (first > 0) a = {start.x + dx * first, start.y + dy * first};
  return true;
}

// One page in the making, in millimetres before the printer correction.
class PageMaker {
 public:
  PageMaker(const Layout& layout, const Box& tile) : layout_(layout), tile_(tile) {
    shift_ = {layout.tileArea.left - tile.left, layout.tileArea.top - tile.top};
  }

  // The parts of `line` inside the tile, as runs of connected pieces; a
  // closed line wholly inside stays closed.
  void AddClipped(const Polyline& line) {
    const std::size_t count = line.points.size();
    const std::size_t segments = line.closed ? count : count - 1;
    bool whole = true;
    Polyline run{line.layer, {}, false};
    for (std::size_t i = 0; i < segments; ++i) {
      Point a = line.points[i];
      Point b = line.points[(i + 1) % count];
      if (!Clip(a, b, tile_)) {
        whole = false;
        continue;
      }
      whole = whole && a == line.points[i] && b == line.points[(i + 1) % count];
      if (run.points.empty() || !(run.points.back() == a)) {
        Flush(run);
        run.points.push_back(a);
      }
      run.points.push_back(b);
    }
    if (whole && line.closed) {
      run.points.pop_back();
      run.closed = true;
    }
    Flush(run);
  }

  void AddBoardText(const Text& text) {
    Text placed = text;
    placed.at = Shifted(text.at, shift_);
    drawing_.texts.push_back(std::move(placed));
  }

  void AddCross(Point centre) {
    const Point at = Shifted(centre, shift_);
    Mark({{at.x - kCrossArm, at.y}, {at.x + kCrossArm, at.y}});
    Mark({{at.x, at.y - kCrossArm}, {at.x, at.y + kCrossArm}});
  }

  void AddFrame() {
    const Box& area = layout_.tileArea;
    drawing_.lines.push_back({Layer::Marks,
                              {{area.left, area.top},
                               {area.right, area.top},
                               {area.right, area.bottom},
                               {area.left, area.bottom}},
                              true});
  }

  // The L of rulers at the tile's bottom left corner, each a comb: its line
  // with every tick drawn down and back.
  void AddRulers(Unit unit) {
    const bool inches = unit == Unit::Inch;
    const int ticks = inches ? 64 : 100;
    const double tickStep = inches ? kMillimetresPerInch / 16 : 1;
    const int perLabel = inches ? 16 : 10;
    const Box& area = layout_.tileArea;
    const Point corner = {area.left, area.bottom};
    Polyline across{Layer::Marks, {}, false};
    Polyline up{Layer::Marks, {}, false};
    const double acrossY = corner.y + kRulerOffset;
    const double upX = corner.x - kRulerOffset;
    for (int tick = 0; tick <= ticks; ++tick) {
      const double length = TickLength(tick, inches);
      const double along = tick * tickStep;
      across.points.push_back({corner.x + along, acrossY});
      across.points.push_back({corner.x + along, acrossY + length});
      across.points.push_back({corner.x + along, acrossY});
      up.points.push_back({upX, corner.y - along});
      up.points.push_back({upX - length, corner.y - along});
      up.points.push_back({upX, corner.y - along});
      if (tick % perLabel != 0) continue;
      const std::string number = std::to_string(tick / perLabel * (inches ? 1 : 10));
      drawing_.texts.push_back(
          {Layer::Marks,
           {corner.x + along, acrossY + kLongestTick + 0.5 + 0.75 * kSmallText},
           kSmallText,
           TextAnchor::Centre,
           number});
      drawing_.texts.push_back({Layer::Marks,
                                {upX - kLongestTick - 0.5, corner.y - along + 0.36 * kSmallText},
                                kSmallText,
                                TextAnchor::Right,
                                number});
    }
    const double end = ticks * tickStep;
    drawing_.texts.push_back(
        {Layer::Marks,
         {corner.x + end + 2, acrossY + kLongestTick + 0.5 + 0.75 * kSmallText},
         kSmallText,
         TextAnchor::Left,
         std::string(UnitSymbol(unit))});
    drawing_.texts.push_back({Layer::Marks,
                              {upX - kLongestTick - 0.5, corner.y - end - 2},
                              kSmallText,
                              TextAnchor::Right,
                              std::string(UnitSymbol(unit))});
    drawing_.lines.push_back(std::move(across));
    drawing_.lines.push_back(std::move(up));
  }

  // The heading, smaller where it would be wider than the page (as its room
  // is estimated: a portrait page of a short board).
  void AddHeading(const std::string& heading, int number, int count) {
    const Box& content = layout_.content;
    Text line = {Layer::Text, {content.left, 0}, kSmallText, TextAnchor::Left, heading};
    line.height *= std::min(1.0, content.Width() / TextBox(line).Width());
    line.at.y = content.top + 0.8 * line.height;
    drawing_.texts.push_back(std::move(line));
    drawing_.texts.push_back({Layer::Text,
                              {content.right, content.bottom - 0.3 * kSmallText},
                              kSmallText,
                              TextAnchor::Right,
                              "Page " + std::to_string(number) + " of " + std::to_string(count)});
  }

  // The page at the printer correction `scale`.
  Drawing Scaled(double scale) && {
    for (Polyline& line : drawing_.lines) {
      for (Point& point : line.points) point = {point.x * scale, point.y * scale};
    }
    for (Text& text : drawing_.texts) {
      text.at = {text.at.x * scale, text.at.y * scale};
      text.height *= scale;
    }
    return std::move(drawing_);
  }

 private:
  static double TickLength(int tick, bool inches) {
    if (!inches) return tick % 10 == 0 ? kLongestTick : tick % 5 == 0 ? 2.5 : 1.5;
    if (tick % 16 == 0) return kLongestTick;
    if (tick % 8 == 0) return 2.8;
    if (tick % 4 == 0) return 2.2;
    return tick % 2 == 0 ? 1.7 : 1.2;
  }

  void Mark(std::vector<Point> points) {
    drawing_.lines.push_back({Layer::Marks, std::move(points), false});
  }

  void Flush(Polyline& run) {
    if (run.points.size() >= 2) {
      for (Point& point : run.points) point = Shifted(point, shift_);
      drawing_.lines.push_back(std::move(run));
    }
    run.points.clear();
    run.closed = false;
  }

  const Layout& layout_;
  Box tile_;
  Point shift_;
  Drawing drawing_;
};

std::string Heading(const TemplateInputs& inputs) {
  const Unit unit = inputs.unit;
  std::string heading = Description(inputs);
  heading += "; ";
  heading += FieldLabel(Field::RulerMeasures, unit);
  heading += ' ';
  heading += LengthText(inputs.rulerMeasures, unit);
  heading += ' ';
  heading += UnitSymbol(unit);
  return heading;
}

}  // namespace

Drawing TemplateDrawing(const BoardGeometry& board) {
  Drawing drawing = BoardLines(board);
  LabelStack bass(-1);
  LabelStack treble(1);
  const Unit unit = board.inputs.unit;
  for (std::size_t fret = 1; fret < board.frets.size(); ++fret) {
    const FretLine& line = board.frets[fret];
    bass.Add(drawing, line.bassEnd, FretLabel(fret, line.bassDistance, unit));
    treble.Add(drawing, line.trebleEnd, FretLabel(fret, line.trebleDistance, unit));
  }
  return drawing;
}

TemplatePages MakePages(const BoardGeometry& board) {
  const TemplateInputs& inputs = board.inputs;
  const double rulerLength = inputs.unit == Unit::Inch ? 4 : 100;
  const double scale = rulerLength / inputs.rulerMeasures;
  const Drawing drawing = TemplateDrawing(board);
  const Box bounds = Bounds(drawing);
  const PaperSize paper = SizeOf(inputs.paper);
  const Layout landscape = LayoutFor(paper.longSide, paper.shortSide, scale, bounds);
  const Layout portrait = LayoutFor(paper.shortSide, paper.longSide, scale, bounds);
  const Layout& layout = portrait.PageCount() < landscape.PageCount() ? portrait : landscape;

  const std::vector<Box> tiles = Tiles(layout, bounds);
  const std::vector<Point> crosses = Crosses(layout, tiles);
  const std::string heading = Heading(inputs);
  // A text too wide for any tile goes on the tile that holds its anchor.
  std::vector<bool> fitsSomewhere;
  for (const Text& text : drawing.texts) {
    const Box room = TextBox(text);
    fitsSomewhere.push_back(std::any_of(tiles.begin(), tiles.end(),
                                        [&](const Box& tile) { return tile.Contains(room); }));
  }

  TemplatePages pages;
  pages.width = layout.width * scale;
  pages.height = layout.height * scale;
  pages.scale = scale;
  pages.tileCorner = {layout.tileArea.left * scale, layout.tileArea.top * scale};
  for (std::size_t index = 0; index < tiles.size(); ++index) {
    const Box& tile = tiles[index];
    PageMaker page(layout, tile);
    page.AddFrame();
    for (const Polyline& line : drawing.lines) page.AddClipped(line);
    for (std::size_t i = 0; i < drawing.texts.size(); ++i) {
      const Text& text = drawing.texts[i];
      const bool placed = fitsSomewhere[i]
                              ? tile.Contains(TextBox(text))
                              : tile.Contains({text.at.x, text.at.y, text.at.x, text.at.y});
      if (placed) page.AddBoardText(text);
    }
    for (const Point& cross : crosses) {
      const Box arms = {cross.x - kCrossArm, cross.y - kCrossArm, cross.x + kCrossArm,
                        cross.y + kCrossArm};
      if (tile.Contains(arms)) page.AddCross(cross);
    }
    page.AddRulers(inputs.unit);
    page.AddHeading(heading, static_cast<int>(index) + 1, static_cast<int>(tiles.size()));
    pages.pages.push_back({std::move(page).Scaled(scale), tile});
  }
  return pages;
}

}  // namespace korvanel::fret_template
