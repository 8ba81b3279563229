#pragma once

#include "shell/interface_language.h"

#include "shell/letter_line.h"
#include "shell/practice_history.h"
#include "shell/reading_speed.h"

#include <QDialog>
#include <QFont>

#include <cstdint>
#include <vector>

class CaptionTable;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class PracticeChart;
class PracticeScore;

// The practice window: the speed, "Answer" (the answer shows only while it is held),
// Start, then Continue, Repeat and End; with "Type the answer" an answer box, the result and the
// score; the reading speed against its target; the word length range, "Adapt speed", and the chart of earlier sessions.
// It only shows and asks; the practice itself is run by whoever listens.
class QComboBox;
class QImage;

class PracticeWindow : public QDialog {
  Q_OBJECT

 public:
  explicit PracticeWindow(QWidget* parent = nullptr);

  void SetCaptions(const CaptionTable& captions, InterfaceLanguage language, const QFont& font);

  QString SpeedText() const;
  void SetSpeedText(const QString& text);
  bool TypedAnswer() const;
  bool AdaptSpeed() const;
  // "Keep this speed": the main window goes on at the practice's speed after End.
  bool KeepSpeed() const;
  int Shortest() const;
  int Longest() const;
  void SetOptions(bool typedAnswer, bool adaptSpeed, int shortest, int longest);
  // The letters to drill ("cmbFocus"): typed, or one of `choices` (pairs learners
  // confuse); empty for every letter.
  void SetFocusChoices(const QStringList& choices);
  QString Focus() const;

  // Before the first word only Start and the options can be used, so they can be set
  // before anything is spelled.
  void WaitForStart(bool waiting);
  // A new word is being spelled: the answer box is emptied, the result cleared.
  void NewWord();
  // The outcome of a typed answer: the right answer and a tick, or what was typed
  // against what was spelled and, below, the letters misread, missed and added (none
  // where the answer was not read sign by sign).
  void ShowResult(bool right, const QString& answer, const QString& typed,
                  const LetterAlignment& letters = LetterAlignment{});
  void ShowScore(const QString& score);
  // "Right 3 / 4, streak 2" in the interface language.
  void ShowScore(const PracticeScore& score);
  void ShowStatus(const QString& text);
  void ShowHistory(const std::vector<PracticeSessionRecord>& sessions);
  // The last word's pace, the learner's reading speed against the target and the
  // sessions still to go, in one line.
  void ShowReadingSpeed(const ReadingSpeedFacts& facts);
  // The sign shown and the one the learner read in its place, side by side under the
  // result ("picShownSign", "picReadSign"); hidden again with the next word.
  void ShowSignPair(const QImage& shown, const QString& shownLabel, const QImage& read, const QString& readLabel);
  bool SignPairShown() const;

  // Closing by the frame or Escape ends the practice, as End does.
  void reject() override;

 signals:
  void startClicked();
  void continueClicked();
  void repeatClicked();
  void endClicked();
  // "Answer" pressed (true) or released (false).
  void answerHeld(bool held);
  void answerTyped(const QString& typed);
  void lengthChanged();
  void focusChanged();
  // "Progress": the learner asks for the progress window.
  void progressClicked();

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();

  QLineEdit* speedBox_;
  QPushButton* answerButton_;
  QPushButton* startButton_;
  QPushButton* continueButton_;
  QPushButton* repeatButton_;
  QPushButton* endButton_;
  QPushButton* progressButton_;
  QLabel* statusLabel_;
  QCheckBox* typedAnswerBox_;
  QLineEdit* answerBox_;
  QLabel* resultLabel_;
  QLabel* scoreLabel_;
  QLabel* readingSpeedLabel_;
  QSpinBox* shortestBox_;
  QSpinBox* longestBox_;
  QCheckBox* adaptSpeedBox_;
  QCheckBox* keepSpeedBox_;
  PracticeChart* chart_;
  QLabel* speedLabel_;
  QLabel* answerLabel_;
  QLabel* lengthLabel_;
  QLabel* focusLabel_ = nullptr;
  QComboBox* focusBox_ = nullptr;
  QLabel* lengthToLabel_;
  QString statusCaption_ = QStringLiteral("Status");
  QString resultCaption_ = QStringLiteral("Result");
  QString scoreCaption_ = QStringLiteral("Score");
  QString readingSpeedCaption_ = QStringLiteral("Reading speed");
  ReadingSpeedPhrases readingPhrases_;
  ReadingSpeedFacts readingFacts_;
  QString scoreFormat_ = QStringLiteral("Right %1 / %2, streak %3");
  QString wrongAnswerFormat_ = QStringLiteral("It was \"%1\"; you typed \"%2\"");
  LetterLinePhrases letterPhrases_;
  QWidget* signPair_ = nullptr;
  QLabel* shownSignPicture_ = nullptr;
  QLabel* readSignPicture_ = nullptr;
  QLabel* shownSignCaption_ = nullptr;
  QString signShownFormat_ = QStringLiteral("Sign shown: %1");
  QString signReadFormat_ = QStringLiteral("Sign you read: %1");
  QLabel* readSignCaption_ = nullptr;
};
