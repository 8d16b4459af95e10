#pragma once

#include <array>
#include <vector>

#include "core/FretList.h"
#include "core/FretTable.h"
#include "tests/fakes/RecordingList.h"

namespace korvanel::test {

// The table of `scaleLength`, computed.
inline FretTable ComputedTable(double scaleLength) {
  FretTable table;
  table.ScaleLength = scaleLength;
  ComputeFrets(table);
  return table;
}

// The rows that the fret list of `scaleLength` is given, cell by cell: what a
// runtime's list must show.
inline std::vector<RecordingList::Row> FretListRows(double scaleLength) {
  FretTable table = ComputedTable(scaleLength);
  RecordingList list;
  FillFretList(table, list);
  return list.rows;
}

// The 27 rows of the fret list for a scale length of 650 mm, cell by cell,
// as the user must see them.
// clang-format off
inline constexpr std::array<std::array<const char*, 3>, 27> kFretRows650 = {{
    {"  0", "  0.000", "   0.000"}, {"  1", " 36.481", "  36.481"}, {"  2", " 34.434", "  70.915"},
    {"  3", " 32.501", " 103.417"}, {"  4", " 30.677", " 134.094"}, {"  5", " 28.955", " 163.050"},
    {"  6", " 27.330", " 190.380"}, {"  7", " 25.796", " 216.177"}, {"  8", " 24.348", " 240.525"},
    {"  9", " 22.982", " 263.507"}, {" 10", " 21.692", " 285.199"}, {" 11", " 20.474", " 305.674"},
    {" 12", " 19.325", " 325"},     {" 13", " 18.240", " 343.240"}, {" 14", " 17.217", " 360.457"},
    {" 15", " 16.250", " 376.708"}, {" 16", " 15.338", " 392.047"}, {" 17", " 14.477", " 406.525"},
    {" 18", " 13.665", " 420.190"}, {" 19", " 12.898", " 433.088"}, {" 20", " 12.174", " 445.262"},
    {" 21", " 11.491", " 456.753"}, {" 22", " 10.846", " 467.599"}, {" 23", " 10.237", " 477.837"},
    {" 24", "  9.662", " 487.5"},   {"", "", ""},                   {" Bridge", " 162.5", " 650"},
}};
// clang-format on

}  // namespace korvanel::test
