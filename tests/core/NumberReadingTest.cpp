#include "core/NumberReading.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "CommaLocale.h"

namespace korvanel {
namespace {

double Read(const std::string& text) {
  const NumberReading reading = ReadNumber(text);
  EXPECT_FALSE(reading.overflow) << "'" << text << "'";
  return reading.value;
}

TEST(ReadNumberTest, PickedAndTypedLengths) {
  EXPECT_EQ(Read("650"), 650);
  EXPECT_EQ(Read("647.7"), 647.7);
  EXPECT_EQ(Read("650 mm"), 650);
  EXPECT_EQ(Read(".5"), 0.5);
  EXPECT_EQ(Read("5."), 5);
  EXPECT_EQ(Read("+600"), 600);
}

TEST(ReadNumberTest, BlanksTabsAndLineFeedsAreSkippedAnywhere) {
  EXPECT_EQ(Read(" 6 5 0 "), 650);
  EXPECT_EQ(Read("\t6\n4 7 . 7"), 647.7);
  EXPECT_EQ(Read("- 1 2"), -12);
  EXPECT_EQ(Read("1 e 2"), 100);
}

TEST(ReadNumberTest, StopsAtTheFirstCharacterThatCannotContinue) {
  EXPECT_EQ(Read("-12.5e1x"), -125);
  EXPECT_EQ(Read("650,5"), 650);
  EXPECT_EQ(Read("1.2.3"), 1.2);
  EXPECT_EQ(Read("12e"), 12);
  EXPECT_EQ(Read("12e+"), 12);
  EXPECT_EQ(Read("6\r50"), 6);
}

TEST(ReadNumberTest, NoLeadingNumberGivesZero) {
  EXPECT_EQ(Read(""), 0);
  EXPECT_EQ(Read("abc"), 0);
  EXPECT_EQ(Read("."), 0);
  EXPECT_EQ(Read("-"), 0);
  EXPECT_EQ(Read("e5"), 0);
  EXPECT_EQ(Read("--5"), 0);
  EXPECT_EQ(Read("mm 650"), 0);
}

TEST(ReadNumberTest, NegativeZeroReadsAsPlainZero) {
  EXPECT_FALSE(std::signbit(Read("-0")));
  EXPECT_FALSE(std::signbit(Read("-0.0e5")));
}

TEST(ReadNumberTest, PointWhateverTheLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (!testing::UseCommaLocale()) GTEST_SKIP() << "no German locale (de_DE.UTF-8)";
  EXPECT_EQ(Read("647.7"), 647.7);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(ReadNumberTest, TooLargeIsReportedAsOverflow) {
  const std::string texts[] = {
      "1E400", "-1e400", "1.8e308", std::string(400, '9'), "1e99999999999999999999999", "0.01e312"};
  for (const std::string& text : texts) {
    const NumberReading reading = ReadNumber(text);
    EXPECT_TRUE(reading.overflow) << "'" << text.substr(0, 40) << "'";
  }
}

TEST(ReadNumberTest, TooSmallReadsAsZeroOrTinyNeverAnError) {
  EXPECT_LT(Read("1E-400"), 1e-300);
  EXPECT_EQ(Read("-1e-99999999999999999999"), 0);
  EXPECT_EQ(Read("0e99999"), 0);
  EXPECT_EQ(Read("0.000e400"), 0);
  EXPECT_EQ(Read("1000e-310"), 1e-307);
}

TEST(ReadNumberTest, VeryLongDigitStrings) {
  EXPECT_EQ(Read(std::string(300, '9')), 1e300);
  EXPECT_EQ(Read("0." + std::string(5000, '0') + "1e5001"), 1);
  EXPECT_EQ(Read(std::string(10000, '0') + "650"), 650);
  EXPECT_EQ(Read("1" + std::string(300, '0') + "e-300"), 1);
}

}  // namespace
}  // namespace korvanel
