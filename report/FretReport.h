#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/FretTable.h"
#include "platform/CommonDialog.h"
#include "platform/Printer.h"

namespace korvanel {

// One line of the printed fret table. An empty text is an empty line.
// `heading` tells whether the heading style (bold) is in force for it.
struct ReportLine {
  std::string text;
  bool heading = false;

  bool operator==(const ReportLine&) const = default;
};

inline constexpr std::size_t kHeadingLineCount = 10;
inline constexpr std::size_t kReportLineCount = kHeadingLineCount + kFretCount + 1;

// Lines 1 to 10 of the report: title, credit line, scale length and the
// column titles, with the blank lines between them. The scale length is
// written with `decimalSeparator`, the user's one.
std::vector<ReportLine> ReportHeadingLines(const FretTable& table,
                                           std::string_view decimalSeparator);

// The line of fret `fret` (0..24): number, distance from the previous fret
// and distance from the nut, separated by bars that stand under those of
// the column titles when the numbers have their full widths.
std::string FretLine(const FretTable& table, std::int16_t fret);

// All 35 lines of the report, as PrintFretTable prints them.
std::vector<ReportLine> FretReportLines(const FretTable& table, std::string_view decimalSeparator);

// Prints the fret table: offers printing to a file, shows the printer dialog,
// sets the report font and prints the 35 lines, walking the frets with
// `table.FretIndex`. From the dialog on, any failure ends the report at once
// and is not passed on: what was printed stays printed. Ending the document
// is left to the caller, who must do it whatever happened here.
void PrintFretTable(FretTable& table, std::string_view decimalSeparator, CommonDialog& cmd,
                    Printer& printer);

}  // namespace korvanel
