#pragma once

#include "shell/practice_history.h"
#include "shell/practice_session.h"

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
// speed, shows the running session in the chart and, at the end, adds it to the
// practice history and gives the main window back its own speed unless it is kept.
// What the answers taught of the learner's letters is kept for the next practice of
// the same system while the program runs.
class PracticeRunner : public QObject {
  Q_OBJECT

 public:
  struct Boxes {
    QLineEdit* word;     // InputArea
    QLineEdit* reading;  // FuriganaTxt
    QLineEdit* speed;    // Text1
  };

  PracticeRunner(PracticeWindow& window, Boxes boxes, SignClass& signs, MessageSink& messages,
                 QString historyPath, QObject* parent = nullptr);

  // Starts a practice of `session` (the system chosen, numerals or list); false, with the
  // boxes as they were, when it cannot start. `listError` is what reading the list
  // said, if it failed.
  bool Start(std::unique_ptr<PracticeSession> session, const QString& listError);
  bool IsRunning() const { return session_ != nullptr; }

 signals:
  void ended();

 private:
  void Begin();
  void Turn(bool newWord);
  void ShowLiveChart();
  void Continue();
  void Repeat();
  void End();
  void Stop();
  void HoldAnswer(bool held);
  void CheckTyped(const QString& typed);
  void RestoreBoxes();

  PracticeWindow& window_;
  Boxes boxes_;
  SignClass& signs_;
  MessageSink& messages_;
  const QString historyPath_;
  std::unique_ptr<PracticeSession> session_;
  std::vector<LearnerModel> learners_;
  bool begun_ = false;
  // The main window's speed before the practice, back after it unless kept.
  QString mainSpeed_;
  std::vector<PracticeSessionRecord> earlierSessions_;
  bool wordBoxWasVisible_ = false;
  bool readingBoxWasVisible_ = false;
  int spokenSpeed_ = 100;
  QTimer nextWordTimer_;
};
