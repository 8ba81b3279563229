#include "app/caption_table.h"

#include <gtest/gtest.h>

namespace {

TEST(CaptionTable, HoldsTheEnglishAndJapaneseCaptions) {
  const CaptionTable table;
  EXPECT_EQ(table.Caption(FileMenuCaption, 0), "File");
  EXPECT_EQ(table.Caption(FileMenuCaption, 1), "ファイル");
  EXPECT_EQ(table.Caption(ExitCaption, 1), "終了");
  EXPECT_EQ(table.Caption(FingerspellLanguageCaption, 1), "指文字言語選擇");
  EXPECT_EQ(table.Caption(StartCaption, 0), "Start");
  EXPECT_EQ(table.Caption(StartCaption, 1), "スタート");
  EXPECT_EQ(table.Caption(ViewerCaption, 1), "讀み手");
  EXPECT_EQ(table.Caption(ContinueCaption, 1), "繼續");
  EXPECT_EQ(table.Caption(EndCaption, 1), "終了");
  EXPECT_EQ(table.Caption(NumeralSystemCaption, 0), "Japanese & Korean Numeric");
  EXPECT_EQ(table.Caption(NumeralSystemCaption, 1), "日韓 數字");
  EXPECT_EQ(table.Caption(KatakanaCaption, 1), "振り假名");
  EXPECT_EQ(table.Caption(IndonesianHelpCaption, 0), "Indonesian");
  EXPECT_EQ(table.Caption(IndonesianHelpCaption, 1), "インドネシア語");
  // "View Point" is English in the Japanese column too.
  EXPECT_EQ(table.Caption(ViewPointCaption, 0), "View Point");
  EXPECT_EQ(table.Caption(ViewPointCaption, 1), "View Point");
}

TEST(CaptionTable, NamesTheSixSystemsInOrder) {
  const CaptionTable table;
  const char16_t* english[] = {u"British Sign Language (BSL)", u"Indonesian Alphabet",
                               u"Amerian Sign Language (ASL)", u"Derived ASL Alphabet",
                               u"Japanese Sign Language (JSL)", u"Korean Sign Language (KSL)"};
  const char16_t* japanese[] = {u"イギリス手話 (BSL)", u"インドネシア指文字",
                                u"アメリカ手話 (ASL)", u"派生 ASL アルファベット",
                                u"日本手話 (JSL)", u"韓國手話 (KSL)"};
  for (int16_t system = 0; system < 6; ++system) {
    EXPECT_EQ(table.SystemCaption(system, 0), QString::fromUtf16(english[system]));
    EXPECT_EQ(table.SystemCaption(system, 1), QString::fromUtf16(japanese[system]));
    EXPECT_EQ(table.Caption(FirstSystemCaption + system, 0), table.SystemCaption(system, 0));
  }
  EXPECT_EQ(table.SystemCaption(6, 0), "");
  EXPECT_EQ(table.SystemCaption(-1, 0), "");
}

TEST(CaptionTable, EverythingElseIsEmpty) {
  const CaptionTable table;
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
}

}  // namespace
