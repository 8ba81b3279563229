#pragma once

#include <QString>

#include <array>
#include <cstdint>

// Rows of the caption table, named after what they caption.
enum CaptionRow : int {
  FileMenuCaption = 0,
  ExitCaption = 1,
  ToolMenuCaption = 2,
  BitmapCaption = 3,
  FingerspellLanguageCaption = 4,
  EditCaption = 5,
  WordListCaption = 6,
  PracticeCaption = 7,
  HelpCaption = 8,
  AboutCaption = 9,
  ViewPointCaption = 10,
  HomeCaption = 11,
  StartCaption = 12,
  ViewerCaption = 13,
  SignerCaption = 14,
  SpeedCaption = 15,
  ContinueCaption = 16,
  EndCaption = 17,
  RepeatCaption = 18,
  // Systems 0..5 in order: BSL, Indonesian, ASL, derived ASL, JSL, KSL.
  FirstSystemCaption = 19,
  NumeralSystemCaption = 25,
  WordCaption = 30,
  NumericCaption = 31,
  KatakanaCaption = 32,
  AnswerCaption = 33,
  JapaneseHelpCaption = 34,
  EnglishHelpCaption = 35,
  KoreanHelpCaption = 36,
  IndonesianHelpCaption = 37,
};

// Every variable text of the windows, one column per interface language: column 0
// English, column 1 Japanese. The other columns and the unused rows are empty.
class CaptionTable {
 public:
  static constexpr int kRows = 101;
  static constexpr int kColumns = 5;

  CaptionTable();

  // The caption of a row in the column of an interface language; an empty text for a
  // row or language outside the table, so a window never shows garbage.
  QString Caption(int row, int16_t language) const;

  // The caption of system 0..5 (the name the system label and the system choice show).
  QString SystemCaption(int16_t system, int16_t language) const;

 private:
  std::array<std::array<QString, kColumns>, kRows> cells_;
};
