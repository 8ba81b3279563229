#include "convert/text_playback.h"

#include "base/message_sink.h"
#include "convert/sign_class.h"
#include "playback/playback_engine.h"
#include "playback/script_player.h"
#include "signdata/sign_table.h"
#include "support/angle_table_files.h"
#include "support/fake_drawing_area.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// The layouts, numeral slots, conversions and failures that tovaro-cli reaches are
// shown through its spell, trace and render tests; these are the paths its argument
// checks keep it from.
TEST(TextPlayback, ASpeedBelowOneAndRomanizedAlphabetsPlayNothing) {
  QTemporaryDir dir;
  const QString table = dir.filePath("table.csv");
  ASSERT_TRUE(WriteAngleTable(table, 1, 27, 1.0f));
  SignTable signTable;
  FakeDrawingArea area;
  PlaybackEngine engine(signTable, area);
  ImmediatePlayer player(engine);
  CollectingMessageSink messages;

  TextPlaybackRequest request{SystemId::American, table, 0, 46, false, "ab"};
  EXPECT_EQ(PlayText(signTable, player, messages, request).outcome, TextPlaybackResult::Outcome::InvalidSpeed);
  EXPECT_TRUE(area.pictures.empty());

  request = {SystemId::American, table, 40, 46, true, "ga"};
  EXPECT_EQ(PlayText(signTable, player, messages, request).outcome, TextPlaybackResult::Outcome::ConversionFailed);
  EXPECT_TRUE(area.pictures.empty());
  request.roman = false;
  EXPECT_EQ(PlayText(signTable, player, messages, request).outcome, TextPlaybackResult::Outcome::Played);
  EXPECT_EQ(area.pictures.size(), 202u);
}
