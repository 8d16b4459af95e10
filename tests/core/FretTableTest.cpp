#include "core/FretTable.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "tests/expected/FretTables.h"

namespace korvanel {
namespace {

using test::ComputedTable;

TEST(FretTableTest, StartsAllZero) {
  const FretTable table;
  EXPECT_EQ(table.FretIndex, 0);
  EXPECT_EQ(table.ScaleLength, 0);
  EXPECT_EQ(table.RatioSum, 0);
  EXPECT_EQ(table.FirstStep, 0);
  for (int k = 0; k <= kFretCount; ++k) {
    EXPECT_EQ(table.StepDistance[k], 0);
    EXPECT_EQ(table.WholeDistance[k], 0);
  }
}

// The reference figures are written to 16 significant digits.
std::string SixteenDigits(double value) {
  std::array<char, 32> text{};
  std::snprintf(text.data(), text.size(), "%.16g", value);
  return text.data();
}

TEST(FretTableTest, ReferenceFiguresFor650) {
  const FretTable table = ComputedTable(650);
  EXPECT_EQ(table.RatioSum, 8.908576872552885);
  EXPECT_EQ(table.FirstStep, 36.48169675689922);
  EXPECT_EQ(table.StepDistance[1], table.FirstStep);
  EXPECT_EQ(SixteenDigits(table.StepDistance[2]), "34.43413645188021");
  EXPECT_NEAR(table.StepDistance[24], 9.662753, 1e-6);
  EXPECT_NEAR(table.WholeDistance[12], 325, 1e-9);
  EXPECT_NEAR(table.WholeDistance[24], 487.5, 1e-9);
  EXPECT_NEAR(BridgeRemainder(table), 162.5, 1e-9);
}

TEST(FretTableTest, NutIsAtZeroAndCounterEndsAt25) {
  const FretTable table = ComputedTable(650);
  EXPECT_EQ(table.StepDistance[0], 0);
  EXPECT_EQ(table.WholeDistance[0], 0);
  EXPECT_EQ(table.FretIndex, 25);
}

TEST(FretTableTest, ZeroLengthGivesZeroTable) {
  const FretTable table = ComputedTable(0);
  for (int k = 0; k <= kFretCount; ++k) {
    EXPECT_EQ(table.StepDistance[k], 0) << "fret " << k;
    EXPECT_EQ(table.WholeDistance[k], 0) << "fret " << k;
  }
  EXPECT_EQ(BridgeRemainder(table), 0);
}

TEST(FretTableTest, NegativeLengthGivesNegativeDistances) {
  const FretTable table = ComputedTable(-650);
  EXPECT_EQ(table.FirstStep, -36.48169675689922);
  EXPECT_NEAR(table.WholeDistance[24], -487.5, 1e-9);
}

TEST(FretTableTest, RecomputingGivesTheSameTable) {
  FretTable table = ComputedTable(637.3);
  const FretTable first = table;
  ComputeFrets(table);
  EXPECT_EQ(table.StepDistance, first.StepDistance);
  EXPECT_EQ(table.WholeDistance, first.WholeDistance);
}

TEST(FretTableTest, NonFiniteLengthIsRefused) {
  FretTable table;
  table.ScaleLength = INFINITY;
  EXPECT_THROW(ComputeFrets(table), std::domain_error);
  table.ScaleLength = NAN;
  EXPECT_THROW(ComputeFrets(table), std::domain_error);
}

TEST(FretTableTest, HugeFiniteLengthStaysFinite) {
  const FretTable table = ComputedTable(1.7976931348623157e308);
  for (int k = 0; k <= kFretCount; ++k) EXPECT_TRUE(std::isfinite(table.WholeDistance[k]));
}

class OfferedLengthTest : public ::testing::TestWithParam<int> {};

TEST_P(OfferedLengthTest, TwelfthFretHalvesTheString) {
  const double length = GetParam();
  const FretTable table = ComputedTable(length);
  EXPECT_NEAR(table.WholeDistance[12], length / 2, 1e-9);
  EXPECT_NEAR(table.WholeDistance[24], length * 3 / 4, 1e-9);
}

TEST_P(OfferedLengthTest, DistanceFromNutIsTheRunningSumBitForBit) {
  const FretTable table = ComputedTable(GetParam());
  for (int k = 1; k <= kFretCount; ++k) {
    EXPECT_EQ(table.WholeDistance[k], table.WholeDistance[k - 1] + table.StepDistance[k])
        << "fret " << k;
  }
}

TEST_P(OfferedLengthTest, EachStepIsASemitoneShorter) {
  const FretTable table = ComputedTable(GetParam());
  for (int k = 1; k < kFretCount; ++k) {
    EXPECT_NEAR(table.StepDistance[k] / table.StepDistance[k + 1], 1.0594630943592953, 1e-12);
  }
}

TEST_P(OfferedLengthTest, DoublingTheLengthDoublesEveryDistance) {
  const FretTable single = ComputedTable(GetParam());
  const FretTable twice = ComputedTable(2.0 * GetParam());
  for (int k = 0; k <= kFretCount; ++k) {
    EXPECT_EQ(twice.StepDistance[k], 2 * single.StepDistance[k]) << "fret " << k;
    EXPECT_EQ(twice.WholeDistance[k], 2 * single.WholeDistance[k]) << "fret " << k;
  }
}

INSTANTIATE_TEST_SUITE_P(FifteenLengths, OfferedLengthTest, ::testing::Range(600, 671, 5));

}  // namespace
}  // namespace korvanel
