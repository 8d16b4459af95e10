// The Qt line printer on paper: reports printed into PDF files and read
// back with the poppler tools.
#include <gtest/gtest.h>

#include <QColor>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "PdfReport.h"
#include "PdfTools.h"
#include "core/FretTable.h"
#include "platform/ControlError.h"
#include "platform/qt/PrintJob.h"
#include "platform/qt/Printer.h"
#include "report/FretReport.h"

namespace korvanel {
namespace {

using qt::QtPrinter;
using test::PdfLine;
using test::PdfLines;

constexpr double kCharWidthTolerance = 0.1;

class QtPrinterTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  QString Path(const QString& name) const { return dir_.filePath(name); }

  // A PDF printer as the print job sets it up, writing into `path`.
  static void SetUpPdf(QPrinter& device, const QString& path) {
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setOutputFileName(path);
    qt::SetPrintMargins(device);
  }

 private:
  QTemporaryDir dir_;
};

// Tests that read the printed PDF back with the poppler tools.
class PdfReadBackTest : public QtPrinterTest {
 protected:
  void SetUp() override {
    QtPrinterTest::SetUp();
    for (const char* tool : {"pdftotext", "pdfinfo", "pdffonts"}) {
      if (!test::HasTool(tool)) {
        GTEST_SKIP() << tool << " (poppler-utils) is needed to read the PDF back";
      }
    }
  }
};

FretTable Table650() {
  FretTable table;
  table.ScaleLength = 650;
  ComputeFrets(table);
  return table;
}

// The words of a line, as pdftotext finds them.
QString Words(const std::string& text) { return QString::fromStdString(text).simplified(); }

std::vector<double> BarPositions(const PdfLine& line) {
  std::vector<double> bars;
  for (const test::Word& word : line.words) {
    if (word.text == "|") bars.push_back(word.xMin);
  }
  return bars;
}

TEST_F(PdfReadBackTest, ReportLinesComeOutInOrderOnOnePage) {
  FretTable table = Table650();
  const QString pdf = Path("report.pdf");
  test::PrintReportToPdf(table, ".", pdf);
  EXPECT_EQ(test::PageCount(pdf), 1);

  const auto layout = test::RunTool("pdftotext", {"-layout", pdf, "-"});
  ASSERT_TRUE(layout);
  QStringList printed = layout->split('\n');
  while (!printed.isEmpty() && printed.back().trimmed().remove('\f').isEmpty()) printed.pop_back();

  const std::vector<ReportLine> expected = FretReportLines(table, ".");
  ASSERT_EQ(printed.size(), static_cast<qsizetype>(expected.size())) << layout->toStdString();
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(printed[static_cast<qsizetype>(i)].simplified(), Words(expected[i].text))
        << "line " << i + 1;
  }
}

TEST_F(PdfReadBackTest, BarsOfTheTitlesAndOfFullWidthFretLinesStandInOneColumn) {
  FretTable table = Table650();
  const QString pdf = Path("report.pdf");
  test::PrintReportToPdf(table, ".", pdf);

  const std::vector<PdfLine> lines = PdfLines(pdf);
  ASSERT_FALSE(lines.empty());
  const test::Word& title = lines.front().words.front();
  ASSERT_EQ(title.text, "Korvanel");
  const double charWidth = (title.xMax - title.xMin) / 8;

  const std::vector<ReportLine> expected = FretReportLines(table, ".");
  const PdfLine* titles = nullptr;
  for (const PdfLine& line : lines) {
    if (line.Text().startsWith("Fret Number")) titles = &line;
  }
  ASSERT_NE(titles, nullptr);
  const std::vector<double> columns = BarPositions(*titles);
  ASSERT_EQ(columns.size(), 2u);
  EXPECT_NEAR(columns[1] - columns[0], 32 * charWidth, kCharWidthTolerance * charWidth);

  int checked = 0;
  const std::size_t firstFret = lines.size() - (kReportLineCount - kHeadingLineCount);
  for (std::size_t i = firstFret; i < lines.size(); ++i) {
    const std::string& text = expected[kHeadingLineCount + i - firstFret].text;
    if (text.size() != 60) continue;  // a shortened number moves its bar
    ++checked;
    const std::vector<double> bars = BarPositions(lines[i]);
    ASSERT_EQ(bars.size(), 2u) << text;
    EXPECT_NEAR(bars[0], columns[0], kCharWidthTolerance * charWidth) << text;
    EXPECT_NEAR(bars[1], columns[1], kCharWidthTolerance * charWidth) << text;
  }
  EXPECT_EQ(checked, 23);
}

