#include "shell/start_flow.h"

#include "playback/script_player.h"
#include "signdata/sign_table.h"
#include "base/message_sink.h"
#include "convert/sign_class.h"
#include "playback/playback_engine.h"
#include "support/fake_drawing_area.h"

#include <gtest/gtest.h>

namespace {

using enum SystemId;
using enum InterfaceLanguage;

// The sign front end of a window. What Start plays and says, and the live conversion of
// the usual words, are shown through the main window itself; these are the choices
// behind them.
class StartFlowTest : public ::testing::Test {
 protected:
  void Select(SystemId system) {
    modes.System = system;
    signs.LangSet(system);
  }

  InputModes modes;
  SignTable table;
  FakeDrawingArea area;
  PlaybackEngine engine{table, area};
  ImmediatePlayer player{engine};
  SignClass signs{table, player};
};

}  // namespace

TEST(StartInput, RomanizedBoxesAreSpelledOnlyWhereTheyAreTyped) {
  InputModes state;
  for (const SystemId system : {BritishTwoHanded, IndonesianTwoHanded, American, DerivedAmerican}) {
    state.System = system;
    EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox) << SystemNumber(system);
  }
  state.System = JapaneseKana;
  EXPECT_EQ(ChooseStartInput(state), StartInput::Romaji);
  state.Kana = KanaInput::Japanese;  // the reading of the word typed through the input method
  EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox);
  state.Kana = KanaInput::Romaji;
  state.NumericMode = true;
  EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox);

  state.NumericMode = false;
  state.System = KoreanHangul;
  EXPECT_EQ(ChooseStartInput(state), StartInput::RomanizedKorean);
  state.Kana = KanaInput::Japanese;  // how kana words are typed does not matter for Korean
  EXPECT_EQ(ChooseStartInput(state), StartInput::RomanizedKorean);
  state.HangulMode = true;
  EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox);
  state.HangulMode = false;
  state.NumericMode = true;
  EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox);
}

// The pace beside the speed: 60 pictures a second.
TEST(StartSpeed, APlayedWordSaysItsPaceInSignsASecond) {
  EXPECT_EQ(PaceStatus(5, 125), u"5 signs, 2.4 a second"_qs);
  EXPECT_EQ(PaceStatus(1, 40), u"1 sign, 1.5 a second"_qs);
  EXPECT_EQ(PaceStatus(0, 40), QString());
  EXPECT_EQ(PaceStatus(3, 0), QString());
}

TEST(StartSpeed, TheBoxIsReadLenientlyRoundedHalvesToEvenAndCapped) {
  EXPECT_EQ(SpeedFromText("0.5"), std::nullopt);  // rounds to 0
  EXPECT_EQ(SpeedFromText("0.6"), 1);
  EXPECT_EQ(SpeedFromText("1.5"), 2);
  EXPECT_EQ(SpeedFromText("2.5"), 2);
  EXPECT_EQ(SpeedFromText("12abc"), 12);
  EXPECT_EQ(SpeedFromText(" 100 "), 100);
  EXPECT_EQ(SpeedFromText("32767"), 32767);
  EXPECT_EQ(SpeedFromText("32767.5"), 32767);
  EXPECT_EQ(SpeedFromText("40000"), 32767);
  EXPECT_EQ(SpeedFromText("1e999"), 32767);
  EXPECT_EQ(SpeedFromText(""), std::nullopt);
  EXPECT_EQ(SpeedFromText("abc"), std::nullopt);
  EXPECT_EQ(SpeedFromText("0"), std::nullopt);
  EXPECT_EQ(SpeedFromText("-5"), std::nullopt);
  EXPECT_EQ(SpeedFromText("-1e999"), std::nullopt);
}

TEST_F(StartFlowTest, LiveConversionShowsKanaOrHangulAndKeepsTheOldTextOnRejection) {
  Select(JapaneseKana);
  EXPECT_EQ(LiveConversion(signs, modes, "gakkou"), QStringLiteral("ｶﾞｯｺｳ"));
  EXPECT_EQ(LiveConversion(signs, modes, "gakkoul"), std::nullopt);

  modes.Kana = KanaInput::Japanese;  // the word box holds Japanese script then
  EXPECT_EQ(LiveConversion(signs, modes, "gakkou"), std::nullopt);

  Select(KoreanHangul);
  EXPECT_EQ(LiveConversion(signs, modes, "HanGug"), QStringLiteral("한국"));
  modes.HangulMode = true;
  EXPECT_EQ(LiveConversion(signs, modes, "HanGug"), std::nullopt);

  Select(BritishTwoHanded);
  EXPECT_EQ(LiveConversion(signs, modes, "abc"), std::nullopt);
  EXPECT_TRUE(area.pictures.empty());
}

