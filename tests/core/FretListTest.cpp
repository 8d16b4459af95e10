#include "core/FretList.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/NumberReading.h"
#include "platform/ControlError.h"
#include "tests/expected/FretTables.h"
#include "tests/fakes/RecordingList.h"

namespace korvanel {
namespace {

using test::ComputedTable;
using test::RecordingList;
using Rows = std::vector<RecordingList::Row>;

void ExpectRows(const Rows& actual, const Rows& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t row = 0; row < expected.size(); ++row) {
    for (std::size_t cell = 0; cell < 3; ++cell) {
      EXPECT_EQ(actual[row][cell], expected[row][cell]) << "row " << row << ", column " << cell;
    }
  }
}

TEST(FillFretListTest, ScaleLength650) {
  Rows expected;
  for (const auto& row : test::kFretRows650) expected.push_back({row[0], row[1], row[2]});
  ExpectRows(test::FretListRows(650), expected);
}

// A typed length: the bridge remainder 161.924999... is cut, not rounded.
TEST(FillFretListTest, TypedScaleLength647Point7) {
  // clang-format off
  ExpectRows(test::FretListRows(ReadNumber("647.7").value), {
{"  0", "  0.000", "   0.000"}, {"  1", " 36.352", "  36.352"}, {"  2", " 34.312", "  70.664"},
{"  3", " 32.386", " 103.051"}, {"  4", " 30.568", " 133.620"}, {"  5", " 28.853", " 162.473"},
{"  6", " 27.233", " 189.706"}, {"  7", " 25.705", " 215.412"}, {"  8", " 24.262", " 239.674"},
{"  9", " 22.900", " 262.575"}, {" 10", " 21.615", " 284.190"}, {" 11", " 20.402", " 304.592"},
{" 12", " 19.257", " 323.85"}, {" 13", " 18.176", " 342.026"}, {" 14", " 17.156", " 359.182"},
{" 15", " 16.193", " 375.375"}, {" 16", " 15.284", " 390.660"}, {" 17", " 14.426", " 405.086"},
{" 18", " 13.616", " 418.703"}, {" 19", " 12.852", " 431.556"}, {" 20", " 12.131", " 443.687"},
{" 21", " 11.450", " 455.137"}, {" 22", " 10.807", " 465.945"}, {" 23", " 10.201", " 476.146"},
{" 24", "  9.628", " 485.775"}, {"", "", ""}, {" Bridge", " 161.92", " 647.7"},
  });
  // clang-format on
}

TEST(FillFretListTest, ZeroLengthListsZeroTexts) {
  Rows expected;
  for (const char* fret :
       {"  0", "  1", "  2", "  3", "  4", "  5", "  6", "  7", "  8", "  9", " 10", " 11", " 12",
        " 13", " 14", " 15", " 16", " 17", " 18", " 19", " 20", " 21", " 22", " 23", " 24"}) {
    expected.push_back({fret, "  0.000", "   0.000"});
  }
  expected.push_back({"", "", ""});
  expected.push_back({" Bridge", "  0.000", "   0.000"});
  ExpectRows(test::FretListRows(0), expected);
}

TEST(FillFretListTest, FillingTwiceReplacesTheRows) {
  FretTable table = ComputedTable(650);
  RecordingList list;
  FillFretList(table, list);
  FillFretList(table, list);
  EXPECT_EQ(list.rows.size(), 27u);
  EXPECT_EQ(table.FretIndex, 25);
}

TEST(FillFretListTest, FailingListStopsTheFillAndKeepsEarlierRows) {
  FretTable table = ComputedTable(650);
  RecordingList list;
  // Operation 1 empties the list; each fret row takes three more, so the
  // 11th operation adds the row of fret 3.
  list.FailAtOperation(11);
  EXPECT_THROW(FillFretList(table, list), ControlError);
  ASSERT_EQ(list.rows.size(), 3u);
  EXPECT_EQ(list.rows[2][0], "  2");
  EXPECT_EQ(list.rows[2][2], "  70.915");
  EXPECT_EQ(table.FretIndex, 3);
}

}  // namespace
}  // namespace korvanel