TEST_F(PdfReadBackTest, HeadingAndBodyUseTheBoldAndRegularFaceOfOneFixedPitchFont) {
  FretTable table = Table650();
  const QString pdf = Path("report.pdf");
  test::PrintReportToPdf(table, ".", pdf);

  const auto fonts = test::RunTool("pdffonts", {pdf});
  ASSERT_TRUE(fonts);
  QStringList names;
  for (const QString& line : fonts->split('\n').mid(2)) {
    if (!line.trimmed().isEmpty()) names << line.section(' ', 0, 0);
  }
  names.sort();
  const QString family = qt::PrintableFontFamily("Fixedsys").remove(' ');
  EXPECT_EQ(names, QStringList({family, family + "-Bold"}));
}

TEST_F(PdfReadBackTest, LinesPastTheBottomOfThePageGoOnTheNextPage) {
  const QString pdf = Path("long.pdf");
  QPrinter device(QPrinter::HighResolution);
  SetUpPdf(device, pdf);
  QtPrinter printer(device);
  printer.SetFontName("Fixedsys");
  printer.SetFontSize(10);
  constexpr int kLines = 150;
  for (int i = 1; i <= kLines; ++i) printer.PrintLine("line " + std::to_string(i));
  printer.EndDoc();

  const std::vector<PdfLine> lines = PdfLines(pdf);
  ASSERT_EQ(lines.size(), static_cast<std::size_t>(kLines));
  EXPECT_EQ(test::PageCount(pdf), lines.back().page);
  EXPECT_GE(lines.back().page, 2);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].Text(), QString("line %1").arg(i + 1));
    if (i > 0 && lines[i].page != lines[i - 1].page) {
      EXPECT_EQ(lines[i].page, lines[i - 1].page + 1);
      EXPECT_DOUBLE_EQ(lines[i].top, lines.front().top) << "first line of page " << lines[i].page;
    }
  }
}

TEST_F(QtPrinterTest, EndingADocumentWithoutLinesMakesNoFileAndNoError) {
  const QString pdf = Path("nothing.pdf");
  QPrinter device(QPrinter::HighResolution);
  SetUpPdf(device, pdf);
  QtPrinter printer(device);
  printer.SetFontName("Fixedsys");
  printer.SetFontBold(true);
  EXPECT_NO_THROW(printer.EndDoc());
  EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST_F(QtPrinterTest, DocumentThatCannotBeOpenedFailsAtItsFirstLineAndAtItsEnd) {
  QPrinter device(QPrinter::HighResolution);
  SetUpPdf(device, Path("missing-folder/report.pdf"));
  QtPrinter printer(device);
  EXPECT_THROW(printer.PrintLine("   Korvanel"), ControlError);
  EXPECT_THROW(printer.PrintEmptyLine(), ControlError);
  EXPECT_THROW(printer.EndDoc(), ControlError);

  // The next document starts afresh.
  ASSERT_TRUE(QDir(Path("")).mkdir("missing-folder"));
  EXPECT_NO_THROW(printer.PrintLine("   Korvanel"));
  EXPECT_NO_THROW(printer.EndDoc());
  EXPECT_TRUE(QFileInfo::exists(Path("missing-folder/report.pdf")));
}

TEST(QtPrinterFont, MissingFontIsReplacedByAFixedPitchOneAndAnInstalledOneIsKept) {
  const QString replacement = qt::PrintableFontFamily("Fixedsys");
  ASSERT_TRUE(QFontDatabase::hasFamily(replacement)) << replacement.toStdString();
  if (replacement != "Fixedsys") {
    EXPECT_TRUE(QFontInfo(QFont(replacement)).fixedPitch()) << replacement.toStdString();
  }
  const QString installed = QFontDatabase::families().value(0);
  ASSERT_FALSE(installed.isEmpty());
  EXPECT_EQ(qt::PrintableFontFamily(installed), installed);
}

}  // namespace
}  // namespace korvanel
