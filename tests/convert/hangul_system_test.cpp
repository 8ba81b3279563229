#include "convert/hangul_system.h"

#include "convert/hangul_syllable.h"
#include "support/converter_bench.h"

namespace {

class HangulSystemTest : public ConverterBench {
 protected:
  HangulSystemTest() { signs.LangSet(SystemId::KoreanHangul); }
};

QString Hangul(const char* utf8) { return QString::fromUtf8(utf8); }

}  // namespace

TEST_F(HangulSystemTest, HangulSyllablesAreSpelledLetterByLetterAtTheirPlaceInTheBlock) {
  const std::pair<const char*, std::vector<SignStep>> cases[] = {
      {"가", Steps({{1, 2}, {20, 3}})},
      {"고", Steps({{1, 1}, {28, 4}})},
      {"닭", Steps({{4, 2}, {20, 3}, {6, 5}, {1, 6}})},
      {"흙", Steps({{19, 1}, {38, 4}, {6, 8}, {1, 9}})},
      {"안", Steps({{12, 2}, {20, 3}, {3, 4}})},
      {"옷", Steps({{12, 1}, {28, 4}, {10, 7}})},
      {"있", Steps({{12, 2}, {40, 3}, {10, 5}, {10, 6}})},
      // ㅚ is written beside the initial, ㅢ below it.
      {"괴", Steps({{1, 2}, {31, 3}})},
      {"긔", Steps({{1, 1}, {39, 4}})},
      {"가고", Steps({{1, 2}, {20, 3}, {1, 1}, {28, 4}})},
  };
  for (const auto& [text, steps] : cases) {
    EXPECT_TRUE(signs.Text(Hangul(text))) << text;
    EXPECT_EQ(Sequence(), steps) << text;
    EXPECT_EQ(signs.HangulString(), Hangul(text)) << text;
  }
}

TEST_F(HangulSystemTest, EveryFinalIsSpelledWithItsConsonantSigns) {
  const std::vector<std::vector<int16_t>> finals = {
      {},      {1},     {1, 1},  {1, 10}, {3},     {3, 13}, {3, 19}, {4},     {6},    {6, 1},
      {6, 7},  {6, 8},  {6, 10}, {6, 17}, {6, 18}, {6, 19}, {7},     {8},     {8, 10}, {10},
      {10, 10}, {12},   {13},    {15},    {16},    {17},    {18},    {19}};
  for (int f = 0; f < kHangulFinals; ++f) {
    const QString syllable(ComposeHangul({0, 0, f}));
    ASSERT_TRUE(signs.Text(syllable)) << f;
    std::vector<int16_t> codes;
    for (size_t i = 2; i < Sequence().size(); ++i) codes.push_back(Sequence()[i].Code);
    EXPECT_EQ(codes, finals[static_cast<size_t>(f)]) << f;
  }
}

