// The fret template's pages on the GDI printer: through the print dialog,
// which offers their paper, into PostScript files that check_files.py
// --printed reads back (NAME-win32.ps beside NAME.json).
#include <windows.h>
#include <winspool.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
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
#include "tests/template/Samples.h"

namespace korvanel {
namespace {

using namespace fret_template;
using test::DialogAnswer;
using test::PrintoutPath;

TEST(TemplatePrintTest, PagesPrintOnThePaperTheDialogOffersOnePageEach) {
  for (const Sample& sample : Samples()) {
    SCOPED_TRACE(sample.name);
    const std::wstring name(sample.name, sample.name + std::strlen(sample.name));
    const std::wstring ps = PrintoutPath(name + L"-win32.ps");
    test::RemoveFile(ps);
    const BoardGeometry board = ComputeBoard(sample.inputs);
    const TemplatePages pages = MakePages(board);
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
    std::ofstream(PrintoutPath(name + L".json").c_str(), std::ios::binary)
        << SampleJson(sample, board, pages);
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
