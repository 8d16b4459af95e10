// The fret template's pages on the GDI printer: through the print dialog,
// which offers their paper, into PostScript files that
// check_template_printout.py reads back (NAME.ps beside NAME.json, the
// inputs and the pages' tiles, as tests/template/check_files.py reads them).
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdio>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "PrintDialogAnswer.h"
#include "Printouts.h"
#include "platform/ControlError.h"
#include "platform/win32/PrintJob.h"
#include "platform/win32/Printer.h"
#include "template/Geometry.h"
#include "template/Pages.h"
#include "template/Picture.h"
#include "template/Units.h"

namespace korvanel {
namespace {

using namespace fret_template;
using test::DialogAnswer;
using test::PrintoutPath;

struct Sample {
  const wchar_t* name;
  TemplateInputs inputs;
};

// An ordinary and a fanned board on A4, one in inches on Letter, and a
// fanned one with slots for a printer that prints 100 mm as 99 mm.
std::vector<Sample> Samples() {
  TemplateInputs ordinary;
  ordinary.bassScale = ordinary.trebleScale = 650;
  TemplateInputs fanned = ordinary;
  fanned.bassScale = 686;
  fanned.trebleScale = 648;
  fanned.perpendicularFret = 8;
  TemplateInputs inches = InUnit(ordinary, Unit::Inch);
  inches.bassScale = inches.trebleScale = 25.5;
  inches.frets = 22;
  inches.paper = Paper::Letter;
  TemplateInputs slotted = fanned;
  slotted.slotWidth = 0.6;
  slotted.frets = 36;
  slotted.rulerMeasures = 99;
  return {{L"template-ordinary", ordinary},
          {L"template-fanned", fanned},
          {L"template-inches", inches},
          {L"template-slotted", slotted}};
}

std::string Number(double value) {
  char text[40];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

std::string List(std::initializer_list<double> values) {
  std::string json;
  for (double value : values) json += (json.empty() ? "[" : ", ") + Number(value);
  return json + "]";
}

// What the reader needs to place the pages on the board: the inputs and
// the pages' paper, correction and tiles.
void WriteLayout(const std::wstring& path, const TemplateInputs& inputs,
                 const TemplatePages& pages) {
  std::string json = "{\"inputs\": {\"unit\": \"" + std::string(UnitSymbol(inputs.unit)) + "\"";
  const std::pair<const char*, double> values[] = {
      {"bassScale", inputs.bassScale}, {"trebleScale", inputs.trebleScale},
      {"nutSpan", inputs.nutSpan},     {"bridgeSpan", inputs.bridgeSpan},
      {"slotWidth", inputs.slotWidth}, {"perpendicularFret", inputs.perpendicularFret},
      {"frets", inputs.frets}};
  for (const auto& [name, value] : values)
    json += ", \"" + std::string(name) + "\": " + Number(value);
  json += "},\n\"pages\": {\"width\": " + Number(pages.width) +
          ", \"height\": " + Number(pages.height) + ", \"scale\": " + Number(pages.scale) +
          ", \"tileCorner\": " + List({pages.tileCorner.x, pages.tileCorner.y}) + ", \"tiles\": [";
  for (const Page& page : pages.pages) {
    json += (json.back() == '[' ? "" : ", ") +
            List({page.tile.left, page.tile.top, page.tile.right, page.tile.bottom});
  }
  std::ofstream(path.c_str(), std::ios::binary) << json << "]}}\n";
}

TEST(TemplatePrintTest, PagesPrintOnThePaperTheDialogOffersOnePageEach) {
  for (const Sample& sample : Samples()) {
    SCOPED_TRACE(testing::PrintToString(sample.name));
    const std::wstring ps = PrintoutPath(std::wstring(sample.name) + L".ps");
    test::RemoveFile(ps);
    const TemplatePages pages = MakePages(ComputeBoard(sample.inputs));
    win32::GdiPrinter printer(nullptr, ps);
    win32::PrinterChoice choice;
    win32::GdiPrintDialog dialog(printer, nullptr, choice);
    printer.SetPaper(pages.width, pages.height);
    {
      DialogAnswer answer(IDOK);
      dialog.ShowPrinter();
      ASSERT_TRUE(answer.Seen());
    }
    for (const Page& page : pages.pages) printer.PrintPage(PagePicture(page, pages));
    ASSERT_NO_THROW(printer.EndDoc());
    EXPECT_EQ(test::PostScriptPageCount(test::FileText(ps)), static_cast<int>(pages.pages.size()));
    WriteLayout(PrintoutPath(std::wstring(sample.name) + L".json"), sample.inputs, pages);
  }
}

// A device of the default printer on A4 upright, as the user may have set it
// in the dialog.
win32::UniqueDc DeviceOnA4Upright() {
  wchar_t name[256];
  DWORD size = 256;
  if (!GetDefaultPrinterW(name, &size)) return {};
  const LONG bytes = DocumentPropertiesW(nullptr, nullptr, name, nullptr, nullptr, 0);
  std::vector<std::byte> buffer(static_cast<std::size_t>(bytes > 0 ? bytes : 0));
  auto* mode = reinterpret_cast<DEVMODEW*>(buffer.data());
  if (bytes <= 0 ||
      DocumentPropertiesW(nullptr, nullptr, name, mode, nullptr, DM_OUT_BUFFER) != IDOK) {
    return {};
  }
  mode->dmFields |= DM_PAPERSIZE | DM_ORIENTATION;
  mode->dmPaperSize = DMPAPER_A4;
  mode->dmOrientation = DMORIENT_PORTRAIT;
  return win32::UniqueDc(CreateDCW(L"WINSPOOL", name, nullptr, mode));
}

TEST(TemplatePrintTest, PagesForOtherPaperThanTheDevicesAreRefusedOnce) {
  const std::pair<double, double> papers[] = {{215.9, 279.4}, {297, 210}};
  for (const auto& [width, height] : papers) {
    SCOPED_TRACE(width);
    const std::wstring ps = PrintoutPath(L"other-paper.ps");
    test::RemoveFile(ps);
    win32::GdiPrinter printer(DeviceOnA4Upright(), ps);
    printer.SetPaper(width, height);
    try {
      printer.PrintPage({});
      ADD_FAILURE() << "printed on other paper";
    } catch (const ControlError& error) {
      EXPECT_STREQ(error.what(),
                   "The paper chosen for printing is not the paper the pages are laid out for.");
    }
    EXPECT_THROW(printer.PrintPage({}), ControlError);
    EXPECT_THROW(printer.EndDoc(), ControlError);
    EXPECT_NO_THROW(printer.EndDoc());
    EXPECT_FALSE(test::FileExists(ps));
  }
}

}  // namespace
}  // namespace korvanel
