#include "base/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

// Blanks anywhere are ignored, an exponent needs a digit, and full-width digits are
// not decimal digits here.
TEST(NumberFormat, LenientNumberTakesTheLeadingDecimalNumber) {
  const struct {
    const char16_t* text;
    double value;
  } cases[] = {{u"  12.5abc", 12.5}, {u"-3e2x", -300.0}, {u" 1 2 ", 12.0}, {u"+7", 7.0},   {u".5", 0.5},
               {u"5.", 5.0},         {u"1e", 1.0},       {u"2E-1", 0.2},  {u"abc", 0.0}, {u"", 0.0},
               {u"-", 0.0},          {u"12abc", 12.0},   {u"３", 0.0}};
  for (const auto& [text, value] : cases) EXPECT_DOUBLE_EQ(LenientNumber(text), value) << value;
  EXPECT_TRUE(std::isinf(LenientNumber(u"1e400")));
  EXPECT_TRUE(StartsWithNumber(u" -0.5"));
  EXPECT_FALSE(StartsWithNumber(u"abc"));
  EXPECT_FALSE(StartsWithNumber(u"."));
}

TEST(NumberFormat, RoundingTo16BitsIsHalfToEvenAndReportsOverflow) {
  const struct {
    double value;
    std::optional<int16_t> rounded;
  } cases[] = {{0.5, 0},         {1.5, 2},         {2.5, 2},           {-2.5, -2},
               {-3.5, -4},       {2.6, 3},         {32767.4, 32767},   {-32768.5, -32768},
               {32767.5, {}},    {-32769.0, {}},   {NAN, {}},          {INFINITY, {}}};
  for (const auto& [value, rounded] : cases) EXPECT_EQ(RoundToInt16(value), rounded) << value;
}

// The free number form puts a blank for the plus sign and one after.
TEST(NumberFormat, FloatsAreWrittenInSevenSignificantDigitsAtMostAndDoublesInFifteen) {
  const struct {
    float value;
    const char* text;
  } floats[] = {{0.0f, "0"},           {-0.0f, "0"},         {100.0f, "100"},       {-35.0f, "-35"},
                {0.1f, "0.1"},         {-0.25f, "-0.25"},    {15.78947f, "15.78947"}, {1234567.0f, "1234567"},
                {12345678.0f, "1.234568E+07"}, {1e7f, "1E+07"}, {1e-5f, "1E-05"}};
  for (const auto& [value, text] : floats) EXPECT_EQ(ShortestFloatText(value), text);
  const struct {
    double value;
    const char* text;
  } doubles[] = {{12.25, "12.25"}, {100.0, "100"},     {1.5, "1.5"},   {0.1 + 0.2, "0.3"},
                 {-0.0001, "-0.0001"}, {123456789012345.0, "123456789012345"}, {1e15, "1E+15"},
                 {1e308, "1E+308"}, {1.0 / 3.0, "0.333333333333333"}};
  for (const auto& [value, text] : doubles) EXPECT_EQ(ShortestDoubleText(value), text);
  EXPECT_EQ(FreeNumberForm(5.0f), " 5 ");
  EXPECT_EQ(FreeNumberForm(-0.5f), "-0.5 ");
  EXPECT_EQ(FreeDoubleNumberForm(12.25), " 12.25 ");
  EXPECT_EQ(FreeDoubleNumberForm(-1.0), "-1 ");
  EXPECT_EQ(FreeDoubleNumberForm(0.0), " 0 ");
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