TEST_F(HangulSystemTest, RomanizedKoreanBecomesHangulInEverySpellingOfInitialVowelAndFinal) {
  const std::pair<const char*, const char*> cases[] = {
      {"GaKkaGgaNaDaTtaRaLaMaBaPpaSaSsaJaJjaChaKaTaPaHa",
       "가까까나다따라라마바빠사싸자짜차카타파하"},
      {"GaGaeGyaGyaeGeoGeGyeoGyeGoGwaGwaeGoeGyoGuGwoGweGwiGyuGeuGuiGi",
       "가개갸걔거게겨계고과괘괴교구궈궤귀규그긔기"},
      {"AAeYaYaeEoEYeoYeOWaWaeOeYoUWoWeWiYuEuUiI",
       "아애야얘어에여예오와왜외요우워웨위유으의이"},
      {"GagGakkGaggGagsGanGanjGanhGadGalGalgGargGalmGarmGalbGarbGalsGarsGaltGart",
       "각갂갂갃간갅갆갇갈갉갉갊갊갋갋갌갌갍갍"},
      {"GalpGarpGalhGarhGamGabGabsGasGassGangGajGachGakGatGapGah",
       "갎갎갏갏감갑값갓갔강갖갗갘같갚갛"},
      {"HanGug", "한국"},   {"AnNyeongHaSeYo", "안녕하세요"}, {"SeoUl", "서울"},
      {"Dalg", "닭"},       {"Kka", "까"},                  {"Gga", "까"},
      {"HanGuk", "한궄"},   {"Ang", "앙"},                  {"Eolg", "얽"},
      {"Yeoss", "였"},      {"Waes", "왯"},                 {"Aa", "아"},
      {"Ai", "이"},         {"Yeu", "우"},                  {"Rir", "<fails>"},
  };
  for (const auto& [roman, hangul] : cases) {
    const bool ok = signs.KslRomanText(roman);
    EXPECT_EQ(ok ? signs.HangulString() : QStringLiteral("<fails>"), Hangul(hangul)) << roman;
  }
  // The signs of "HanGug" and "AnNyeong": the golden traces.
}

TEST_F(HangulSystemTest, AFailedConversionLeavesEverythingAsTheLastGoodOneLeftIt) {
  ASSERT_TRUE(signs.KslRomanText("HanGug"));
  const std::vector<SignStep> before = Sequence();
  for (const char* roman : {"ga", "Ga Na", "Dalk", "Gar", "Ga*", "G", "Gx", "GA", "YEo", "1"}) {
    EXPECT_FALSE(signs.KslRomanText(roman)) << roman;
    EXPECT_FALSE(signs.Result());
    EXPECT_EQ(Sequence(), before) << roman;
    EXPECT_EQ(signs.HangulString(), Hangul("한국")) << roman;
  }
  for (const char* text : {"a", "가 나", "1", "ㄱ", "가a", "\xea\xb0"}) {
    EXPECT_FALSE(signs.Text(QString::fromUtf8(text))) << text;
    EXPECT_EQ(Sequence(), before) << text;
    EXPECT_EQ(signs.HangulString(), Hangul("한국")) << text;
  }
  // The empty text succeeds with no signs, on both paths.
  EXPECT_TRUE(signs.Text(""));
  EXPECT_EQ(static_cast<int>(Sequence().size()), 0);
  EXPECT_EQ(signs.HangulString(), "");
  EXPECT_TRUE(signs.KslRomanText(""));
  // Rejected romanized input fails also when nothing was converted before.
  EXPECT_FALSE(signs.KslRomanText("ga"));
}

TEST_F(HangulSystemTest, EachLetterIsShownAtItsPlaceOnTheThreeByThreeGridInEveryKeyFrame) {
  PutPlainShapes(1, 40);
  Put(6, {Frame(1.0f, 10.0f), Frame(0.5f, 20.0f)});  // ㄹ has two key frames
  // 흙 uses places 1, 4, 8, 9; 닭 2, 3, 5, 6; 옷 7.
  signs.Text(Hangul("흙닭옷"));
  ASSERT_TRUE(signs.StartRoutine(40));
  const std::vector<std::pair<float, float>> grid = {
      {0, 80}, {-80, 80}, {80, 80}, {0, 0}, {-80, 0}, {80, 0}, {0, -80}, {-80, -80}, {80, -80}};
  std::vector<std::string> expected = {"SetHandPose 0 0"};
  for (const SignStep& step : Sequence()) {
    const auto [across, up] = grid[static_cast<size_t>(step.Modifier - 1)];
    for (int k = 0; k < table.KeyFrameCount(step.Code); ++k) {
      expected.push_back(Shifted(step.Code, k, {{kRightWristPosY, across}, {kRightWristPosZ, up}}));
      expected.push_back(RedrawLine(k == 0 ? 100 : 50));
    }
  }
  EXPECT_EQ(Calls(), expected);
}
