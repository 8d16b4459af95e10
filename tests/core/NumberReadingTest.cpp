#include "core/NumberReading.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <iomanip>
#include <locale>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "CommaLocale.h"
#include "ResultHash.h"

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

TEST(ReadNumberTest, TellsATextWithoutANumberFromZero) {
  for (const char* text : {"", "abc", ".", "-", "e5", "--5", "mm 650", " \t\n"}) {
    EXPECT_FALSE(ReadNumber(text).found) << "'" << text << "'";
  }
  for (const char* text :
       {"0", "-0", "0.000e400", "650 mm", ".5", "5.", "12e", "1E400", "1E-400"}) {
    EXPECT_TRUE(ReadNumber(text).found) << "'" << text << "'";
  }
}

TEST(ReadNumberTest, NegativeZeroReadsAsPlainZero) {
  EXPECT_FALSE(std::signbit(Read("-0")));
  EXPECT_FALSE(std::signbit(Read("-0.0e5")));
}

TEST(ReadNumberTest, PointWhateverTheLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (!test::UseCommaLocale()) GTEST_SKIP() << "no German locale (de_DE.UTF-8)";
  EXPECT_EQ(Read("647.7"), 647.7);
  EXPECT_EQ(Read("2.5e-320"), 2.5e-320);
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(ReadNumberTest, TooLargeIsReportedAsOverflow) {
  const std::string texts[] = {
      "1E400", "-1e400", "1.8e308", std::string(400, '9'), "1e99999999999999999999999", "0.01e312"};
  for (const std::string& text : texts) {
    const NumberReading reading = ReadNumber(text);
    EXPECT_TRUE(reading.overflow) << "'" << text.substr(0, 40) << "'";
  }
  // Past halfway from DBL_MAX to the next power of two, which is infinity.
  EXPECT_TRUE(ReadNumber("1.7976931348623159e308").overflow);
}

TEST(ReadNumberTest, TooSmallReadsAsZeroOrTinyNeverAnError) {
  EXPECT_EQ(Read("1E-400"), 0);
  EXPECT_EQ(Read("-1e-99999999999999999999"), 0);
  EXPECT_EQ(Read("0e99999"), 0);
  EXPECT_EQ(Read("0.000e400"), 0);
  EXPECT_EQ(Read("1000e-310"), 1e-307);
}

TEST(ReadNumberTest, VeryLongDigitStrings) {
  EXPECT_EQ(Read(std::string(300, '9')), 1e300);
  EXPECT_EQ(Read("0." + std::string(5000, '0') + "1e5001"), 1);
  EXPECT_EQ(Read(std::string(10000, '0') + "650"), 650);
  // A string first: g++ 12 sees a false overlap (-Wrestrict) in "1" + string.
  EXPECT_EQ(Read(std::string("1") + std::string(300, '0') + "e-300"), 1);
}

// Hard roundings, and the seeds of the fuzzer.
TEST(ReadNumberTest, NearestDoubleInHardCases) {
  const struct {
    std::string text;
    double value;
  } cases[] = {
      {"9007199254740993", 9007199254740992},  // halfway: to the even one
      {"9007199254740993.00000000000000000001", 9007199254740994},
      {"1.00000000000000011102230246251565404236316680908203125", 1},
      {"1.00000000000000011102230246251565404236316680908203126", 1 + 0x1p-52},
      {"2.2250738585072011e-308", 0x0.fffffffffffffp-1022},
      {"2.4703282292062327e-324", 0},
      {"2.4703282292062328e-324", 0x1p-1074},
      {"1e-310", 1e-310},
      {"1.7976931348623157e308", DBL_MAX},
      {"1.7976931348623158e308", DBL_MAX},
      {"999999999999999.5", 999999999999999.5},
      {"+.5e+3", 500},
      {"0." + std::string(2000, '0') + "1e2001", 1},
  };
  for (const auto& [text, value] : cases) EXPECT_EQ(Read(text), value) << text.substr(0, 60);
}

// The text with a blank, a tab or a line feed before each character.
std::string Spaced(std::string_view text) {
  std::string spaced;
  for (std::size_t i = 0; i < text.size(); ++i) {
    spaced += " \t\n"[i % 3];
    spaced += text[i];
  }
  return spaced + ' ';
}

// Every tenth up to 503.4, typed the ways lengths are typed: each reads as
// the double nearest to n / 10, which the division gives exactly.
TEST(ReadNumberTest, EveryTenthAsTheNearestDouble) {
  for (int n = 0; n <= 5034; ++n) {
    const std::string tenths = std::to_string(n);
    const std::string point = std::to_string(n / 10) + "." + std::to_string(n % 10);
    const double nearest = n / 10.0;
    for (const std::string& text :
         {point, "+" + point + " mm", "00" + point + "00", Spaced(point), "\t" + point + "\n",
          tenths + "e-1", tenths + "00E-3", "0.0" + tenths + "e" + std::to_string(tenths.size())}) {
      ASSERT_EQ(Read(text), nearest) << "'" << text << "'";
    }
    ASSERT_EQ(Read("-" + point), -nearest) << point;
    ASSERT_EQ(Read(std::to_string(n / 10) + "," + std::to_string(n % 10)), n / 10) << point;
  }
}

// Any double written with the 17 digits that name it reads back as itself,
// subnormals included.
TEST(ReadNumberTest, AnyDoubleReadsBackFromItsSeventeenDigits) {
  std::mt19937_64 random(20261208);
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text << std::scientific << std::setprecision(16);
  for (int i = 0; i < 100'000; ++i) {
    const double value = test::FromBits(i % 4 == 0 ? random() >> 12 : random());
    if (!std::isfinite(value)) continue;
    text.str("");
    text << value;
    ASSERT_EQ(Read(text.str()), value) << text.str();
  }
}

std::string Digits(std::mt19937_64& random, std::uint64_t count) {
  std::string digits;
  while (digits.size() < count) digits += static_cast<char>('0' + random() % 10);
  return digits;
}

// Texts with no simple rule for their double: long digit strings at any
// exponent, integers halfway between two doubles, the edges of underflow
// and overflow. Their results are recorded from the reading as it was with
// std::from_chars.
TEST(ReadNumberTest, HardTextsReadAsRecorded) {
  // One draw a statement: every compiler must draw in the same order.
  using Random = std::mt19937_64;
  const struct {
    const char* family;
    std::uint64_t recorded;
    std::string (*text)(Random&);
  } families[] = {
      {"long digit strings", 0x47138D1A7984B1FC,
       [](Random& random) {
         const std::uint64_t longest = random() % 50 == 0 ? 1000 : 30;
         std::string text = Digits(random, 1 + random() % longest);
         const auto point = static_cast<std::ptrdiff_t>(random() % (text.size() + 1));
         text.insert(text.begin() + point, '.');
         return text + "e" + std::to_string(static_cast<int>(random() % 761) - 400);
       }},
      {"halfway integers", 0x6FA9B0429E251837,
       [](Random& random) {
         const std::string halfway = std::to_string(((random() | 1ULL << 63) & ~0x7FFULL) | 0x400);
         const char* tails[] = {"", ".000000000000000000001", "000e-3", "e0"};
         return halfway + tails[random() % 4];
       }},
      {"edge of overflow", 0x1B2D4DDD63BEC012,
       [](Random& random) {
         return "1.797693134862315" + Digits(random, 1 + random() % 20) + "e308";
       }},
      {"edge of underflow", 0x70E8911CCD735F22,
       [](Random& random) {
         const std::string digits = Digits(random, 1 + random() % 25);
         return digits + "e-" + std::to_string(320 + random() % 30);
       }},
  };
  Random random(650);
  for (const auto& [family, recorded, text] : families) {
    test::ResultHash hash;
    for (int i = 0; i < 20'000; ++i) {
      const std::string plain = text(random);
      const NumberReading reading = ReadNumber(plain);
      const NumberReading spaced = ReadNumber(Spaced(plain));
      ASSERT_TRUE(spaced.value == reading.value && spaced.overflow == reading.overflow) << plain;
      hash.Add(&reading.value, sizeof reading.value);
      hash.Add(&reading.overflow, sizeof reading.overflow);
    }
    EXPECT_EQ(hash.value, recorded)
        << "the readings of the " << family << " are not those recorded: now " << std::hex
        << std::showbase << hash.value;
  }
}

}  // namespace
}  // namespace korvanel
