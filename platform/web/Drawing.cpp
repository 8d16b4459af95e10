#include "platform/web/Drawing.h"

#include <map>
#include <string>

#include "platform/Twips.h"
#include "platform/web/CssText.h"

namespace korvanel::web {

namespace {

const char* AnchorOf(TextAnchor anchor) {
  switch (anchor) {
    case TextAnchor::Centre:
      return "middle";
    case TextAnchor::Right:
      return "end";
    case TextAnchor::Left:
      break;
  }
  return "start";
}

std::string ColorText(const Rgb& color) { return CssColor(color.red, color.green, color.blue); }

// The subpaths of `picture`'s lines as a path's data, by colour.
std::map<std::string, std::string> PathData(const Picture& picture) {
  std::map<std::string, std::string> paths;
  for (const PictureLine& line : picture.lines) {
    if (line.points.empty()) continue;
    std::string& data = paths[ColorText(line.color)];
    char command = 'M';
    for (const PicturePoint& point : line.points) {
      data += command;
      data += CssNumber(point.x) + ' ' + CssNumber(point.y);
      command = 'L';
    }
    if (line.closed) data += 'Z';
  }
  return paths;
}

}  // namespace

void DrawPicture(const val& group, const Picture& picture, double lineWidth) {
  group.call<void>("replaceChildren");
  for (const auto& [color, data] : PathData(picture)) {
    val path = MakeElement("path", "picture-line", true);
    SetAttribute(path, "d", data);
    SetAttribute(path, "stroke", color);
    if (lineWidth > 0) {
      SetAttribute(path, "stroke-width", CssNumber(lineWidth));
    } else {
      SetAttribute(path, "vector-effect", "non-scaling-stroke");
    }
    Append(group, path);
  }
  for (const PictureText& text : picture.texts) {
    if (!(text.height > 0)) continue;
    val shown = MakeElement("text", "picture-text", true);
    SetAttribute(shown, "x", CssNumber(text.at.x));
    SetAttribute(shown, "y", CssNumber(text.at.y));
    SetAttribute(shown, "font-size", CssNumber(text.height));
    SetAttribute(shown, "text-anchor", AnchorOf(text.anchor));
    SetAttribute(shown, "fill", ColorText(text.color));
    SetText(shown, text.text);
    Append(group, shown);
  }
}

WebDrawing::WebDrawing(const ControlDesign& design)
    : svg_(MakeElement("svg", "drawing", true)),
      content_(MakeElement("g", {}, true)),
      width_(TwipsToPixels(design.width)),
      height_(TwipsToPixels(design.height)) {
  SetAttribute(svg_, "role", "img");
  SetAttribute(svg_, "aria-label", design.text);
  Append(svg_, content_);
}

void WebDrawing::Show(const Picture& picture, std::string_view description) {
  SetAttribute(svg_, "aria-label", description);
  const Fit fit = FitInto(picture, width_, height_);
  SetAttribute(content_, "transform",
               "matrix(" + CssNumber(fit.scale) + " 0 0 " + CssNumber(fit.scale) + " " +
                   CssNumber(fit.dx) + " " + CssNumber(fit.dy) + ")");
  DrawPicture(content_, picture, 0);
}

}  // namespace korvanel::web
