#include "shell/caption_table.h"

#include <gtest/gtest.h>

namespace {

using enum InterfaceLanguage;

// The main window's and the system choice's tests show most captions in both
// languages; these are the rows no window shows yet, and the shape of the table.
TEST(CaptionTable, HoldsTheCaptionsOfTheWindowsToComeAndNothingElse) {
  const CaptionTable table;
  EXPECT_EQ(table.Caption(ContinueCaption, Japanese), "継続");
  EXPECT_EQ(table.Caption(EndCaption, Japanese), "終了");
  EXPECT_EQ(table.Caption(NumeralSystemCaption, Japanese), "日韓 数字");
  EXPECT_EQ(table.Caption(IndonesianHelpCaption, English), "Indonesian");

  int filled = 0;
  for (int row = 0; row < CaptionTable::kRows; ++row) {
    for (const InterfaceLanguage language : kInterfaceLanguages) {
      const QString caption = table.Caption(row, language);
      const int column = InterfaceLanguageNumber(language);
      if ((row >= 26 && row <= 29) || row >= CaptionRowsInUse) {
        EXPECT_TRUE(caption.isEmpty()) << row << "," << column;
      } else {
        EXPECT_FALSE(caption.isEmpty()) << row << "," << column;
        ++filled;
      }
    }
  }
  EXPECT_EQ(filled, 4 * (CaptionRowsInUse - 4));
  // Outside the table there is nothing to show rather than a fault.
  EXPECT_EQ(table.Caption(CaptionTable::kRows, English), "");
  EXPECT_EQ(table.Caption(-1, English), "");
  // The numerals are no system the user chooses: they have no caption of a choice.
  EXPECT_EQ(table.SystemCaption(SystemId::Numerals, English), "");
}

// The Japanese captions come from the interface's Japanese translation, which must hold
// the described captions exactly; Korean and Indonesian come from theirs, every caption
// translated (a name the languages share, such as "Bitmap", may stay as it is) and every
// place for a number or a word kept.
TEST(CaptionTable, TheTranslationsHoldTheDescribedJapaneseAndEveryCaptionInKoreanAndIndonesian) {
  const CaptionTable table;
  int unchanged = 0;
  for (int row = 0; row < CaptionRowsInUse; ++row) {
    const QString english = table.Caption(row, English);
    if (english.isEmpty()) continue;
    EXPECT_EQ(table.Caption(row, Japanese), DescribedJapaneseCaption(row)) << row;
    for (const InterfaceLanguage language : {Korean, Indonesian}) {
      const QString translated = table.Caption(row, language);
      if (translated == english) ++unchanged;
      for (const QString& place : {QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%3")})
        EXPECT_EQ(english.contains(place), translated.contains(place)) << row << " " << place.toStdString();
    }
  }
  // Bitmap, Katakana, Status and Hangul in Indonesian; "; " and ", " in both.
  EXPECT_LE(unchanged, 8);
  EXPECT_EQ(table.Caption(PracticeCaption, Korean), "연습");
  EXPECT_EQ(table.Caption(PracticeCaption, Indonesian), "Latihan");
}

// The captions of the learner and practice controls: each has a Japanese caption of its
// own, and a caption with places for numbers or words keeps every place in Japanese.
TEST(CaptionTable, EveryLearnerControlHasItsOwnJapaneseCaption) {
  const CaptionTable table;
  for (int row = TypeAnswerCaption; row < CaptionTable::kRows; ++row) {
    if (row >= CaptionRowsInUse) continue;
    const QString english = table.Caption(row, English);
    const QString japanese = table.Caption(row, Japanese);
    EXPECT_FALSE(japanese.isEmpty()) << row;
    EXPECT_NE(japanese, english) << row;
    for (const QString& place : {QStringLiteral("%1"), QStringLiteral("%2"), QStringLiteral("%3")})
      EXPECT_EQ(english.contains(place), japanese.contains(place)) << row << " " << place.toStdString();
  }
  EXPECT_EQ(table.Caption(TypeAnswerCaption, Japanese), "答えを入力する");
  EXPECT_EQ(table.Caption(AdaptSpeedCaption, Japanese), "速度を自動調整");
  EXPECT_EQ(table.Caption(ShowLettersCaption, Japanese), "文字を表示");
  EXPECT_EQ(table.Caption(NaturalHandsCaption, Japanese), "自然な手");
  EXPECT_EQ(table.Caption(ExportCaption, English), "Export…");
}

}  // namespace
