// The 35 lines of the printed fret table, as text and heading style.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/FretTable.h"
#include "report/FretReport.h"
#include "tests/expected/FretTables.h"

namespace korvanel {
namespace {

using test::ComputedTable;

std::vector<std::string> Texts(const std::vector<ReportLine>& lines) {
  std::vector<std::string> texts;
  for (const ReportLine& line : lines) texts.push_back(line.text);
  return texts;
}

TEST(FretReportLines, ReportFor650IsTheExpectedPage) {
  const std::vector<std::string> expected = {
      "   Korvanel",
      "",
      "   Fret positions of an equal-tempered fingerboard, nut to fret 24",
      "",
      "",
      "   Scale Guitar Length  =  650 mm",
      "",
      "",
      "   Fret Number   | Distance from previous (mm)   | Whole Distance (mm)",
      "",
      "     0           |    0.000                      |     0.000",
      "     1           |   36.481                      |    36.481",
      "     2           |   34.434                      |    70.915",
      "     3           |   32.501                      |   103.417",
      "     4           |   30.677                      |   134.094",
      "     5           |   28.955                      |   163.050",
      "     6           |   27.330                      |   190.380",
      "     7           |   25.796                      |   216.177",
      "     8           |   24.348                      |   240.525",
      "     9           |   22.982                      |   263.507",
      "    10           |   21.692                      |   285.199",
      "    11           |   20.474                      |   305.674",
      "    12           |   19.325                      |   325",
      "    13           |   18.240                      |   343.240",
      "    14           |   17.217                      |   360.457",
      "    15           |   16.250                      |   376.708",
      "    16           |   15.338                      |   392.047",
      "    17           |   14.477                      |   406.525",
      "    18           |   13.665                      |   420.190",
      "    19           |   12.898                      |   433.088",
      "    20           |   12.174                      |   445.262",
      "    21           |   11.491                      |   456.753",
      "    22           |   10.846                      |   467.599",
      "    23           |   10.237                      |   477.837",
      "    24           |    9.662                      |   487.5",
  };
  EXPECT_EQ(Texts(FretReportLines(ComputedTable(650), ".")), expected);
}

TEST(FretReportLines, TableBeforeAnyComputationPrintsZeros) {
  const FretTable table;
  const std::vector<ReportLine> lines = FretReportLines(table, ".");
  ASSERT_EQ(lines.size(), kReportLineCount);
  EXPECT_EQ(lines[5].text, "   Scale Guitar Length  =  0 mm");
  EXPECT_EQ(lines[10].text, "     0           |    0.000                      |     0.000");
  EXPECT_EQ(lines[22].text, "    12           |    0.000                      |     0.000");
  EXPECT_EQ(lines[34].text, "    24           |    0.000                      |     0.000");
}

TEST(FretReportLines, ScaleLengthFollowsTheUserSeparatorButDistancesKeepThePoint) {
  const FretTable table = ComputedTable(647.7);
  // U+066B, the Arabic decimal separator, is two bytes in UTF-8.
  for (const std::string separator : {".", ",", "\u066B"}) {
    SCOPED_TRACE(separator);
    const std::vector<ReportLine> lines = FretReportLines(table, separator);
    EXPECT_EQ(lines[5].text, "   Scale Guitar Length  =  647" + separator + "7 mm");
    EXPECT_EQ(lines[11].text, "     1           |   36.352                      |    36.352");
    EXPECT_EQ(lines[22].text, "    12           |   19.257                      |   323.85");
    EXPECT_EQ(lines[34].text, "    24           |    9.628                      |   485.775");
  }
}

TEST(FretReportLines, HeadingStyleOnlyForTheFirstFiveLines) {
  const std::vector<ReportLine> lines = FretReportLines(ComputedTable(650), ".");
  ASSERT_EQ(lines.size(), kReportLineCount);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].heading, i < 5) << "line " << i + 1;
  }
}

}  // namespace
}  // namespace korvanel
