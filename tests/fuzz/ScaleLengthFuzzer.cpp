// Arbitrary bytes as the text of the scale-length box, through everything
// that follows from it without a window: the reading, the fret table, the
// 81 texts of the fret list and the 35 report lines. Aborts on any broken
// promise to the user.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/FretList.h"
#include "core/FretTable.h"
#include "core/NumberReading.h"
#include "core/modPublico.h"
#include "report/FretReport.h"
#include "tests/fakes/RecordingList.h"

namespace {

using namespace korvanel;

void Require(bool condition, const char* promise) {
  if (!condition) {
    std::fprintf(stderr, "broken: %s\n", promise);
    std::abort();
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A second, plain reading of the same text: drop the skipped characters,
// take the longest prefix of the number grammar and let strtod (in the C
// locale of this process) convert it.
double ReferenceReading(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') kept += c;
  }
  std::size_t at = 0;
  auto digitsFrom = [&](std::size_t from) {
    while (from < kept.size() && IsDigit(kept[from])) ++from;
    return from;
  };
  if (at < kept.size() && (kept[at] == '+' || kept[at] == '-')) ++at;
  std::size_t end = digitsFrom(at);
  bool anyDigit = end > at;
  if (end < kept.size() && kept[end] == '.') {
    const std::size_t fractionEnd = digitsFrom(end + 1);
    anyDigit = anyDigit || fractionEnd > end + 1;
    end = fractionEnd;
  }
  if (!anyDigit) return 0;
  if (end < kept.size() && (kept[end] == 'e' || kept[end] == 'E')) {
    std::size_t exponentAt = end + 1;
    if (exponentAt < kept.size() && (kept[exponentAt] == '+' || kept[exponentAt] == '-')) {
      ++exponentAt;
    }
    const std::size_t exponentEnd = digitsFrom(exponentAt);
    if (exponentEnd > exponentAt) end = exponentEnd;
  }
  return std::strtod(kept.substr(0, end).c_str(), nullptr);
}

// A text written with an exponent keeps that exponent in its column.
void RequireExponentKept(double value, const std::string& cell) {
  const std::string full = BasicStr(value);
  const std::size_t exponentAt = full.find('E');
  if (value == 0 || exponentAt == std::string::npos) return;
  Require(cell.size() >= full.size() - exponentAt &&
              cell.compare(cell.size() - (full.size() - exponentAt), std::string::npos, full,
                           exponentAt) == 0,
          "a cell in exponent form keeps its exponent");
}

void CheckFretList(FretTable& table) {
  test::RecordingList list;
  FillFretList(table, list);
  Require(list.rows.size() == 27, "the fret list has 27 rows");
  Require(list.rows[25][0].empty() && list.rows[25][1].empty() && list.rows[25][2].empty(),
          "row 25 is empty");
  Require(list.rows[26][0] == " Bridge", "row 26 is the bridge row");
  const bool ordinarySize = std::fabs(table.ScaleLength) < 1e15;
  for (std::size_t k = 0; k < 27; ++k) {
    if (k == 25) continue;
    const auto& row = list.rows[k];
    const double step = k < 25 ? table.StepDistance[k] : BridgeRemainder(table);
    const double whole = k < 25 ? table.WholeDistance[k] : table.ScaleLength;
    if (ordinarySize) {
      Require(row[0].size() <= 7 && (k == 26 || row[0].size() == 3), "fret number width");
      Require(row[1].size() <= 7, "step column at most 7 characters");
      Require(row[2].size() <= 8, "whole column at most 8 characters");
    }
    RequireExponentKept(step, row[1]);
    RequireExponentKept(whole, row[2]);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const NumberReading reading = ReadNumber(text);
  const double reference = ReferenceReading(text);

  if (std::isinf(reference)) {
    Require(reading.overflow, "a number too large is reported as overflow");
    return 0;
  }
  Require(!reading.overflow, "only a number too large is reported as overflow");
  Require(reading.value == reference, "the reading agrees with strtod");
  Require(!std::signbit(reading.value) || reading.value != 0, "no negative zero");

  FretTable table;
  table.ScaleLength = reading.value;
  ComputeFrets(table);
  CheckFretList(table);
  Require(FretReportLines(table, ".").size() == 35, "the report has 35 lines");
  Require(FretReportLines(table, ",").size() == 35, "the report has 35 lines");
  return 0;
}
