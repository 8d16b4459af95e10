#include "template/Picture.h"

#include <algorithm>

namespace korvanel::fret_template {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{128, 128, 128};
constexpr double kRoom = 2;

bool IsGuide(Layer layer) { return layer == Layer::Centre || layer == Layer::Strings; }

Picture ToPicture(const Drawing& drawing, const Box& extent, bool onPaper) {
  Picture picture{extent.left, extent.top, extent.Width(), extent.Height()};
  for (const Polyline& line : drawing.lines) {
    PictureLine& shown = picture.lines.emplace_back();
    for (const Point& point : line.points) shown.points.push_back({point.x, point.y});
    shown.closed = line.closed;
    shown.color = onPaper ? (IsGuide(line.layer) ? kGrey : kBlack) : LayerColour(line.layer);
  }
  for (const Text& text : drawing.texts) {
    picture.texts.push_back({{text.at.x, text.at.y},
                             text.height,
                             text.anchor,
                             text.text,
                             onPaper ? kBlack : LayerColour(text.layer)});
  }
  return picture;
}

}  // namespace

Rgb LayerColour(Layer layer) {
  switch (layer) {
    case Layer::Frets:
      return {255, 0, 0};
    case Layer::Nut:
    case Layer::Bridge:
      return {0, 0, 255};
    case Layer::Centre:
      return kGrey;
    case Layer::Strings:
      return {0, 128, 0};
    case Layer::Outline:
    case Layer::Text:
    case Layer::Marks:
      break;
  }
  return kBlack;
}

Picture BoardPicture(const BoardGeometry& board, double width, double height, double numberPixels) {
  const Box lines = Bounds(BoardLines(board));
  const double scale =
      std::min(width / (lines.Width() + 2 * kRoom), height / (lines.Height() + 2 * kRoom));
  const Drawing drawing = BoardDrawing(board, numberPixels / scale);
  Box extent = Bounds(drawing);
  extent = {extent.left - kRoom, extent.top - kRoom, extent.right + kRoom, extent.bottom + kRoom};
  return ToPicture(drawing, extent, false);
}

Picture PagePicture(const Page& page, const TemplatePages& pages) {
  return ToPicture(page.drawing, {0, 0, pages.width, pages.height}, true);
}

}  // namespace korvanel::fret_template
