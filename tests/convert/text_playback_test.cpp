#include "convert/text_playback.h"

#include "app/app_state.h"
#include "app/message_sink.h"
#include "convert/sign_class.h"
#include "render/playback_engine.h"
#include "signdata/angle_file.h"
#include "support/pose_recording_area.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

KeyFrame Plain() {
  KeyFrame k;
  k.Rate = 1.0f;
  return k;
}

// Writes a table with one-frame shapes in slots 0..last in the given layout.
QString WriteTable(const QTemporaryDir& dir, int hands, int last) {
  AppState table;
  table.ColumnCount = hands == 2 ? kTwoHandColumns : kOneHandColumns;
  for (int slot = 0; slot <= last; ++slot) {
    table.SignTable[slot].FrameCount = 1;
    table.SignTable[slot].Frames = {Plain()};
  }
  table.SignCount = static_cast<int16_t>(last + 1);
  const QString path = dir.filePath(QStringLiteral("table%1.csv").arg(hands));
  EXPECT_TRUE(SaveAngleFile(table, path));
  return path;
}

}  // namespace

TEST(TextPlayback, EachSystemHasItsLayoutAndNumeralSlots) {
  for (const int system : {0, 1}) {
    EXPECT_EQ(TableLayoutOfSystem(system).HandCount, 2);
    EXPECT_EQ(TableLayoutOfSystem(system).ColumnCount, kTwoHandColumns);
  }
  for (const int system : {2, 3, 4, 5, 6}) {
    EXPECT_EQ(TableLayoutOfSystem(system).HandCount, 1);
    EXPECT_EQ(TableLayoutOfSystem(system).ColumnCount, kOneHandColumns);
  }
  EXPECT_EQ(NumeralBaseOfSystem(4, 7), 46);
  EXPECT_EQ(NumeralBaseOfSystem(5, 7), 41);
  EXPECT_EQ(NumeralBaseOfSystem(6, 7), 7);

  AppState state;
  PoseRecordingArea area;
  PlaybackEngine engine(state, area);
  CollectingMessageSink messages;
  SignClass signs(engine, messages);
  SelectSystem(state, signs, 6, 41);
  EXPECT_EQ(state.SystemIndex, 4);
  EXPECT_EQ(state.NumeralBase, 41);
  EXPECT_EQ(signs.LanguageIndex(), 6);
  SelectSystem(state, signs, 3, 46);
  EXPECT_EQ(state.SystemIndex, 3);

  // The romanized path follows the system.
  SelectSystem(state, signs, 5, 41);
  EXPECT_TRUE(ConvertText(signs, "Ga", true));
  EXPECT_FALSE(ConvertText(signs, "ga", true));
  SelectSystem(state, signs, 4, 46);
  EXPECT_TRUE(ConvertText(signs, "ga", true));
  EXPECT_FALSE(ConvertText(signs, "ga", false));
  SelectSystem(state, signs, 2, 46);
  EXPECT_FALSE(ConvertText(signs, "ga", true));
  EXPECT_TRUE(ConvertText(signs, "ga", false));
}

TEST(TextPlayback, PlaysATextFromAnAngleFileTheWayStartDoes) {
  QTemporaryDir dir;
  const QString oneHand = WriteTable(dir, 1, 81);
  const QString twoHands = WriteTable(dir, 2, 27);
  using Outcome = TextPlaybackResult::Outcome;

  AppState state;
  PoseRecordingArea area;
  PlaybackEngine engine(state, area);
  CollectingMessageSink messages;

  TextPlaybackRequest request{0, twoHands, 40, 46, false, "ab"};
  EXPECT_EQ(PlayText(engine, messages, request).outcome, Outcome::Played);
  EXPECT_EQ(state.HandCount, 2);
  EXPECT_EQ(state.FrameCounter, 202);
  EXPECT_EQ(area.pictures.size(), 202u);

  // The numeral slots: 41 for KSL whatever is asked, the given base for the numerals.
  request = {5, oneHand, 40, 7, false, QString::fromUtf8("가")};
  EXPECT_EQ(PlayText(engine, messages, request).outcome, Outcome::Played);
  EXPECT_EQ(state.NumeralBase, 41);
  EXPECT_EQ(state.HandCount, 1);
  request = {6, oneHand, 40, 41, false, "12"};
  EXPECT_EQ(PlayText(engine, messages, request).outcome, Outcome::Played);
  EXPECT_EQ(state.NumeralBase, 41);
  EXPECT_EQ(state.SignSequence[0].Code, 52);
  EXPECT_EQ(state.SystemIndex, 4);

  request = {4, oneHand, 40, 46, true, "toukyou"};
  EXPECT_EQ(PlayText(engine, messages, request).outcome, Outcome::Played);

  area.pictures.clear();
  request = {6, oneHand, 40, 46, false, "x"};
  EXPECT_EQ(PlayText(engine, messages, request).outcome, Outcome::ConversionFailed);
  EXPECT_EQ(messages.messages, std::vector<QString>{"Invalid number"});
  EXPECT_TRUE(area.pictures.empty());

  request = {2, dir.filePath("missing.csv"), 40, 46, false, "ab"};
  const TextPlaybackResult missing = PlayText(engine, messages, request);
  EXPECT_EQ(missing.outcome, Outcome::TableNotLoaded);
  EXPECT_FALSE(missing.reason.isEmpty());

  // A two-hand file read in the one-hand layout falls out of step.
  request = {2, twoHands, 40, 46, false, "ab"};
  EXPECT_EQ(PlayText(engine, messages, request).outcome, Outcome::TableNotLoaded);

  request = {2, oneHand, 0, 46, false, "ab"};
  EXPECT_EQ(PlayText(engine, messages, request).outcome, Outcome::InvalidSpeed);
  EXPECT_TRUE(area.pictures.empty());
}
