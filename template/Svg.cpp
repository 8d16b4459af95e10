#include <algorithm>
#include <cstdint>
#include <string>

#include "template/Files.h"
#include "template/Picture.h"

namespace korvanel::fret_template {

namespace {

constexpr int kDecimals = 6;
constexpr double kMarginMillimetres = 2;
constexpr double kHairlineInches = 0.001;
constexpr std::string_view kFontFamily = "Liberation Sans, Arial, Helvetica, sans-serif";

// "#rrggbb".
std::string Colour(Layer layer) {
  static constexpr char kDigits[] = "0123456789abcdef";
  const Rgb colour = LayerColour(layer);
  std::string hex = "#";
  for (const std::uint8_t part : {colour.red, colour.green, colour.blue}) {
    hex += kDigits[part >> 4];
    hex += kDigits[part & 0xF];
  }
  return hex;
}

void AppendEscaped(std::string& out, std::string_view text) {
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
}

class SvgWriter {
 public:
  explicit SvgWriter(Unit unit) : unit_(unit) {}

  std::string Write(const Drawing& drawing, std::string_view title, std::string_view description) {
    out_.reserve(256 + 80 * drawing.lines.size() * 4 + 100 * drawing.texts.size());
    const Box bounds = Bounds(drawing);
    out_ +=
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" width=\"";
    const double width = bounds.Width() + 2 * kMarginMillimetres;
    const double height = bounds.Height() + 2 * kMarginMillimetres;
    Length(width);
    out_ += UnitSymbol(unit_);
    out_ += "\" height=\"";
    Length(height);
    out_ += UnitSymbol(unit_);
    out_ += "\" viewBox=\"";
    Length(bounds.left - kMarginMillimetres);
    out_ += ' ';
    Length(bounds.top - kMarginMillimetres);
    out_ += ' ';
    Length(width);
    out_ += ' ';
    Length(height);
    out_ += "\">\n<title>";
    AppendEscaped(out_, title);
    out_ += "</title>\n<desc>";
    AppendEscaped(out_, description);
    out_ += "</desc>\n";
    for (Layer layer : kLayers) WriteLayer(drawing, layer);
    out_ += "</svg>\n";
    return std::move(out_);
  }

 private:
  void Length(double millimetres) {
    AppendFixed(out_, FromMillimetres(millimetres, unit_), kDecimals);
  }

  void Coordinates(Point point) {
    Length(point.x);
    out_ += ' ';
    Length(point.y);
  }

  void WriteLayer(const Drawing& drawing, Layer layer) {
    const auto onLayer = [layer](const auto& item) { return item.layer == layer; };
    if (std::none_of(drawing.lines.begin(), drawing.lines.end(), onLayer) &&
        std::none_of(drawing.texts.begin(), drawing.texts.end(), onLayer)) {
      return;
    }
    out_ += "<g id=\"";
    out_ += LayerName(layer);
    out_ += "\" inkscape:groupmode=\"layer\" inkscape:label=\"";
    out_ += LayerName(layer);
    out_ += "\" fill=\"none\" stroke=\"";
    out_ += Colour(layer);
    out_ += "\" stroke-width=\"";
    Length(kHairlineInches * kMillimetresPerInch);
    out_ += "\" stroke-linecap=\"round\" stroke-linejoin=\"round\">\n";
    for (const Polyline& line : drawing.lines) {
      if (line.layer == layer) WritePath(line);
    }
    for (const Text& text : drawing.texts) {
      if (text.layer == layer) WriteText(text);
    }
    out_ += "</g>\n";
  }

  void WritePath(const Polyline& line) {
    out_ += "<path d=\"";
    for (std::size_t i = 0; i < line.points.size(); ++i) {
      out_ += i == 0 ? "M" : " L";
      Coordinates(line.points[i]);
    }
    if (line.closed) out_ += " Z";
    out_ += "\"/>\n";
  }

  void WriteText(const Text& text) {
    out_ += "<text x=\"";
    Length(text.at.x);
    out_ += "\" y=\"";
    Length(text.at.y);
    out_ += "\" font-family=\"";
    out_ += kFontFamily;
    out_ += "\" font-size=\"";
    Length(text.height);
    out_ += "\" fill=\"";
    out_ += Colour(text.layer);
    out_ += "\" stroke=\"none\"";
    if (text.anchor == TextAnchor::Centre) out_ += " text-anchor=\"middle\"";
    if (text.anchor == TextAnchor::Right) out_ += " text-anchor=\"end\"";
    out_ += '>';
    AppendEscaped(out_, text.text);
    out_ += "</text>\n";
  }

  Unit unit_;
  std::string out_;
};

}  // namespace

std::string SvgFile(const Drawing& drawing, Unit unit, std::string_view title,
                    std::string_view description) {
  return SvgWriter(unit).Write(drawing, title, description);
}

std::string BoardTitle(const TemplateInputs& inputs) {
  std::string title = "Fret template ";
  title += LengthText(inputs.bassScale, inputs.unit);
  if (inputs.trebleScale != inputs.bassScale) {
    title += '/';
    title += LengthText(inputs.trebleScale, inputs.unit);
  }
  title += ' ';
  title += UnitSymbol(inputs.unit);
  title += ", " + std::to_string(inputs.frets) + (inputs.frets == 1 ? " fret" : " frets");
  return title;
}

std::string BoardSvg(const BoardGeometry& board) {
  std::string description = "Korvanel fret template: ";
  description += Description(board.inputs);
  description +=
      ". Origin at the middle of the nut, x along the centre line toward the bridge, y toward "
      "the treble side.";
  return SvgFile(BoardDrawing(board), board.inputs.unit, BoardTitle(board.inputs), description);
}

}  // namespace korvanel::fret_template
