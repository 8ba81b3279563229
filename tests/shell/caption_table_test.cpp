#include "shell/caption_table.h"

#include <gtest/gtest.h>

namespace {

// The main window's and the system choice's tests show most captions in both
// languages; these are the rows no window shows yet, and the shape of the table.
TEST(CaptionTable, HoldsTheCaptionsOfTheWindowsToComeAndNothingElse) {
  const CaptionTable table;
  EXPECT_EQ(table.Caption(ContinueCaption, 1), "継続");
  EXPECT_EQ(table.Caption(EndCaption, 1), "終了");
  EXPECT_EQ(table.Caption(NumeralSystemCaption, 1), "日韓 数字");
  EXPECT_EQ(table.Caption(IndonesianHelpCaption, 0), "Indonesian");

  int filled = 0;
  for (int row = 0; row < CaptionTable::kRows; ++row) {
    for (int16_t column = 0; column < CaptionTable::kColumns; ++column) {
      const QString caption = table.Caption(row, column);
      if (column >= 2 || (row >= 26 && row <= 29) || row >= CaptionRowsInUse) {
        EXPECT_TRUE(caption.isEmpty()) << row << "," << column;
      } else {
        EXPECT_FALSE(caption.isEmpty()) << row << "," << column;
        ++filled;
      }
    }
  }
  EXPECT_EQ(filled, 2 * (CaptionRowsInUse - 4));
  // Outside the table there is nothing to show rather than a fault.
  EXPECT_EQ(table.Caption(101, 0), "");
  EXPECT_EQ(table.Caption(-1, 0), "");
  EXPECT_EQ(table.Caption(StartCaption, -1), "");
  EXPECT_EQ(table.Caption(StartCaption, 5), "");
  EXPECT_EQ(table.SystemCaption(6, 0), "");
  EXPECT_EQ(table.SystemCaption(-1, 0), "");
}

// The captions of the learner and practice controls: each has a Japanese caption of its
// own, and a caption with places for numbers or words keeps every place in Japanese.
TEST(CaptionTable, EveryLearnerControlHasItsOwnJapaneseCaption) {
  const CaptionTable table;
  for (int row = TypeAnswerCaption; row < CaptionRowsInUse; ++row) {
    const QString english = table.Caption(row, 0);
    const QString japanese = table.Caption(row, 1);
    EXPECT_FALSE(japanese.isEmpty()) << row;
    EXPECT_NE(japanese, english) << row;
    for (const QString& place : {QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%3")})
      EXPECT_EQ(english.contains(place), japanese.contains(place)) << row << " " << place.toStdString();
  }
  EXPECT_EQ(table.Caption(TypeAnswerCaption, 1), "答えを入力する");
  EXPECT_EQ(table.Caption(AdaptSpeedCaption, 1), "速度を自動調整");
  EXPECT_EQ(table.Caption(ShowLettersCaption, 1), "文字を表示");
  EXPECT_EQ(table.Caption(NaturalHandsCaption, 1), "自然な手");
  EXPECT_EQ(table.Caption(ExportCaption, 0), "Export…");
}

}  // namespace
