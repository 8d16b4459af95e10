// Arbitrary bytes as the fret template's fields: the first byte picks the
// unit and the paper, the lines after it are the ten fields' texts (the
// starting texts where lines are missing). Through everything that follows
// without a window: the reading, and for inputs it accepts the geometry,
// the drawing, both files and the pages. Aborts on any broken promise.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

#include "template/Files.h"
#include "template/Pages.h"

namespace {

using namespace korvanel::fret_template;

void Require(bool condition, const char* promise) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
  }
}

// No "nan" or "inf" in any case: every number was written as digits.
bool HasOnlyDigitNumbers(const std::string& file) {
  const auto lower = [&file](std::size_t at) { return static_cast<char>(file[at] | 0x20); };
  for (std::size_t i = 0; i + 3 <= file.size(); ++i) {
    const char a = lower(i), b = lower(i + 1), c = lower(i + 2);
    if ((a == 'n' && b == 'a' && c == 'n') || (a == 'i' && b == 'n' && c == 'f')) return false;
  }
  return true;
}

void CheckPages(const TemplatePages& pages) {
  const Box paper = {kPageMargin - 1e-6, kPageMargin - 1e-6, pages.width - kPageMargin + 1e-6,
                     pages.height - kPageMargin + 1e-6};
  Require(!pages.pages.empty(), "at least one page");
  for (const Page& page : pages.pages) {
    for (const Polyline& line : page.drawing.lines) {
      Require(line.points.size() >= 2, "a line has two points or more");
      for (const Point& point : line.points) {
        Require(paper.Contains({point.x, point.y, point.x, point.y}), "lines within the margins");
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const Unit unit = (data[0] & 1) != 0 ? Unit::Inch : Unit::Millimetre;
  const Paper paper = (data[0] & 2) != 0 ? Paper::Letter : Paper::A4;
  FieldTexts texts = InputTexts(InUnit(TemplateInputs{}, unit));
  std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  for (std::size_t field = 0; field < kFieldCount && !rest.empty(); ++field) {
    const std::size_t end = rest.find('\n');
    texts[static_cast<Field>(field)] = std::string(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }

  const InputsReading reading = ReadInputs(texts, unit, paper);
  if (const auto* refusal = std::get_if<Refusal>(&reading)) {
    const std::string start = FieldLabel(refusal->field, unit) + ": enter a ";
    Require(refusal->message.compare(0, start.size(), start) == 0, "a refusal names its field");
    return 0;
  }
  const BoardGeometry board = ComputeBoard(std::get<TemplateInputs>(reading));
  Require(HasOnlyDigitNumbers(BoardSvg(board)), "no NaN or infinity in the SVG");
  Require(HasOnlyDigitNumbers(BoardDxf(board)), "no NaN or infinity in the DXF");
  CheckPages(MakePages(board));
  Require(FretDistanceRows(board).size() == board.frets.size() - 1, "a row for every fret");
  return 0;
}
