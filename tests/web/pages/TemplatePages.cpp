// The template's pages of each sample board as the web runtime's printer
// lays them out for the browser: printSample(i) fills the page's printout
// with sample i's pages and gives its name and what check_files.py --printed
// is told of it. template.test.js has Chromium print each into a PDF.
#include <emscripten/bind.h>

#include <string>

#include "platform/web/Printer.h"
#include "template/Picture.h"
#include "tests/template/Samples.h"

namespace {

using namespace korvanel::fret_template;

int SampleCount() { return static_cast<int>(Samples().size()); }

emscripten::val PrintSample(int index) {
  const Sample sample = Samples().at(static_cast<std::size_t>(index));
  const BoardGeometry board = ComputeBoard(sample.inputs);
  const TemplatePages pages = MakePages(board);
  // As the browser's own Print: the printout filled, no dialog.
  korvanel::web::WebPrinter printer(false);
  printer.SetPaper(pages.width, pages.height);
  for (const Page& page : pages.pages) printer.PrintPage(PagePicture(page, pages));
  printer.EndDoc();
  emscripten::val printed = emscripten::val::object();
  printed.set("name", std::string(sample.name));
  printed.set("json", SampleJson(sample, board, pages));
  return printed;
}

}  // namespace

EMSCRIPTEN_BINDINGS(template_pages) {
  emscripten::function("sampleCount", &SampleCount);
  emscripten::function("printSample", &PrintSample);
}

int main() { return 0; }
