#pragma once

#include "convert/system_id.h"
#include "shell/interface_language.h"

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
  // The systems in the order of their numbers (SystemCaptionRow).
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
  TypeAnswerCaption = 38,
  AdaptSpeedCaption = 39,
  YourAnswerCaption = 40,
  WordLengthCaption = 41,
  LengthToCaption = 42,
  AnyLengthCaption = 43,
  ShortestWordCaption = 44,
  LongestWordCaption = 45,
  ScoreLineCaption = 46,
  WrongAnswerCaption = 47,
  ResultCaption = 48,
  ScoreCaption = 49,
  StatusCaption = 50,
  PlayMenuCaption = 51,
  ReplayCaption = 52,
  PauseCaption = 53,
  StopCaption = 54,
  StepBackCaption = 55,
  StepForwardCaption = 56,
  SlowMotionCaption = 57,
  ShowLettersCaption = 58,
  ViewMenuCaption = 59,
  FrontViewCaption = 60,
  SignersEyeCaption = 61,
  LeftSideCaption = 62,
  RightSideCaption = 63,
  AboveCaption = 64,
  LeftHandedCaption = 65,
  ReferenceChartCaption = 66,
  NaturalHandsCaption = 67,
  ExportCaption = 68,
  ReplayTipCaption = 69,
  StepSliderCaption = 70,
  StepSliderTipCaption = 71,
  LetterBeingSignedCaption = 72,
  ProgressCaption = 73,
  NoSessionCaption = 74,
  RightShareAxisCaption = 75,
  SpeedAxisCaption = 76,
  HangulCaption = 77,
  LifelikeMotionCaption = 78,
  // The phrases of the line that names the letters misread: "You read S for E, and
  // missed L and O".
  LetterReadAsCaption = 79,
  LetterMissedCaption = 80,
  LetterAddedCaption = 81,
  LetterSentenceCaption = 82,
  LetterAlsoCaption = 83,
  LetterBetweenCaption = 84,
  LetterBeforeLastCaption = 85,
  // The reading speed line of the practice: its name, its phrases and what joins them.
  ReadingSpeedCaption = 86,
  WordPaceCaption = 87,
  ReadingNowCaption = 88,
  ReadingNotKnownCaption = 89,
  SessionsLeftCaption = 90,
  TargetReachedCaption = 91,
  SessionsNotKnownCaption = 92,
  ReadingBetweenCaption = 93,
  SignShownCaption = 94,
  SignReadCaption = 95,
  FocusCaption = 96,
  // One past the last row in use.
  // The progress window.
  ProgressCloseCaption = 97,
  ConfusedOnceCaption = 98,
  NothingConfusedCaption = 99,
  SessionDateCaption = 100,
  SessionNumberCaption = 101,
  SignTriesCaption = 102,
  SignColumnCaption = 103,
  NoProgressCaption = 104,
  ReviewCountCaption = 105,
  ProgressReadingSpeedCaption = 106,
  ConfusedTimesCaption = 107,
  MostConfusedCaption = 108,
  SignAccuracyCaption = 109,
  LettersPerSecondAxisCaption = 110,
  CaptionRowsInUse = 111,
};

// Every variable text of the windows, one column per interface language (numbered as
// the languages are): English, the source of the others; the described Japanese; Korean
// and Indonesian from the interface's translations. The unused rows are empty.
// The caption row of a system's name.
int SystemCaptionRow(SystemId system);

// The described Japanese caption of a row, as the program was written with it; empty for
// an unused row. The Japanese translation file holds the same texts.
QString DescribedJapaneseCaption(int row);

class CaptionTable {
 public:
  static constexpr int kRows = 111;
  static constexpr int kColumns = 5;

  CaptionTable();

  // The caption of a row in the column of an interface language; an empty text for a
  // row or language outside the table, so a window never shows garbage.
  QString Caption(int row, InterfaceLanguage language) const;

  // The caption of a system the user chooses (the name the system label and the system
  // choice show); empty for the numerals.
  QString SystemCaption(SystemId system, InterfaceLanguage language) const;

 private:
  std::array<std::array<QString, kColumns>, kRows> cells_;
};
