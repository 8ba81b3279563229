#pragma once

#include "convert/system_id.h"
#include "shell/practice_history.h"

#include <QDateTime>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// The learner's progress kept in "Progress.sqlite" beside the settings file: the
// practice sessions, every typed answer, what is known of each sign and the words
// waiting for review. Every change is one transaction, so a crash loses at most the
// answer being written. The file carries its schema version; an older one is brought
// up to date, a newer one (written by a later Tovaro) is refused and left untouched,
// and one that cannot be read is set aside under another name, never deleted, and a
// new one started.
inline const QString kProgressFileName = QStringLiteral("Progress.sqlite");

// One typed answer to a word of a practice session.
struct PracticeAnswerRecord {
  QDateTime When;
  SystemId System = SystemId::BritishTwoHanded;
  QString Word;
  QString Typed;
  bool Right = false;
  int Speed = 0;
  double Pace = 0.0;  // letters a second; 0 where not known

  friend bool operator==(const PracticeAnswerRecord&, const PracticeAnswerRecord&) = default;
};

// What is known of one sign of a system: how often it was shown, how often read
// right, and what it was taken for (sign codes, one per misreading, oldest first).
struct SignProgressRecord {
  SystemId System = SystemId::BritishTwoHanded;
  int Sign = 0;
  int Tries = 0;
  int Right = 0;
  std::vector<int> TakenFor;
  QDateTime LastSeen;
  // The right and wrong readings as evidence, decayed to LastSeen.
  double RightWeight = 0.0;
  double WrongWeight = 0.0;

  friend bool operator==(const SignProgressRecord&, const SignProgressRecord&) = default;
};

// A word waiting to be asked again: its box (how often it was answered right in a row,
// on separate days) and when it is due.
struct ReviewRecord {
  SystemId System = SystemId::BritishTwoHanded;
  QString Word;
  int Box = 0;
  QDateTime Due;
  QDateTime LastRight;

  friend bool operator==(const ReviewRecord&, const ReviewRecord&) = default;
};

class ProgressStore {
 public:
  // 2: the pace of each answer, the reading speed of each session, the evidence of
  // each sign as weights.
  static constexpr int kSchemaVersion = 2;

  struct Opened {
    std::unique_ptr<ProgressStore> store;  // null when the file is refused
    QString message;                       // what the user is told, empty when all went well
  };

  // Opens or creates the file. A file of a newer schema version gives no store and a
  // message; a file that is no readable database is renamed (the message says to
  // what) and a new one started.
  static Opened Open(const QString& path);
  // Opens an existing file of this schema version only to read it: nothing is made,
  // brought up to date or set aside, so a window that only shows the progress never
  // changes the file. Null when there is no such file or it cannot be read.
  static std::unique_ptr<ProgressStore> OpenToRead(const QString& path);
  ~ProgressStore();
  ProgressStore(const ProgressStore&) = delete;
  ProgressStore& operator=(const ProgressStore&) = delete;

  const QString& Path() const { return path_; }

  // Each is one transaction; false, with the reason in *error, when it was not written.
  bool AddSession(const PracticeSessionRecord& session, QString* error = nullptr);
  // A session with the learner's reading speed at its end, in letters a second.
  bool AddSession(const PracticeSessionRecord& session, std::optional<double> readingSpeed, QString* error = nullptr);
  bool AddAnswer(const PracticeAnswerRecord& answer, QString* error = nullptr);
  bool PutSigns(const std::vector<SignProgressRecord>& signs, QString* error = nullptr);
  bool PutReview(const ReviewRecord& review, QString* error = nullptr);
  bool RemoveReview(SystemId system, const QString& word, QString* error = nullptr);

  // Oldest first.
  std::vector<PracticeSessionRecord> Sessions() const;
  std::vector<PracticeAnswerRecord> Answers() const;
  std::vector<SignProgressRecord> Signs(SystemId system) const;
  std::vector<ReviewRecord> Reviews(SystemId system) const;
  // The reading speeds of the sessions of `system` that measured one, oldest first.
  std::vector<double> ReadingSpeeds(SystemId system) const;
  // The reading speed each session of Sessions() measured, in the same order; nothing
  // for a session that measured none.
  std::vector<std::optional<double>> SessionReadingSpeeds() const;

  // Copies the sessions of the older history file into the store, once: a store that
  // has imported it (or been started without one) never reads it again. The file
  // itself is left where it is. False, with the message to show, when the copy failed
  // or the file was refused; a refused file is tried again at the next opening.
  bool ImportHistoryOnce(const QString& historyPath, QString* message = nullptr);

 private:
  ProgressStore(QString path, QString connection);

  QString path_;
  QString connection_;  // the name of this store's own database connection
};

// "<path>.unreadable-<yyyyMMdd-hhmmss>", a name not taken yet, where an unreadable
// progress file is set aside.
QString SetAsideName(const QString& path, const QDateTime& now);
