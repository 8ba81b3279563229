#include "base/number_format.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(NumberFormat, LenientNumberTakesTheLeadingDecimalNumber) {
  EXPECT_DOUBLE_EQ(LenientNumber(u"  12.5abc"), 12.5);
  EXPECT_DOUBLE_EQ(LenientNumber(u"-3e2x"), -300.0);
  EXPECT_DOUBLE_EQ(LenientNumber(u" 1 2 "), 12.0);  // blanks anywhere are ignored
  EXPECT_DOUBLE_EQ(LenientNumber(u"+7"), 7.0);
  EXPECT_DOUBLE_EQ(LenientNumber(u".5"), 0.5);
  EXPECT_DOUBLE_EQ(LenientNumber(u"5."), 5.0);
  EXPECT_DOUBLE_EQ(LenientNumber(u"1e"), 1.0);    // an exponent needs a digit
  EXPECT_DOUBLE_EQ(LenientNumber(u"2E-1"), 0.2);
  EXPECT_DOUBLE_EQ(LenientNumber(u"abc"), 0.0);
  EXPECT_DOUBLE_EQ(LenientNumber(u""), 0.0);
  EXPECT_DOUBLE_EQ(LenientNumber(u"-"), 0.0);
  EXPECT_DOUBLE_EQ(LenientNumber(u"12abc"), 12.0);
  EXPECT_DOUBLE_EQ(LenientNumber(u"３"), 0.0);  // full-width digits are not decimal digits here
  EXPECT_TRUE(std::isinf(LenientNumber(u"1e400")));
  EXPECT_TRUE(StartsWithNumber(u" -0.5"));
  EXPECT_FALSE(StartsWithNumber(u"abc"));
  EXPECT_FALSE(StartsWithNumber(u"."));
}

TEST(NumberFormat, RoundingTo16BitsIsHalfToEvenAndReportsOverflow) {
  EXPECT_EQ(RoundToInt16(0.5), 0);
  EXPECT_EQ(RoundToInt16(1.5), 2);
  EXPECT_EQ(RoundToInt16(2.5), 2);
  EXPECT_EQ(RoundToInt16(-2.5), -2);
  EXPECT_EQ(RoundToInt16(-3.5), -4);
  EXPECT_EQ(RoundToInt16(2.6), 3);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
  EXPECT_FALSE(RoundToInt16(32767.5).has_value());
  EXPECT_FALSE(RoundToInt16(-32769.0).has_value());
  EXPECT_FALSE(RoundToInt16(NAN).has_value());
  EXPECT_FALSE(RoundToInt16(INFINITY).has_value());
}

TEST(NumberFormat, FloatsAreWrittenInTheirShortestTextOfSevenDigitsAtMost) {
  EXPECT_EQ(ShortestFloatText(0.0f), "0");
  EXPECT_EQ(ShortestFloatText(-0.0f), "0");
  EXPECT_EQ(ShortestFloatText(100.0f), "100");
  EXPECT_EQ(ShortestFloatText(-35.0f), "-35");
  EXPECT_EQ(ShortestFloatText(0.1f), "0.1");
  EXPECT_EQ(ShortestFloatText(-0.25f), "-0.25");
  EXPECT_EQ(ShortestFloatText(15.78947f), "15.78947");
  EXPECT_EQ(ShortestFloatText(1234567.0f), "1234567");
  EXPECT_EQ(ShortestFloatText(12345678.0f), "1.234568E+07");
  EXPECT_EQ(ShortestFloatText(1e7f), "1E+07");
  EXPECT_EQ(ShortestFloatText(1e-5f), "1E-05");
}

// Whatever is written reads back within seven significant digits.
TEST(NumberFormat, FloatTextsReadBackAcrossTheWholeRange) {
  uint32_t seed = 12345;
  for (int i = 0; i < 20000; ++i) {
    seed = seed * 1664525u + 1013904223u;
    // Magnitudes from 1e-30 to 1e30, both signs.
    const double exponent = (seed % 6000) / 100.0 - 30.0;
    const float v = static_cast<float>(((seed >> 13) & 1 ? -1.0 : 1.0) * std::pow(10.0, exponent));
    const QString text = ShortestFloatText(v);
    const double back = LenientNumber(text);
    ASSERT_NEAR(back, v, std::fabs(v) * 5e-7) << text.toStdString();
    // A value that has a text of seven digits or fewer reads back exactly.
    const float rounded = std::strtof(QString::number(v, 'g', 6).toLatin1().constData(), nullptr);
    ASSERT_EQ(static_cast<float>(LenientNumber(ShortestFloatText(rounded))), rounded)
        << ShortestFloatText(rounded).toStdString();
  }
}

// The free number form puts a blank for the plus sign and one after.
TEST(NumberFormat, DoublesAreWrittenWithFifteenSignificantDigitsAtMostAndBothInFreeNumberForm) {
  EXPECT_EQ(FreeNumberForm(5.0f), " 5 ");
  EXPECT_EQ(FreeNumberForm(-0.5f), "-0.5 ");
  EXPECT_EQ(ShortestDoubleText(12.25), "12.25");
  EXPECT_EQ(ShortestDoubleText(100.0), "100");
  EXPECT_EQ(ShortestDoubleText(1.5), "1.5");
  EXPECT_EQ(ShortestDoubleText(0.1 + 0.2), "0.3");
  EXPECT_EQ(ShortestDoubleText(-0.0001), "-0.0001");
  EXPECT_EQ(ShortestDoubleText(123456789012345.0), "123456789012345");
  EXPECT_EQ(ShortestDoubleText(1e15), "1E+15");
  EXPECT_EQ(ShortestDoubleText(1e308), "1E+308");
  EXPECT_EQ(ShortestDoubleText(1.0 / 3.0), "0.333333333333333");
  EXPECT_EQ(FreeDoubleNumberForm(12.25), " 12.25 ");
  EXPECT_EQ(FreeDoubleNumberForm(-1.0), "-1 ");
  EXPECT_EQ(FreeDoubleNumberForm(0.0), " 0 ");
}
