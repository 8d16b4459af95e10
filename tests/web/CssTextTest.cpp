#include "platform/web/CssText.h"

#include <gtest/gtest.h>

namespace korvanel::web {
namespace {

TEST(CssText, NumbersAreWrittenShortestToTheMillionth) {
  EXPECT_EQ(CssNumber(12), "12");
  EXPECT_EQ(CssNumber(0), "0");
  EXPECT_EQ(CssNumber(12.5), "12.5");
  EXPECT_EQ(CssNumber(8.25), "8.25");
  // A sign is kept where the whole part is 0.
  EXPECT_EQ(CssNumber(-0.5), "-0.5");
  EXPECT_EQ(CssNumber(-40), "-40");
  // Leading zeros of the fraction stay, trailing ones go.
  EXPECT_EQ(CssNumber(1.05), "1.05");
  EXPECT_EQ(CssNumber(0.7345624), "0.734562");
  EXPECT_EQ(CssNumber(0.9999996), "1");
  EXPECT_EQ(CssNumber(-0.0000004), "0");
}

TEST(CssText, ColoursAreSixLowerCaseHexDigits) {
  EXPECT_EQ(CssColor(0, 0, 0), "#000000");
  EXPECT_EQ(CssColor(255, 255, 255), "#ffffff");
  EXPECT_EQ(CssColor(0x1a, 0x2b, 0x3c), "#1a2b3c");
}

}  // namespace
}  // namespace korvanel::web
