// The GDI line printer on the default printer, printing into PostScript
// files. These tests check what the program can see itself; the documents
// they leave (*.ps with *.expected) are read back with ghostscript and
// poppler by check_printout.py, the next test.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "Printouts.h"
#include "core/FretTable.h"
#include "platform/CommonDialog.h"
#include "platform/ControlError.h"
#include "platform/win32/Printer.h"
#include "report/FretReport.h"
#include "tests/fakes/InterruptedPrinter.h"

namespace korvanel {
namespace {

using test::ExpectedLine;
using test::PrintoutPath;
using win32::GdiPrinter;

FretTable Table650() {
  FretTable table;
  table.ScaleLength = 650;
  ComputeFrets(table);
  return table;
}

std::vector<ExpectedLine> Expected(const std::vector<ReportLine>& lines) {
  std::vector<ExpectedLine> expected;
  for (const ReportLine& line : lines) expected.push_back({line.text, line.heading});
  return expected;
}

// A dialog the user confirms at once.
class ConfirmedDialog : public CommonDialog {
 public:
  void SetPrintToFileOffered(bool) override {}
  void ShowPrinter() override {}
};

class GdiPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dc_ = test::DefaultPrinterDc();
    ASSERT_TRUE(dc_) << "no default printer (tests/win32/AddTestPrinter.cpp adds one)";
  }

  // A printer on the default printer that writes into `name`, removed first.
  GdiPrinter PrinterInto(const std::wstring& path) {
    test::RemoveFile(path);
    return GdiPrinter(test::DefaultPrinterDc(), path);
  }

  win32::UniqueDc dc_;
};

TEST_F(GdiPrinterTest, ReportIsOneDocumentOfOnePage) {
  const std::wstring ps = PrintoutPath(L"report.ps");
  GdiPrinter printer = PrinterInto(ps);
  FretTable table = Table650();
  ConfirmedDialog dialog;
  PrintFretTable(table, ".", dialog, printer);
  EXPECT_FALSE(test::FileExists(ps)) << "the spooler writes the file when the document ends";
  ASSERT_NO_THROW(printer.EndDoc());

  const std::string postScript = test::FileText(ps);
  ASSERT_TRUE(postScript.starts_with("%!PS")) << postScript.substr(0, 40);
  EXPECT_EQ(test::PostScriptPageCount(postScript), 1);
  EXPECT_EQ(table.FretIndex, 25);
  test::WriteExpected(PrintoutPath(L"report.expected"), 1, Expected(FretReportLines(table, ".")));
}

TEST_F(GdiPrinterTest, ReportFailingAtAFretKeepsTheLinesBeforeIt) {
  constexpr int kFailingFret = 7;
  const std::wstring ps = PrintoutPath(L"partial.ps");
  GdiPrinter printer = PrinterInto(ps);
  // The printer runs out of paper at that fret's line.
  test::InterruptedPrinter failing(printer, static_cast<int>(kHeadingLineCount) + kFailingFret + 1,
                                   [] { throw ControlError("out of paper"); });
  FretTable table = Table650();
  ConfirmedDialog dialog;
  PrintFretTable(table, ".", dialog, failing);
  EXPECT_EQ(table.FretIndex, kFailingFret);
  ASSERT_NO_THROW(failing.EndDoc());

  EXPECT_EQ(test::PostScriptPageCount(test::FileText(ps)), 1);
  std::vector<ReportLine> printed = FretReportLines(table, ".");
  printed.resize(kHeadingLineCount + kFailingFret);
  test::WriteExpected(PrintoutPath(L"partial.expected"), 1, Expected(printed));
}

TEST_F(GdiPrinterTest, LinesPastTheBottomMarginGoOnTheNextPage) {
  const std::wstring ps = PrintoutPath(L"pages.ps");
  GdiPrinter printer = PrinterInto(ps);
  printer.SetFontName("Fixedsys");
  printer.SetFontSize(10);
  constexpr int kLines = 150;
  std::vector<ExpectedLine> expected;
  for (int i = 1; i <= kLines; ++i) {
    expected.push_back({"line " + std::to_string(i), false});
    printer.PrintLine(expected.back().text);
  }
  ASSERT_NO_THROW(printer.EndDoc());

  const int pages = test::PostScriptPageCount(test::FileText(ps));
  EXPECT_GE(pages, 2);
  test::WriteExpected(PrintoutPath(L"pages.expected"), pages, expected);
}

TEST_F(GdiPrinterTest, TextComesInTheForeColour) {
  const std::wstring ps = PrintoutPath(L"colour.ps");
  GdiPrinter printer = PrinterInto(ps);
  printer.SetForeColor(0xFF0000);  // blue
  printer.PrintLine("blue");
  printer.SetForeColor(0x0000FF);  // red
  printer.PrintLine("red");
  ASSERT_NO_THROW(printer.EndDoc());

  // Wine's PostScript driver sets each colour as red, green and blue.
  const std::string postScript = test::FileText(ps);
  const auto blue = postScript.find("0.00 0.00 1.00 setrgbcolor");
  const auto red = postScript.find("1.00 0.00 0.00 setrgbcolor");
  ASSERT_NE(blue, std::string::npos);
  ASSERT_NE(red, std::string::npos);
  EXPECT_LT(blue, red);
}

