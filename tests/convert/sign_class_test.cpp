#include "convert/sign_class.h"

#include "convert/fingerspelling_system.h"
#include "convert/playback_steps.h"
#include "support/converter_bench.h"

#include <algorithm>
#include <limits>

// Speeds 1, 3, 7, 10, 40 and 8000 are played through by SignClassTest below.
TEST(PlaybackSteps, TheDelayIs4000OverTheSpeedRoundedHalvesToEven) {
  // 2667 gives 1.4998, 1600 gives 2.5, which rounds to 2.
  const std::pair<int, int> delays[] = {{2667, 1}, {1600, 2}, {32767, 0}, {0, 0}, {-4, 0}};
  for (const auto& [speed, delay] : delays) EXPECT_EQ(DelayForSpeed(speed), delay) << speed;
}

TEST(PlaybackSteps, KeyFrameStepsAreTheExactProductRoundedHalvesToEven) {
  EXPECT_EQ(KeyFrameSteps(5, 0.5f), 2);    // 2.5
  EXPECT_EQ(KeyFrameSteps(5, 1.5f), 8);    // 7.5
  EXPECT_EQ(KeyFrameSteps(1333, 0.3f), 400);
  // 0.1f is a little above 0.1, so 5 × 0.1f is just over a half and rounds up.
  EXPECT_EQ(KeyFrameSteps(5, 0.1f), 1);
  EXPECT_EQ(KeyFrameSteps(4000, 10.0f), 40000);  // clamped only when drawn
  EXPECT_EQ(KeyFrameSteps(100, -1.0f), -100);
  EXPECT_EQ(KeyFrameSteps(4000, std::numeric_limits<float>::infinity()),
            std::numeric_limits<int>::max());
  EXPECT_EQ(KeyFrameSteps(4000, std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(FifthOfDelay(1333), 267);
  EXPECT_EQ(FifthOfDelay(571), 114);
  EXPECT_EQ(FifthOfDelay(4000), 800);
  EXPECT_EQ(FifthOfDelay(0), 0);
}

namespace {

using enum SystemId;

class SignClassTest : public ConverterBench {};

}  // namespace

TEST_F(SignClassTest, TheSpeedSetsTheStepsOfEveryKeyFrameAndOfTheExtraMovements) {
  PutPlainShapes(1, 46);
  Put(1, {Frame(1.0f), Frame(0.5f)});
  signs.LangSet(JapaneseKana);
  signs.Text(QString::fromUtf8("ｱｶﾞ"));
  const std::pair<int, std::vector<int>> cases[] = {
      {1, {4000, 2000, 4000, 4000}}, {3, {1333, 666, 1333, 1333}}, {7, {571, 286, 571, 571}},
      {10, {400, 200, 400, 400}},    {40, {100, 50, 100, 100}},     {8000, {0, 0, 0, 0}},
  };
  for (const auto& [speed, steps] : cases) {
    area.pictures.clear();
    ASSERT_TRUE(signs.StartRoutine(speed));
    EXPECT_EQ(signs.Delay(), steps[0]);
    std::vector<int> redraws;
    for (const std::string& call : Calls())
      if (call.starts_with("Redraw ")) redraws.push_back(std::stoi(call.substr(7)));
    EXPECT_EQ(redraws, steps) << speed;
    // Movements beyond 1000 steps are drawn in 1000; with delay 0 every key frame is
    // drawn once without moving.
    size_t pictures = 0;
    for (const int n : steps) pictures += n == 0 ? 1 : std::min(n, 1000) + 1;
    EXPECT_EQ(area.pictures.size(), pictures) << speed;
    EXPECT_EQ(engine.FrameCounter(), speed == 8000 ? 0 : static_cast<int>(pictures)) << speed;
  }
  // 571 / 5 = 114.2 for a bounce.
  signs.Text(QString::fromUtf8("ｺｺ"));
  signs.StartRoutine(7);
  const std::vector<std::string> calls = Calls();
  ASSERT_EQ(calls.size(), 13u);
  EXPECT_EQ(calls[4], "Redraw 114");
}

TEST_F(SignClassTest, StartRoutineCountsFramesFromZeroAndAnEmptyWordOnlyTakesTheRestPose) {
  PutPlainShapes(1, 27);
  signs.LangSet(American);
  signs.Text("ab");
  engine.SetFrameCounter(999);
  signs.StartRoutine(40);
  EXPECT_EQ(engine.FrameCounter(), 202);
  Calls();

  signs.Text("");
  area.pictures.clear();
  EXPECT_TRUE(signs.StartRoutine(40));
  EXPECT_EQ(Calls(), std::vector<std::string>{"SetHandPose 0 0"});
  EXPECT_TRUE(area.pictures.empty());
  EXPECT_EQ(engine.FrameCounter(), 0);
  // A speed below 1 plays nothing.
  EXPECT_FALSE(signs.StartRoutine(0));
  EXPECT_TRUE(Calls().empty());
}

TEST_F(SignClassTest, EachSystemHasItsConversionAndNothingIsSpelledBeforeOneIsSet) {
  // Before any LangSet there is no system to convert with or to play.
  EXPECT_EQ(signs.CurrentSystem(), std::nullopt);
  EXPECT_FALSE(signs.Text("ab"));
  EXPECT_FALSE(signs.Result());
  EXPECT_FALSE(signs.JslRomanText("ka"));
  EXPECT_FALSE(signs.StartRoutine(40));
  EXPECT_TRUE(Calls().empty());

  PutPlainShapes(1, 81);
  signs.SetNumeralBase(46);
  const std::pair<SystemId, const char*> good[] = {
      {BritishTwoHanded, "ab"}, {IndonesianTwoHanded, "ab"}, {American, "ab"}, {DerivedAmerican, "ab"},
      {JapaneseKana, "ｱｲ"},     {KoreanHangul, "가"},         {Numerals, "12"}};
  for (const auto& [system, text] : good) {
    signs.LangSet(system);
    EXPECT_EQ(signs.CurrentSystem(), system);
    EXPECT_EQ(signs.System()->Id(), system);
    EXPECT_FALSE(signs.Result()) << text;  // a fresh system has converted nothing
    EXPECT_TRUE(signs.Text(QString::fromUtf8(text))) << text;
    EXPECT_EQ(signs.LastText(), QString::fromUtf8(text));
    EXPECT_EQ(Sequence().size(), 2u) << text;
  }
}

// Every converter spells a text of any length whole, romanized or not, and shows all of
// its reading.
TEST_F(SignClassTest, ALongTextSpellsWholeInEveryConverter) {
  const QString kana = QString::fromUtf8("ｱｲｳｴｵ").repeated(11);
  const QString hangul = QString::fromUtf8("닭").repeated(60);
  const struct {
    SystemId system;
    bool roman;
    QString text;
    size_t signs;
    int16_t lastCode;
    QString reading;
  } cases[] = {
      {BritishTwoHanded, false, "the quick brown fox jumps over the lazy dog", 35, 7, ""},
      {JapaneseKana, true, QString("aiueo").repeated(11), 55, 5, kana},
      {JapaneseKana, false, kana, 55, 5, kana},
      {KoreanHangul, true, QString("Dalg").repeated(60), 240, 1, hangul},
      {KoreanHangul, false, hangul, 240, 1, hangul},
  };
  for (const auto& c : cases) {
    signs.LangSet(c.system);
    const bool ok = !c.roman                    ? signs.Text(c.text)
                    : c.system == JapaneseKana ? signs.JslRomanText(c.text)
                                               : signs.KslRomanText(c.text);
    const int system = SystemNumber(c.system);
    EXPECT_TRUE(ok) << system << " " << c.roman;
    ASSERT_EQ(Sequence().size(), c.signs) << system << " " << c.roman;
    EXPECT_EQ(Sequence().back().Code, c.lastCode) << system << " " << c.roman;
    EXPECT_EQ(c.system == KoreanHangul ? signs.HangulString() : signs.KatakanaString(), c.reading) << system;
  }
}

TEST_F(SignClassTest, RomanizedInputOfTheOtherLanguageFailsAndChangesNothing) {
  signs.LangSet(KoreanHangul);
  ASSERT_TRUE(signs.KslRomanText("Ga"));
  const std::vector<SignStep> before = Sequence();
  EXPECT_FALSE(signs.JslRomanText("ka"));
  EXPECT_FALSE(signs.Result());
  EXPECT_EQ(Sequence(), before);
  EXPECT_EQ(signs.HangulString(), QString::fromUtf8("가"));
  EXPECT_EQ(signs.LastText(), "Ga");
  EXPECT_TRUE(signs.Text(QString::fromUtf8("나")));

  signs.LangSet(JapaneseKana);
  ASSERT_TRUE(signs.JslRomanText("ka"));
  EXPECT_FALSE(signs.KslRomanText("Ga"));
  EXPECT_EQ(Sequence(), Steps({{6, 0}}));
  EXPECT_EQ(signs.KatakanaString(), QString::fromUtf8("ｶ"));

  for (const SystemId system : {BritishTwoHanded, Numerals}) {
    signs.LangSet(system);
    EXPECT_FALSE(signs.JslRomanText("ka"));
    EXPECT_FALSE(signs.KslRomanText("Ga"));
    EXPECT_EQ(Sequence(), Steps({{6, 0}}));
  }
}

TEST_F(SignClassTest, ANewConverterStartsFreshButTheSequenceSurvives) {
  signs.LangSet(JapaneseKana);
  signs.JslRomanText("toukyou");
  signs.LangSet(Numerals);
  EXPECT_EQ(Sequence().size(), 5u);
  signs.LangSet(JapaneseKana);
  EXPECT_EQ(signs.KatakanaString(), "");
  EXPECT_FALSE(signs.Result());
  EXPECT_EQ(Sequence(), Steps({{20, 0}, {3, 0}, {7, 0}, {38, 2}, {3, 0}}));
  // Start after a failed conversion plays the previous word again.
  PutPlainShapes(1, 46);
  EXPECT_FALSE(signs.Text("x"));
  signs.StartRoutine(40);
  EXPECT_EQ(Calls().size(), 1u + 2 * 5 + 2);
}