TEST_F(StartFlowTest, StartSpellsTypedFormsAsTheHalfWidthFormTheConverterReads) {
  CollectingMessageSink messages;
  const auto codesOf = [&](const InputModes& state, const StartTexts& texts) {
    EXPECT_EQ(RunStartFlow(signs, messages, state, texts), StartOutcome::Played)
        << texts.ReadingBox.toStdString() << texts.WordBox.toStdString();
    return signs.Sequence();
  };
  // One plain key frame in every slot, so any word plays.
  for (int slot = 0; slot < kSignSlots; ++slot) {
    table.Signs[slot].FrameCount = 1;
    table.Signs[slot].Frames = {KeyFrame{}};
  }
  table.SignCount = static_cast<int16_t>(kSignSlots);
  Select(JapaneseKana);
  modes.Kana = KanaInput::Japanese;
  const SignSequence arigatou = codesOf(modes, {"", u"ｱﾘｶﾞﾄｳ"_qs, "100"});
  ASSERT_EQ(arigatou.size(), 5u);
  EXPECT_EQ(codesOf(modes, {"", u"ありがとう"_qs, "100"}), arigatou);  // every form: typed_text_normalization_test
  EXPECT_EQ(SpelledReadingBox(modes, u"ｱﾘｶﾞﾄｳ 12"_qs), u"ｱﾘｶﾞﾄｳ 12"_qs);

  modes.Kana = KanaInput::Romaji;  // romaji in the word box, full-width or not
  EXPECT_EQ(codesOf(modes, {u"ａｒｉｇａｔｏｕ"_qs, "", "100"}), arigatou);

  Select(American);
  const SignSequence hello1 = codesOf(modes, {"", "hello1", "100"});
  EXPECT_EQ(codesOf(modes, {"", u"ＨＥＬＬＯ１"_qs, "100"}), hello1);
  EXPECT_EQ(StartStatus(modes, {"", u"ＨＥＬＬＯ１"_qs, "100"}, StartOutcome::Played), u"Not spelled: 1"_qs);
  EXPECT_EQ(StartStatus(modes, {"", "hello world", "100"}, StartOutcome::Played), QString());

  Select(KoreanHangul);
  const SignSequence annyeong = codesOf(modes, {"AnNyeong", "", "100"});
  EXPECT_EQ(codesOf(modes, {"annyeong", "", "100"}), annyeong);
  // Hangul an input method committed into the romanized box is spelled as it is.
  EXPECT_EQ(codesOf(modes, {u"안녕"_qs, "", "100"}), annyeong);
  EXPECT_EQ(LiveConversion(signs, modes, u"안녕"_qs), u"안녕"_qs);
  EXPECT_EQ(LiveConversion(signs, modes, "saranghae"), u"사랑해"_qs);
  // With the word box empty the box below is read, romanized or not.
  EXPECT_EQ(codesOf(modes, {" ", "annyeong", "100"}), annyeong);
  EXPECT_EQ(codesOf(modes, {"", u"안녕"_qs, "100"}), annyeong);
  Select(JapaneseKana);
  EXPECT_EQ(codesOf(modes, {"", u"ありがとう"_qs, "100"}), arigatou);
  EXPECT_EQ(codesOf(modes, {u"アリガトウ"_qs, "", "100"}), arigatou);
  EXPECT_EQ(LiveConversion(signs, modes, u"ありがとう"_qs), u"ｱﾘｶﾞﾄｳ"_qs);
  EXPECT_TRUE(messages.messages.empty());

  // A rejected text: the message names what cannot be spelled, or the status line says
  // the romanization is not one.
  const auto rejected = [&](const InputModes& state, const StartTexts& texts) {
    messages.messages.clear();
    EXPECT_EQ(RunStartFlow(signs, messages, state, texts), StartOutcome::Rejected);
    return std::pair(messages.messages.empty() ? QString() : messages.messages.front(), StartStatus(state, texts, StartOutcome::Rejected));
  };
  EXPECT_EQ(rejected(modes, {u"ネコ猫犬猫"_qs, "", "100"}),
            std::pair(u"Unsupported character(s) in the string: 猫 犬"_qs, QString()));
  EXPECT_EQ(rejected(modes, {"", "xyz ", "100"}),
            std::pair(kUnsupportedTextMessage, u"Not spelled: \"xyz\" is not romaji"_qs));
  Select(KoreanHangul);
  EXPECT_EQ(rejected(modes, {"xyz", u"안녕"_qs, "100"}),
            std::pair(kUnsupportedTextMessage, u"Not spelled: \"xyz\" is not romanized Korean"_qs));
}