TEST_F(GdiPrinterTest, EndingADocumentWithoutLinesMakesNoFileAndNoError) {
  const std::wstring ps = PrintoutPath(L"nothing.ps");
  GdiPrinter printer = PrinterInto(ps);
  printer.SetFontName("Fixedsys");
  printer.SetFontBold(true);
  EXPECT_NO_THROW(printer.EndDoc());
  EXPECT_NO_THROW(printer.EndDoc());
  EXPECT_FALSE(test::FileExists(ps));
}

// Where the document cannot be written, the spooler refuses it at its start
// (Windows) or at its end (Wine writes the file then): either way ending the
// document is a ControlError, once.
TEST_F(GdiPrinterTest, DocumentThatCannotBeWrittenFailsOnceAtItsEnd) {
  const std::wstring folder = PrintoutPath(L"missing-folder");
  RemoveDirectoryW(folder.c_str());
  GdiPrinter printer(test::DefaultPrinterDc(), folder + L"\\report.ps");
  try {
    printer.PrintLine("   Korvanel");
    printer.PrintEmptyLine();
  } catch (const ControlError&) {
    EXPECT_THROW(printer.PrintLine("   Korvanel"), ControlError) << "no retry in one document";
  }
  EXPECT_THROW(printer.EndDoc(), ControlError);
  EXPECT_NO_THROW(printer.EndDoc());

  // The next document starts afresh.
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr));
  EXPECT_NO_THROW(printer.PrintLine("   Korvanel"));
  EXPECT_NO_THROW(printer.EndDoc());
  EXPECT_TRUE(test::FileExists(folder + L"\\report.ps"));
  DeleteFileW((folder + L"\\report.ps").c_str());
  RemoveDirectoryW(folder.c_str());
}

// Print to PDF and FILE: ports ask for a file name in StartDoc, failing it
// with ERROR_CANCELLED when the user cancels (never under Wine).
DWORD startDocError = 0;
int WINAPI FailingStartDoc(HDC, const DOCINFOW*) {
  SetLastError(startDocError);
  return SP_ERROR;
}

TEST_F(GdiPrinterTest, CancelledFileNamePromptEndsQuietlyAndOtherStartFailuresOnce) {
  FretTable table = Table650();
  ConfirmedDialog dialog;
  for (DWORD error : {ERROR_CANCELLED, ERROR_DISK_FULL}) {
    startDocError = error;
    GdiPrinter printer(test::DefaultPrinterDc(), {}, FailingStartDoc);
    PrintFretTable(table, ".", dialog, printer);
    if (error != ERROR_CANCELLED) {
      EXPECT_THROW(printer.EndDoc(), ControlError);
    }
    EXPECT_NO_THROW(printer.EndDoc());
  }
}

TEST_F(GdiPrinterTest, WithoutADeviceEveryLineFailsAndTheEndIsQuiet) {
  GdiPrinter printer;
  EXPECT_THROW(printer.PrintLine("   Korvanel"), ControlError);
  EXPECT_THROW(printer.PrintEmptyLine(), ControlError);
  EXPECT_NO_THROW(printer.EndDoc());
}

TEST_F(GdiPrinterTest, ScreenFontsAndUnknownFacesPrintInCourierNew) {
  EXPECT_EQ(win32::PrintableFace(dc_.get(), "Fixedsys"), L"Courier New");
  EXPECT_EQ(win32::PrintableFace(dc_.get(), "MS Sans Serif"), L"Courier New");
  EXPECT_EQ(win32::PrintableFace(dc_.get(), "No Such Face Anywhere"), L"Courier New");
  EXPECT_EQ(win32::PrintableFace(dc_.get(), ""), L"Courier New");
  EXPECT_EQ(win32::PrintableFace(dc_.get(), std::string(40, 'A')), L"Courier New");
  EXPECT_EQ(win32::PrintableFace(dc_.get(), "Courier New"), L"Courier New");
}

TEST_F(GdiPrinterTest, MarginsAreFifteenMillimetresFromThePaperEdge) {
  HDC dc = dc_.get();
  const RECT area = win32::MarginRect(dc);
  const auto millimetres = [](LONG pixels, int dotsPerInch) { return pixels * 25.4 / dotsPerInch; };
  const int dpiX = GetDeviceCaps(dc, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(dc, LOGPIXELSY);
  EXPECT_NEAR(millimetres(area.left + GetDeviceCaps(dc, PHYSICALOFFSETX), dpiX), 15, 0.2);
  EXPECT_NEAR(millimetres(area.top + GetDeviceCaps(dc, PHYSICALOFFSETY), dpiY), 15, 0.2);
  EXPECT_NEAR(
      millimetres(
          GetDeviceCaps(dc, PHYSICALWIDTH) - GetDeviceCaps(dc, PHYSICALOFFSETX) - area.right, dpiX),
      15, 0.2);
  EXPECT_NEAR(millimetres(GetDeviceCaps(dc, PHYSICALHEIGHT) - GetDeviceCaps(dc, PHYSICALOFFSETY) -
                              area.bottom,
                          dpiY),
              15, 0.2);
}

}  // namespace
}  // namespace korvanel
