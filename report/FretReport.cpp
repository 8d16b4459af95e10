#include "report/FretReport.h"

#include <exception>
#include <string_view>

#include "core/modPublico.h"

namespace korvanel {

namespace {

constexpr std::string_view kMargin = "   ";
constexpr std::string_view kTitle = "Korvanel";
constexpr std::string_view kCredit =
    "Fret positions of an equal-tempered fingerboard, nut to fret 24";
constexpr std::string_view kLengthLabel = "Scale Guitar Length  =  ";
constexpr std::string_view kLengthUnit = " mm";
constexpr std::string_view kTitleSeparator = "   | ";
constexpr std::string_view kAfterFretNumber = "           |  ";
constexpr std::string_view kAfterStepDistance = "                      |  ";
constexpr std::string_view kReportFontName = "Fixedsys";
constexpr float kReportFontSize = 10.0f;

std::string Margined(std::string_view text) {
  std::string line(kMargin);
  line += text;
  return line;
}

std::string ColumnTitles() {
  std::string titles("Fret Number");
  titles += kTitleSeparator;
  titles += "Distance from previous (mm)";
  titles += kTitleSeparator;
  titles += "Whole Distance (mm)";
  return titles;
}

void PrintReportLine(Printer& printer, const ReportLine& line) {
  if (line.text.empty()) {
    printer.PrintEmptyLine();
  } else {
    printer.PrintLine(line.text);
  }
}

}  // namespace

std::vector<ReportLine> ReportHeadingLines(const FretTable& table,
                                           std::string_view decimalSeparator) {
  std::string length(kLengthLabel);
  length += NumberText(table.ScaleLength, decimalSeparator);
  length += kLengthUnit;
  return {
      {Margined(kTitle), true},
      {"", true},
      {Margined(kCredit), true},
      {"", true},
      {"", true},
      {Margined(length), false},
      {"", false},
      {"", false},
      {Margined(ColumnTitles()), false},
      {"", false},
  };
}

std::string FretLine(const FretTable& table, std::int16_t fret) {
  const auto k = static_cast<std::size_t>(fret);
  std::string line(kMargin);
  line += FormatFretNumber(fret);
  line += kAfterFretNumber;
  line += FormatStepDistance(table.StepDistance.at(k));
  line += kAfterStepDistance;
  line += FormatWholeDistance(table.WholeDistance.at(k));
  return line;
}

std::vector<ReportLine> FretReportLines(const FretTable& table, std::string_view decimalSeparator) {
  std::vector<ReportLine> lines = ReportHeadingLines(table, decimalSeparator);
  lines.reserve(kReportLineCount);
  for (std::int16_t fret = 0; fret <= kFretCount; ++fret) {
    lines.push_back({FretLine(table, fret), false});
  }
  return lines;
}

void PrintFretTable(FretTable& table, std::string_view decimalSeparator, CommonDialog& cmd,
                    Printer& printer) {
  cmd.SetPrintToFileOffered(true);
  // The report's only error trap: whatever fails from the dialog on ends the
  // report quietly, and the caller still ends the document.
  try {
    cmd.ShowPrinter();
    printer.SetFontName(kReportFontName);
    printer.SetFontSize(kReportFontSize);
    printer.SetFontBold(false);
    printer.SetFontItalic(false);
    printer.SetForeColor(0);
    printer.SetFontBold(true);

    // The bold heading ends with line 5; the switch follows the lines.
    bool bold = true;
    for (const ReportLine& line : ReportHeadingLines(table, decimalSeparator)) {
      if (line.heading != bold) {
        bold = line.heading;
        printer.SetFontBold(bold);
      }
      PrintReportLine(printer, line);
    }
    for (table.FretIndex = 0; table.FretIndex <= kFretCount; ++table.FretIndex) {
      printer.PrintLine(FretLine(table, table.FretIndex));
    }
  } catch (const std::exception&) {
    // Nothing to undo, nothing to say: the lines printed so far stay.
  }
}

}  // namespace korvanel
