#include "app/start_flow.h"

#include "app/app_state.h"
#include "app/counting_message_sink.h"
#include "app/message_sink.h"
#include "convert/sign_class.h"
#include "render/playback_engine.h"
#include "support/pose_recording_area.h"

#include <gtest/gtest.h>

namespace {

KeyFrame Plain() {
  KeyFrame k;
  k.Rate = 1.0f;
  return k;
}

// The sign front end of a window, on a one-hand table with plain shapes in every slot
// the converters use.
class StartFlowTest : public ::testing::Test {
 protected:
  StartFlowTest() {
    state.HandCount = 1;
    state.ColumnCount = kOneHandColumns;
    for (int slot = 0; slot <= 90; ++slot) {
      state.SignTable[slot].FrameCount = 1;
      state.SignTable[slot].Frames = {Plain()};
    }
    state.SignCount = 91;
  }

  void Select(int system, int index) {
    state.SystemIndex = static_cast<int16_t>(system);
    signs.LangSet(index);
  }

  AppState state;
  PoseRecordingArea area;
  PlaybackEngine engine{state, area};
  CollectingMessageSink shown;
  CountingMessageSink messages{shown};
  SignClass signs{engine, messages};
};

}  // namespace

TEST(StartInput, RomanizedBoxesAreSpelledOnlyWhereTheyAreTyped) {
  AppState state;
  for (int system : {0, 1, 2, 3}) {
    state.SystemIndex = static_cast<int16_t>(system);
    EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox) << system;
  }
  state.SystemIndex = 4;
  EXPECT_EQ(ChooseStartInput(state), StartInput::Romaji);
  state.InterfaceLanguage = 1;  // the reading of the word typed through the input method
  EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox);
  state.InterfaceLanguage = 0;
  state.NumericMode = true;
  EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox);

  state.NumericMode = false;
  state.SystemIndex = 5;
  EXPECT_EQ(ChooseStartInput(state), StartInput::RomanizedKorean);
  state.InterfaceLanguage = 1;  // the interface language does not matter for Korean
  EXPECT_EQ(ChooseStartInput(state), StartInput::RomanizedKorean);
  state.HangulMode = true;
  EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox);
  state.HangulMode = false;
  state.NumericMode = true;
  EXPECT_EQ(ChooseStartInput(state), StartInput::ReadingBox);
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

TEST_F(StartFlowTest, AnInvalidSpeedIsReportedAndNothingIsConverted) {
  Select(0, 0);
  for (const char* speed : {"", "0.5", "abc", "-3"}) {
    shown.messages.clear();
    EXPECT_EQ(RunStartFlow(signs, messages, state, {{}, "ABC", speed}), StartOutcome::InvalidSpeed);
    EXPECT_EQ(shown.messages, std::vector<QString>{kInvalidSpeedMessage}) << speed;
    EXPECT_TRUE(signs.LastText().isEmpty());
    EXPECT_TRUE(area.pictures.empty());
  }
}

TEST_F(StartFlowTest, EachSystemSpellsItsBoxThroughItsConversion) {
  Select(2, 2);
  EXPECT_EQ(RunStartFlow(signs, messages, state, {"ignored", "ab", "8000"}), StartOutcome::Played);
  EXPECT_EQ(signs.LastText(), "ab");
  EXPECT_EQ(state.SignSequenceCount, 2);
  EXPECT_EQ(area.pictures.size(), 2u);  // delay 0: one picture per key frame

  Select(4, 4);
  EXPECT_EQ(RunStartFlow(signs, messages, state, {"ka", "ignored", "8000"}), StartOutcome::Played);
  EXPECT_EQ(signs.LastText(), "ka");
  EXPECT_EQ(signs.KatakanaString(), QStringLiteral("ｶ"));

  Select(5, 5);
  EXPECT_EQ(RunStartFlow(signs, messages, state, {"Ga", "ignored", "8000"}), StartOutcome::Played);
  EXPECT_EQ(signs.LastText(), "Ga");
  EXPECT_EQ(signs.HangulString(), QStringLiteral("가"));

  state.HangulMode = true;
  EXPECT_EQ(RunStartFlow(signs, messages, state, {"ignored", QStringLiteral("가"), "8000"}),
            StartOutcome::Played);
  EXPECT_EQ(signs.LastText(), QStringLiteral("가"));
  EXPECT_TRUE(shown.messages.empty());
}

TEST_F(StartFlowTest, RejectedTextPlaysNothingAndSaysSoOnce) {
  Select(4, 4);
  ASSERT_EQ(RunStartFlow(signs, messages, state, {"ka", {}, "8000"}), StartOutcome::Played);
  const size_t before = area.pictures.size();
  const int count = state.SignSequenceCount;

  // "tchi" is no romaji: the previous word must not be played again in its place.
  EXPECT_EQ(RunStartFlow(signs, messages, state, {"tchi", {}, "8000"}), StartOutcome::Rejected);
  EXPECT_EQ(area.pictures.size(), before);
  EXPECT_EQ(state.SignSequenceCount, count);
  EXPECT_EQ(shown.messages, std::vector<QString>{kUnsupportedTextMessage});

  // The numeral converter names the fault itself; nothing is added to its message.
  shown.messages.clear();
  Select(4, 6);
  state.NumericMode = true;
  state.NumeralBase = 46;
  EXPECT_EQ(RunStartFlow(signs, messages, state, {{}, "12a", "8000"}), StartOutcome::Rejected);
  EXPECT_EQ(shown.messages, std::vector<QString>{QStringLiteral("Invalid number")});
  EXPECT_EQ(area.pictures.size(), before);
}

TEST_F(StartFlowTest, LiveConversionShowsKanaOrHangulAndKeepsTheOldTextOnRejection) {
  Select(4, 4);
  EXPECT_EQ(LiveConversion(signs, state, "gakkou"), QStringLiteral("ｶﾞｯｺｳ"));
  EXPECT_EQ(LiveConversion(signs, state, "gakkoul"), std::nullopt);

  state.InterfaceLanguage = 1;  // the word box holds Japanese script then
  EXPECT_EQ(LiveConversion(signs, state, "gakkou"), std::nullopt);

  Select(5, 5);
  EXPECT_EQ(LiveConversion(signs, state, "HanGug"), QStringLiteral("한국"));
  state.HangulMode = true;
  EXPECT_EQ(LiveConversion(signs, state, "HanGug"), std::nullopt);

  Select(0, 0);
  EXPECT_EQ(LiveConversion(signs, state, "abc"), std::nullopt);
  EXPECT_TRUE(area.pictures.empty());
}
