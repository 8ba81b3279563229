#pragma once

#include "shell/practice_history.h"
#include "shell/practice_session.h"
#include "shell/progress_store.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

class MessageSink;
class PracticeWindow;
class QLineEdit;
class SignClass;

// Runs a practice on the main window: hides its input boxes (they hold the answer,
// shown while "Answer" is held), spells one word per turn from Start on at the speed
// of the speed box, and with a typed answer checks it, keeps the score, adapts the
// speed, shows the running session in the chart and the reading speed and, at the end,
// adds it to the practice history and gives the main window back its own speed unless
// it is kept. Each practice keeps its answers, what they taught of the learner's
// letters, the missed words and the session in the progress file, from which the next
// practice starts; the older history file is still written for older copies. Without
// a progress file what was learned is kept while the program runs.
class PracticeRunner : public QObject {
  Q_OBJECT

 public:
  struct Boxes {
    QLineEdit* word;     // InputArea
    QLineEdit* reading;  // FuriganaTxt
    QLineEdit* speed;    // Text1
  };

  PracticeRunner(PracticeWindow& window, Boxes boxes, SignClass& signs, MessageSink& messages,
                 QString historyPath, QString progressPath, QObject* parent = nullptr);

  // Starts a practice of `session` (the system chosen, numerals or list); false, with the
  // boxes as they were, when it cannot start. `listError` is what reading the list
  // said, if it failed.
  bool Start(std::unique_ptr<PracticeSession> session, const QString& listError);
  bool IsRunning() const { return session_ != nullptr; }

 signals:
  void ended();

 private:
  void Begin();
  // The letters chosen to drill, from the window; the status says when no word has them.
  void ApplyFocus();
  void Turn(bool newWord);
  void ShowLiveChart();
  void Continue();
  void Repeat();
  void End();
  void Stop();
  void HoldAnswer(bool held);
  void CheckTyped(const QString& typed);
  void RestoreBoxes();
  void OpenProgress();
  void KeepAnswer(const QString& typed, bool right);
  void ShowReadingSpeed();
  // The reading speeds of the earlier sessions and, once it has one, this one's.
  std::vector<double> SessionSpeeds() const;

  PracticeWindow& window_;
  Boxes boxes_;
  SignClass& signs_;
  MessageSink& messages_;
  const QString historyPath_;
  const QString progressPath_;
  std::unique_ptr<PracticeSession> session_;
  // Open while a practice runs; none when the file could not be used.
  std::unique_ptr<ProgressStore> store_;
  QString storeError_;
  // What earlier practices of a system left, for when there is no progress file.
  struct Carried {
    LearnerModel learner;
    ReviewQueue reviews;
    std::vector<PacedAnswer> answers;
    std::vector<double> sessionSpeeds;
  };
  std::vector<Carried> carried_;
  std::vector<double> earlierSpeeds_;
  std::optional<double> wordPace_;
  bool begun_ = false;
  bool historyRefused_ = false;  // refused when read, so not written to either
  // The main window's speed before the practice, back after it unless kept.
  QString mainSpeed_;
  std::vector<PracticeSessionRecord> earlierSessions_;
  bool wordBoxWasVisible_ = false;
  bool readingBoxWasVisible_ = false;
  int spokenSpeed_ = 100;
  QTimer nextWordTimer_;
};
