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
      if (column >= 2 || (row >= 26 && row <= 29) || row >= 38) {
        EXPECT_TRUE(caption.isEmpty()) << row << "," << column;
      } else {
        EXPECT_FALSE(caption.isEmpty()) << row << "," << column;
        ++filled;
      }
    }
  }
  EXPECT_EQ(filled, 2 * 34);
  // Outside the table there is nothing to show rather than a fault.
  EXPECT_EQ(table.Caption(101, 0), "");
  EXPECT_EQ(table.Caption(-1, 0), "");
  EXPECT_EQ(table.Caption(StartCaption, -1), "");
  EXPECT_EQ(table.Caption(StartCaption, 5), "");
  EXPECT_EQ(table.SystemCaption(6, 0), "");
  EXPECT_EQ(table.SystemCaption(-1, 0), "");
}

}  // namespace
