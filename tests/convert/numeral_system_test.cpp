#include "convert/numeral_system.h"

#include "support/converter_bench.h"

namespace {

class NumeralSystemTest : public ConverterBench {
 protected:
  NumeralSystemTest() {
    signs.SetNumeralBase(46);
    signs.LangSet(SystemId::Numerals);
  }
};

}  // namespace

// 0, 7, 15, 99, 100, 1234, 10000 and 99999999999 are spelled in the golden traces.
TEST_F(NumeralSystemTest, NumbersAreSpelledInGroupsOfFourDigits) {
  const std::pair<const char*, std::vector<SignStep>> cases[] = {
      {"40", Steps({{60, 0}})},
      {"105", Steps({{66, 0}, {51, 0}})},
      {"12345", Steps({{47, 0}, {80, 0}, {76, 32}, {68, 0}, {60, 0}, {51, 0}})},
      {"6000", Steps({{52, 32}})},
      {"5000", Steps({{79, 32}})},
      {"300000000", Steps({{49, 0}, {81, 0}})},
      {"0000", Steps({{56, 0}})},
      {"", Steps({{56, 0}})},
      {"007", Steps({{53, 0}})},
      {"100000000", Steps({{47, 0}, {81, 0}})},
      {"100010000", Steps({{47, 0}, {81, 0}, {47, 0}, {80, 0}})},
      {"00000000000000000099999999999", Steps({{74, 0}, {65, 0}, {55, 0}, {81, 0},
                                               {55, 32}, {74, 0}, {65, 0}, {55, 0}, {80, 0},
                                               {55, 32}, {74, 0}, {65, 0}, {55, 0}})},
  };
  for (const auto& [text, steps] : cases) {
    EXPECT_TRUE(signs.Text(text)) << text;
    EXPECT_EQ(Sequence(), steps) << text;
  }
  EXPECT_TRUE(signs.Message().isEmpty());

  // With the KSL table loaded the numeral shapes start five slots earlier.
  signs.SetNumeralBase(41);
  signs.Text("12345");
  EXPECT_EQ(Sequence(), Steps({{42, 0}, {75, 0}, {71, 32}, {63, 0}, {55, 0}, {46, 0}}));
}

TEST_F(NumeralSystemTest, AnythingButDigitsOrATooBigNumberIsReportedAndChangesNothing) {
  signs.Text("12345");
  const std::vector<SignStep> before = Sequence();
  for (const char* text : {"12a", "-5", "+5", "1.5", " 5", "5 ", "1,000", "\xd9\xa1", "\xef\xbc\x95"}) {
    EXPECT_FALSE(signs.Text(QString::fromUtf8(text))) << text;
    EXPECT_EQ(signs.Message(), "Invalid number") << text;
    EXPECT_EQ(Sequence(), before) << text;
  }
  for (const char* text : {"100000000000", "99999999999999999999999999999999999999"}) {
    EXPECT_FALSE(signs.Text(text)) << text;
    EXPECT_EQ(signs.Message(), "The number is too big") << text;
    EXPECT_EQ(Sequence(), before) << text;
  }
  EXPECT_FALSE(signs.Result());
}

// The five moves of the thousands sign and the numerals' key frames targeted without
// offsets are pinned by the golden traces ("1234", "20050").
