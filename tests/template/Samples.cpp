#include "tests/template/Samples.h"

#include <cstdio>

namespace korvanel::fret_template {

std::string Number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

namespace {

// "[a, b, ...]"
std::string List(std::initializer_list<double> values) {
  std::string json;
  for (double value : values) json += (json.empty() ? "[" : ", ") + Number(value);
  return json + "]";
}

std::string PointsJson(const std::vector<Point>& points) {
  std::string json;
  for (const Point& point : points) json += (json.empty() ? "[" : ", ") + List({point.x, point.y});
  return json + "]";
}

std::string DrawingJson(const Drawing& drawing) {
  std::string json = "{\"lines\": [";
  for (const Polyline& line : drawing.lines) {
    json += json.back() == '[' ? "\n" : ",\n";
    json += "{\"layer\": \"" + std::string(LayerName(line.layer)) +
            "\", \"closed\": " + (line.closed ? "true" : "false") +
            ", \"points\": " + PointsJson(line.points) + "}";
  }
  json += "], \"texts\": [";
  for (const Text& text : drawing.texts) {
    json += json.back() == '[' ? "\n" : ",\n";
    json += "{\"layer\": \"" + std::string(LayerName(text.layer)) +
            "\", \"at\": " + List({text.at.x, text.at.y}) + ", \"text\": \"" + text.text + "\"}";
  }
  return json + "]}";
}

std::string InputsJson(const TemplateInputs& inputs) {
  std::string json = "{\"unit\": \"" + std::string(UnitSymbol(inputs.unit)) + "\"";
  const std::pair<const char*, double> values[] = {
      {"bassScale", inputs.bassScale}, {"trebleScale", inputs.trebleScale},
      {"nutSpan", inputs.nutSpan},     {"bridgeSpan", inputs.bridgeSpan},
      {"slotWidth", inputs.slotWidth}, {"perpendicularFret", inputs.perpendicularFret},
      {"frets", inputs.frets}};
  for (const auto& [name, value] : values)
    json += ", \"" + std::string(name) + "\": " + Number(value);
  return json + "}";
}

// The pages' size, correction and tiles, which put the first page's marks
// on the board.
std::string PagesJson(const TemplatePages& pages) {
  std::string json =
      "{\"width\": " + Number(pages.width) + ", \"height\": " + Number(pages.height) +
      ", \"scale\": " + Number(pages.scale) +
      ", \"tileCorner\": " + List({pages.tileCorner.x, pages.tileCorner.y}) + ", \"tiles\": [";
  for (const Page& page : pages.pages) {
    json += (json.back() == '[' ? "" : ", ") +
            List({page.tile.left, page.tile.top, page.tile.right, page.tile.bottom});
  }
  return json + "]}";
}

}  // namespace

std::vector<Sample> Samples() {
  TemplateInputs ordinary;
  ordinary.bassScale = ordinary.trebleScale = 648;
  TemplateInputs fanned = ordinary;
  fanned.bassScale = 686;
  fanned.perpendicularFret = 8;
  TemplateInputs inches = InUnit(ordinary, Unit::Inch);
  inches.bassScale = inches.trebleScale = 25.5;
  inches.frets = 22;
  inches.paper = Paper::Letter;
  TemplateInputs slotted = fanned;
  slotted.slotWidth = 0.6;
  slotted.frets = 36;
  // A printer that prints 100 mm as 99 mm: the pages come out 1/0.99 larger.
  slotted.rulerMeasures = 99;
  return {{"ordinary", ordinary}, {"fanned", fanned}, {"inches", inches}, {"slotted", slotted}};
}

std::string SampleJson(const Sample& sample, const BoardGeometry& board,
                       const TemplatePages& pages) {
  return "{\"inputs\": " + InputsJson(sample.inputs) +
         ",\n\"drawing\": " + DrawingJson(BoardDrawing(board)) +
         ",\n\"pages\": " + PagesJson(pages) + "}\n";
}

}  // namespace korvanel::fret_template
