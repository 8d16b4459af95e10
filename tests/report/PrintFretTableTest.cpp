// The order of dialog and printer operations of a File > Print, and what a
// failure at any point of it leaves on paper.
#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/FretTable.h"
#include "platform/ControlError.h"
#include "report/FretReport.h"
#include "tests/fakes/RecordingPrint.h"

namespace korvanel {
namespace {

using test::Document;
using test::OperationLog;
using test::RecordingDialog;
using test::RecordingPrinter;

// Operations of one full report, counted from 1: the dialog option and the
// dialog, the six settings, lines 1-5, bold off, lines 6-10, the 25 frets.
constexpr int kDialogOperation = 2;
constexpr int kFirstLineOperation = 9;
constexpr int kFirstFretOperation = 20;
constexpr int kReportOperations = 44;
constexpr std::int16_t kUntouchedFretIndex = -1;

FretTable Table650() {
  FretTable table;
  table.ScaleLength = 650;
  ComputeFrets(table);
  table.FretIndex = kUntouchedFretIndex;
  return table;
}

// What File > Print does: the report, then the end of the document whatever
// the report met.
struct PrintCommand {
  OperationLog log;
  RecordingDialog dialog{log};
  RecordingPrinter printer{log};

  void Run(FretTable& table) {
    PrintFretTable(table, ".", dialog, printer);
    printer.EndDoc();
  }
};

std::vector<std::string> ExpectedOperations(const FretTable& table) {
  std::vector<std::string> expected = {
      "SetPrintToFileOffered(true)",
      "ShowPrinter",
      "SetFontName(Fixedsys)",
      "SetFontSize(10.000000)",
      "SetFontBold(false)",
      "SetFontItalic(false)",
      "SetForeColor(0)",
      "SetFontBold(true)",
      "PrintLine(   Korvanel)",
      "PrintEmptyLine",
      "PrintLine(   Fret positions of an equal-tempered fingerboard, nut to fret 24)",
      "PrintEmptyLine",
      "PrintEmptyLine",
      "SetFontBold(false)",
      "PrintLine(   Scale Guitar Length  =  650 mm)",
      "PrintEmptyLine",
      "PrintEmptyLine",
      "PrintLine(   Fret Number   | Distance from previous (mm)   | Whole Distance (mm))",
      "PrintEmptyLine",
  };
  const std::vector<ReportLine> lines = FretReportLines(table, ".");
  for (std::size_t i = kHeadingLineCount; i < lines.size(); ++i) {
    expected.push_back("PrintLine(" + lines[i].text + ")");
  }
  return expected;
}

std::vector<std::string> ReportTexts(const FretTable& table, std::size_t count) {
  std::vector<std::string> texts;
  for (const ReportLine& line : FretReportLines(table, ".")) texts.push_back(line.text);
  texts.resize(count);
  return texts;
}

TEST(PrintFretTable, FullReportMakesEveryOperationInOrderThenTheCallerEndsTheDocument) {
  FretTable table = Table650();
  PrintCommand command;
  command.Run(table);

  std::vector<std::string> expected = ExpectedOperations(table);
  ASSERT_EQ(expected.size(), static_cast<std::size_t>(kReportOperations));
  expected.push_back("EndDoc");
  EXPECT_EQ(command.log.Operations(), expected);
  EXPECT_EQ(table.FretIndex, 25);
}

TEST(PrintFretTable, FailureBeforeTheDialogIsNotTrapped) {
  FretTable table = Table650();
  PrintCommand command;
  command.log.FailAt(1, std::make_exception_ptr(ControlError("no dialog")));
  EXPECT_THROW(PrintFretTable(table, ".", command.dialog, command.printer), ControlError);
  EXPECT_TRUE(command.log.Operations().empty());
}

TEST(PrintFretTable, AnyStandardErrorEndsTheReportQuietly) {
  const std::exception_ptr errors[] = {
      std::make_exception_ptr(std::runtime_error("driver")),
      std::make_exception_ptr(std::bad_alloc()),
  };
  for (const std::exception_ptr& error : errors) {
    FretTable table = Table650();
    PrintCommand command;
    command.log.FailAt(kFirstFretOperation + 3, error);
    EXPECT_NO_THROW(command.Run(table));
    ASSERT_EQ(command.printer.Documents().size(), 1u);
    EXPECT_EQ(command.printer.Documents()[0].lines.size(), kHeadingLineCount + 3);
    EXPECT_EQ(table.FretIndex, 3);
  }
}

TEST(PrintFretTable, TwoPrintCommandsGiveTwoDocumentsWithTheirOwnSettings) {
  FretTable table = Table650();
  PrintCommand command;
  command.Run(table);
  command.Run(table);

  std::vector<std::string> onePass = ExpectedOperations(table);
  onePass.push_back("EndDoc");
  std::vector<std::string> expected = onePass;
  expected.insert(expected.end(), onePass.begin(), onePass.end());
  EXPECT_EQ(command.log.Operations(), expected);

  const std::vector<Document>& documents = command.printer.Documents();
  ASSERT_EQ(documents.size(), 2u);
  for (const Document& document : documents) {
    EXPECT_EQ(document.lines, ReportTexts(table, kReportLineCount));
    EXPECT_TRUE(document.ended);
  }
  EXPECT_EQ(command.printer.EndDocCount(), 2);
}

// A failure at each operation from the dialog to the last fret line.
class PrintFretTableFailingAt : public ::testing::TestWithParam<int> {};

TEST_P(PrintFretTableFailingAt, KeepsWhatWasPrintedAndStopsThere) {
  const int failing = GetParam();
  FretTable table = Table650();
  PrintCommand command;
  command.log.FailAt(failing, std::make_exception_ptr(ControlError("printer refused")));
  EXPECT_NO_THROW(command.Run(table));

  // Everything before the failing operation, nothing after it but EndDoc.
  std::vector<std::string> expected = ExpectedOperations(table);
  expected.resize(static_cast<std::size_t>(failing - 1));
  expected.push_back("EndDoc");
  EXPECT_EQ(command.log.Operations(), expected);
  EXPECT_EQ(command.printer.EndDocCount(), 1);

  const std::vector<Document>& documents = command.printer.Documents();
  if (failing <= kFirstLineOperation) {
    EXPECT_TRUE(documents.empty());
  } else {
    // The bold-off switch between lines 5 and 6 is not a line.
    const int afterSwitch = failing > kFirstFretOperation - 6 ? 1 : 0;
    const auto printed = static_cast<std::size_t>(failing - kFirstLineOperation - afterSwitch);
    ASSERT_EQ(documents.size(), 1u);
    EXPECT_EQ(documents[0].lines, ReportTexts(table, printed));
    EXPECT_TRUE(documents[0].ended);
  }

  const int expectedFretIndex =
      failing >= kFirstFretOperation ? failing - kFirstFretOperation : kUntouchedFretIndex;
  EXPECT_EQ(table.FretIndex, expectedFretIndex);
}

INSTANTIATE_TEST_SUITE_P(DialogSettingsAndLines, PrintFretTableFailingAt,
                         ::testing::Range(kDialogOperation, kReportOperations + 1),
                         [](const ::testing::TestParamInfo<int>& operation) {
                           return "Operation" + std::to_string(operation.param);
                         });

}  // namespace
}  // namespace korvanel
