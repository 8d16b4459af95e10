#include "core/modPublico.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <locale>
#include <random>
#include <sstream>
#include <string>

#include "CommaLocale.h"
#include "ResultHash.h"

namespace korvanel {
namespace {

TEST(BasicStrTest, SignPositionThenShortestDigits) {
  EXPECT_EQ(BasicStr(7), " 7");
  EXPECT_EQ(BasicStr(24), " 24");
  EXPECT_EQ(BasicStr(0), " 0");
  EXPECT_EQ(BasicStr(-0.0), " 0");
  EXPECT_EQ(BasicStr(0.5), " .5");
  EXPECT_EQ(BasicStr(-0.5), "-.5");
  EXPECT_EQ(BasicStr(36.48169675689922), " 36.4816967568992");
  EXPECT_EQ(BasicStr(324.9999999999999), " 325");
  EXPECT_EQ(BasicStr(487.4999999999998), " 487.5");
}

TEST(BasicStrTest, ExponentBeyondFifteenDigitsAndBelowTenThousandth) {
  EXPECT_EQ(BasicStr(999999999999999), " 999999999999999");
  EXPECT_EQ(BasicStr(1e15), " 1E+15");
  EXPECT_EQ(BasicStr(-1.5e20), "-1.5E+20");
  EXPECT_EQ(BasicStr(0.0001), " .0001");
  EXPECT_EQ(BasicStr(0.00001), " 1E-05");
  EXPECT_EQ(BasicStr(1.7976931348623157e308), " 1.79769313486232E+308");
}

// The library's general conversion to 15 digits, printf's "%.15g" in the
// classic locale, written the BasicStr way.
std::string ReferenceBasicStr(double value) {
  std::ostringstream stream;
  stream.imbue(std::locale::classic());
  stream << std::setprecision(15) << std::fabs(value);
  std::string text = stream.str();
  if (text.size() > 1 && text[0] == '0' && text[1] == '.') text.erase(0, 1);
  for (char& c : text) c = c == 'e' ? 'E' : c;
  return (value < 0 ? "-" : " ") + text;
}

TEST(BasicStrTest, AgreesWithTheLibraryConversionAtTheEdges) {
  // Rounding that crosses into or out of exponent notation, and ties.
  for (double edge : {1e-4, 0.000099999999999999995, 0.00009999999999999999, 999999999999999.4,
                      999999999999999.5, 99999999999999.95, 0.5, 2.5e-4, 1.0000000000000005,
                      9.9999999999999995, 123456789012345.6, 4503599627370495.5}) {
    EXPECT_EQ(BasicStr(edge), ReferenceBasicStr(edge)) << edge;
    EXPECT_EQ(BasicStr(std::nextafter(edge, 0)), ReferenceBasicStr(std::nextafter(edge, 0)));
    EXPECT_EQ(BasicStr(std::nextafter(edge, 1e300)),
              ReferenceBasicStr(std::nextafter(edge, 1e300)));
  }
}

TEST(FormatFretNumberTest, RightAlignedInThree) {
  EXPECT_EQ(FormatFretNumber(0), "  0");
  EXPECT_EQ(FormatFretNumber(9), "  9");
  EXPECT_EQ(FormatFretNumber(10), " 10");
  EXPECT_EQ(FormatFretNumber(24), " 24");
}

TEST(FormatStepDistanceTest, AlignedAndCutAtThreeDecimals) {
  EXPECT_EQ(FormatStepDistance(0), "  0.000");
  EXPECT_EQ(FormatStepDistance(36.48169675689922), " 36.481");
  EXPECT_EQ(FormatStepDistance(9.662752833385472), "  9.662");
  EXPECT_EQ(FormatStepDistance(162.50000000000023), " 162.5");
  EXPECT_EQ(FormatStepDistance(0.5), " .5");
}

TEST(FormatStepDistanceTest, CutNotRounded) {
  EXPECT_EQ(FormatStepDistance(21.6921466), " 21.692");
  EXPECT_EQ(FormatStepDistance(21.6999999), " 21.699");
}

TEST(FormatStepDistanceTest, NegativeValueHasNoExtraBlank) {
  EXPECT_EQ(FormatStepDistance(-36.48169675689922), "-36.481");
  EXPECT_EQ(FormatStepDistance(-0.0), "  0.000");
}

TEST(FormatWholeDistanceTest, AlignedAndCutAtThreeDecimals) {
  EXPECT_EQ(FormatWholeDistance(0), "   0.000");
  EXPECT_EQ(FormatWholeDistance(36.48169675689922), "  36.481");
  EXPECT_EQ(FormatWholeDistance(103.41733008508552), " 103.417");
  EXPECT_EQ(FormatWholeDistance(324.9999999999999), " 325");
  EXPECT_EQ(FormatWholeDistance(650), " 650");
  EXPECT_EQ(FormatWholeDistance(-36.48169675689922), " -36.481");
}

TEST(FormatWholeDistanceTest, OneDigitValueIsNotAligned) {
  EXPECT_EQ(FormatWholeDistance(9.662752833385472), " 9.66275");
}

// A cut to the column width must never drop an exponent: " 1.79769" for
// 1.8E+308 would read as a plausible, wrong distance.
TEST(ExponentTextTest, KeepsTheExponentAndCutsTheMantissa) {
  EXPECT_EQ(FormatStepDistance(1.7976931348623157e308), " 1E+308");
  EXPECT_EQ(FormatWholeDistance(1.7976931348623157e308), " 1E+308");
  EXPECT_EQ(FormatStepDistance(-1.7976931348623157e308), "-1E+308");
  EXPECT_EQ(FormatStepDistance(2.5e15), " 2E+15");
  EXPECT_EQ(FormatWholeDistance(2.5e15), " 2.5E+15");
  EXPECT_EQ(FormatStepDistance(2.56e15), " 2E+15");
  EXPECT_EQ(FormatWholeDistance(2.56e15), " 2.5E+15");
  EXPECT_EQ(FormatStepDistance(5.6125e-12), " 5E-12");
  EXPECT_EQ(FormatWholeDistance(5.6125e-12), " 5.6E-12");
  EXPECT_EQ(FormatStepDistance(1e-5), " 1E-05");
}

TEST(ExponentTextTest, EveryColumnWidthHoldsForTinyAndHugeValues) {
  for (double magnitude = 1e-300; magnitude < 1e300; magnitude *= 7.3) {
    for (double value : {magnitude, -magnitude}) {
      EXPECT_LE(FormatStepDistance(value).size(), 7u) << value;
      EXPECT_LE(FormatWholeDistance(value).size(), 8u) << value;
    }
  }
}

TEST(LocaleTest, PointWhateverTheProcessLocale) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (!test::UseCommaLocale()) {
    GTEST_SKIP() << "de_DE.UTF-8 is not installed; scripts/install-deps.sh generates it";
  }
  EXPECT_EQ(FormatStepDistance(36.48169675689922), " 36.481");
  EXPECT_EQ(FormatWholeDistance(103.41733008508552), " 103.417");
  EXPECT_EQ(BasicStr(0.5), " .5");
  EXPECT_EQ(BasicStr(-2.5e-20), "-2.5E-20");
  std::setlocale(LC_ALL, saved.c_str());
}

TEST(NumberTextTest, NoSignPositionAndTheGivenSeparator) {
  EXPECT_EQ(NumberText(650, "."), "650");
  EXPECT_EQ(NumberText(0, "."), "0");
  EXPECT_EQ(NumberText(-0.0, "."), "0");
  EXPECT_EQ(NumberText(647.7, "."), "647.7");
  EXPECT_EQ(NumberText(647.7, ","), "647,7");
  EXPECT_EQ(NumberText(-12.5, ","), "-12,5");
  EXPECT_EQ(NumberText(0.5, "."), "0.5");
  EXPECT_EQ(NumberText(1.0 / 3, "."), "0.333333333333333");
  EXPECT_EQ(NumberText(2.5e20, ","), "2,5E+20");
  EXPECT_EQ(NumberText(647.7, "\u066B"), "647\u066B7");
  EXPECT_EQ(NumberText(650, "\u066B"), "650");
}

// Any double from `low` to below `high`, each alike: spread evenly over the
// powers of two.
double Between(std::mt19937_64& random, double low, double high) {
  std::uint64_t lowBits = 0, highBits = 0;
  std::memcpy(&lowBits, &low, sizeof low);
  std::memcpy(&highBits, &high, sizeof high);
  return test::FromBits(lowBits + random() % (highBits - lowBits));
}

// The four texts of each value agree with the library's conversion where
// BasicStr converts by itself, and are as recorded from the texts as they
// were with std::to_chars.
TEST(NumberTextsTest, AsRecordedAndAsTheLibraryConverts) {
  // One draw a statement: every compiler must draw in the same order.
  using Random = std::mt19937_64;
  const struct {
    const char* family;
    std::uint64_t recorded;
    int count;
    double (*value)(Random&, int);
  } families[] = {
      // Lengths in tenths up to 503.4, and steps and sums like those of
      // their frets.
      {"fret distances", 0x6895D0319B5FDE63, 5035 * 51,
       [](Random&, int i) {
         double step = i / 51 / 10.0, whole = 0;
         for (int fret = 0; fret < i % 51 / 2; ++fret) {
           step /= 1.0594630943592953;
           whole += step;
         }
         return i % 51 % 2 == 0 ? step : whole;
       }},
      {"any doubles", 0x7CD220CADFFD2D3D, 200'000,
       [](Random& random, int) { return test::FromBits(random()); }},
      {"ordinary sizes", 0x33BA083A13486BC1, 200'000,
       [](Random& random, int) { return Between(random, 1e-6, 1e16); }},
      {"exponent range", 0xE8FB76E2108C63F2, 100'000,
       [](Random& random, int i) {
         return i % 2 == 0 ? Between(random, 0x1p-1074, 1e-4) : Between(random, 1e15, DBL_MAX);
       }},
      // Ties at the sixteenth digit, rounded to the even fifteenth.
      {"ties", 0xDC4EE959DE861603, 100'000,
       [](Random& random, int i) {
         const auto q = static_cast<double>(100'000'000'000'000 + random() % 40'000'000'000'000);
         const double dyadic = std::ldexp(static_cast<double>(random() % (1 << 24)), -(i % 70));
         const double ties[] = {q + 0.5, q * 10 + 5, q * 100 + 50, dyadic};
         return ties[i % 4];
       }},
  };
  Random random(20261208);
  for (const auto& [family, recorded, count, value] : families) {
    test::ResultHash hash;
    for (int i = 0; i < count; ++i) {
      const double x = value(random, i);
      if (!std::isfinite(x)) continue;
      const std::string basic = BasicStr(x);
      if (std::fabs(x) >= 1e-4 && std::fabs(x) < 1e15) {
        ASSERT_EQ(basic, ReferenceBasicStr(x)) << family << ": " << std::setprecision(17) << x;
      }
      for (const std::string& text :
           {basic, FormatStepDistance(x), FormatWholeDistance(x), NumberText(x, ",")}) {
        hash.Add(text.c_str(), text.size() + 1);  // the closing '\0' ends each text
      }
    }
    EXPECT_EQ(hash.value, recorded)
        << "the texts of the " << family << " are not those recorded: now " << std::hex
        << std::showbase << hash.value;
  }
}

}  // namespace
}  // namespace korvanel
