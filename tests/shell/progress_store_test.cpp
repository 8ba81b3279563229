#include "shell/progress_store.h"

#include "support/file_contents.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QDateTime At(int minute) { return QDateTime(QDate(2026, 12, 8), QTime(10, minute), Qt::UTC); }

PracticeAnswerRecord Answer(int n) {
  return {At(n), SystemId::American, QStringLiteral("word%1").arg(n), QStringLiteral("typed%1").arg(n), n % 2 == 0, 100 + n,
          n * 0.25};
}

// Sets the schema version of a database file as a later Tovaro would.
void SetSchemaVersion(const QString& path, int version) {
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("version"));
    database.setDatabaseName(path);
    ASSERT_TRUE(database.open());
    QSqlQuery query(database);
    ASSERT_TRUE(query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version)));
  }
  QSqlDatabase::removeDatabase(QStringLiteral("version"));
}

class ProgressStoreTest : public testing::Test {
 protected:
  QString Path() const { return dir_.filePath(kProgressFileName); }
  QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::NoDotAndDotDot, QDir::Name); }

  QTemporaryDir dir_;
};

}  // namespace

// Everything kept comes back as it was written, after the file is closed and opened.
TEST_F(ProgressStoreTest, SessionsAnswersSignsAndReviewsComeBackAsWritten) {
  const PracticeSessionRecord session{At(5), SystemId::JapaneseKana, 20, 17, 180};
  const SignProgressRecord sign{SystemId::American, 5, 12, 9, {19, 19, 1}, At(6), 7.5, 2.25};
  const ReviewRecord review{SystemId::American, QStringLiteral("naïve"), 2, At(30), At(7)};
  {
    ProgressStore::Opened opened = ProgressStore::Open(Path());
    ASSERT_TRUE(opened.store) << opened.message.toStdString();
    EXPECT_TRUE(opened.message.isEmpty());
    ASSERT_TRUE(opened.store->AddSession(session));
    ASSERT_TRUE(opened.store->AddSession({At(8), SystemId::JapaneseKana, 5, 4, 150}, 2.5));
    ASSERT_TRUE(opened.store->AddAnswer(Answer(1)));
    QString error;
    ASSERT_TRUE(opened.store->PutSigns({sign, {SystemId::American, 19, 3, 3, {}, At(6)}}, &error)) << error.toStdString();
    ASSERT_TRUE(opened.store->PutReview(review));
    ASSERT_TRUE(opened.store->PutReview({SystemId::American, QStringLiteral("gone"), 0, At(1), {}}));
    ASSERT_TRUE(opened.store->RemoveReview(SystemId::American, QStringLiteral("gone")));
  }
  ProgressStore::Opened again = ProgressStore::Open(Path());
  ASSERT_TRUE(again.store);
  EXPECT_EQ(again.store->Sessions().front(), session);
  EXPECT_EQ(again.store->ReadingSpeeds(SystemId::JapaneseKana), std::vector<double>{2.5});
  EXPECT_EQ(again.store->Answers(), std::vector<PracticeAnswerRecord>{Answer(1)});
  ASSERT_EQ(again.store->Signs(SystemId::American).size(), 2u);
  EXPECT_EQ(again.store->Signs(SystemId::American).front(), sign);
  EXPECT_TRUE(again.store->Signs(SystemId::BritishTwoHanded).empty());
  EXPECT_EQ(again.store->Reviews(SystemId::American), std::vector<ReviewRecord>{review});
}

// A crash between two answers (the process killed outright) loses none of those
// written before it.
TEST_F(ProgressStoreTest, AProcessKilledBetweenAnswersKeepsEveryAnswerWritten) {
  const pid_t child = fork();
  ASSERT_NE(child, -1);
  if (child == 0) {
    ProgressStore::Opened opened = ProgressStore::Open(Path());
    if (!opened.store) _exit(2);
    for (int n = 1; n <= 5; ++n)
      if (!opened.store->AddAnswer(Answer(n))) _exit(3);
    raise(SIGKILL);
    _exit(4);
  }
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status)) << "the child ended with " << WEXITSTATUS(status);
  ProgressStore::Opened opened = ProgressStore::Open(Path());
  ASSERT_TRUE(opened.store) << opened.message.toStdString();
  EXPECT_TRUE(opened.message.isEmpty());
  ASSERT_EQ(opened.store->Answers().size(), 5u);
  EXPECT_EQ(opened.store->Answers().back(), Answer(5));
}

// A file from a newer Tovaro is refused with a word and left exactly as it was; one
// that is no database is set aside under another name, never deleted, and a new one
// started.
TEST_F(ProgressStoreTest, ANewerFileIsRefusedUntouchedAndAnUnreadableOneIsSetAside) {
  { ASSERT_TRUE(ProgressStore::Open(Path()).store); }
  SetSchemaVersion(Path(), ProgressStore::kSchemaVersion + 1);
  const QByteArray newer = FileContents(Path());
  ProgressStore::Opened refused = ProgressStore::Open(Path());
  EXPECT_FALSE(refused.store);
  EXPECT_TRUE(refused.message.contains(u"newer Tovaro"_qs)) << refused.message.toStdString();
  EXPECT_EQ(FileContents(Path()), newer);

  const QByteArray garbage("this is not a database, only the learner's words\n");
  WriteFileContents(Path(), garbage);
  ProgressStore::Opened fresh = ProgressStore::Open(Path());
  ASSERT_TRUE(fresh.store);
  EXPECT_TRUE(fresh.message.contains(u"could not be read"_qs)) << fresh.message.toStdString();
  const QStringList files = Files();
  ASSERT_EQ(files.size(), 2) << files.join(u' ').toStdString();
  EXPECT_TRUE(files[1].startsWith(kProgressFileName + u".unreadable-"_qs)) << files[1].toStdString();
  EXPECT_TRUE(fresh.message.contains(files[1]));
  EXPECT_EQ(FileContents(dir_.filePath(files[1])), garbage);
  EXPECT_TRUE(fresh.store->AddAnswer(Answer(1)));

  // A name already taken is not written over.
  const QDateTime now = At(0);
  WriteFileContents(SetAsideName(Path(), now), "taken");
  EXPECT_NE(SetAsideName(Path(), now), Path() + u".unreadable-20261208-100000"_qs);
}

// A file of the first version keeps what it holds, and its signs' counts become their
// weights.
TEST_F(ProgressStoreTest, AFileOfTheFirstVersionIsBroughtUpToDate) {
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("first"));
    database.setDatabaseName(Path());
    ASSERT_TRUE(database.open());
    QSqlQuery query(database);
    for (const char* statement :
         {"CREATE TABLE sessions (id INTEGER PRIMARY KEY, started TEXT, system INTEGER NOT NULL,"
          " asked INTEGER NOT NULL, answered_right INTEGER NOT NULL, average_speed INTEGER NOT NULL)",
          "CREATE TABLE answers (id INTEGER PRIMARY KEY, answered TEXT, system INTEGER NOT NULL,"
          " word TEXT, typed TEXT, answered_right INTEGER NOT NULL, speed INTEGER NOT NULL)",
          "CREATE TABLE signs (system INTEGER NOT NULL, sign INTEGER NOT NULL, tries INTEGER NOT NULL,"
          " answered_right INTEGER NOT NULL, taken_for TEXT, last_seen TEXT, PRIMARY KEY (system, sign))",
          "CREATE TABLE reviews (system INTEGER NOT NULL, word TEXT, box INTEGER NOT NULL,"
          " due TEXT, last_right TEXT, PRIMARY KEY (system, word))",
          "CREATE TABLE facts (name TEXT PRIMARY KEY, value TEXT)",
          "INSERT INTO sessions VALUES (1, '2026-12-08T10:05:00.000Z', 2, 10, 7, 120)",
          "INSERT INTO answers VALUES (1, '2026-12-08T10:01:00.000Z', 2, 'word1', 'typed1', 0, 101)",
          "INSERT INTO signs VALUES (2, 5, 12, 9, '19 19 1', '2026-12-08T10:06:00.000Z')",
          "PRAGMA user_version = 1"})
      ASSERT_TRUE(query.exec(QString::fromLatin1(statement))) << statement;
  }
  QSqlDatabase::removeDatabase(QStringLiteral("first"));
  ProgressStore::Opened opened = ProgressStore::Open(Path());
  ASSERT_TRUE(opened.store) << opened.message.toStdString();
  EXPECT_TRUE(opened.message.isEmpty());
  EXPECT_EQ(opened.store->Sessions(), (std::vector<PracticeSessionRecord>{{At(5), SystemId::American, 10, 7, 120}}));
  EXPECT_TRUE(opened.store->ReadingSpeeds(SystemId::American).empty());
  PracticeAnswerRecord first = Answer(1);
  first.Pace = 0.0;
  EXPECT_EQ(opened.store->Answers(), std::vector<PracticeAnswerRecord>{first});
  EXPECT_EQ(opened.store->Signs(SystemId::American),
            (std::vector<SignProgressRecord>{{SystemId::American, 5, 12, 9, {19, 19, 1}, At(6), 9.0, 3.0}}));
  EXPECT_TRUE(opened.store->AddAnswer(Answer(2)));
}

// The older history file comes over once and stays where it was.
TEST_F(ProgressStoreTest, TheHistoryFileIsImportedOnceAndKept) {
  const QString history = dir_.filePath(kPracticeHistoryFileName);
  const QByteArray lines("2026-12-07T10:15:00,2,20,17,180\r\n2026-12-07T11:00:00,4,10,5,90\r\n");
  WriteFileContents(history, lines);
  {
    ProgressStore::Opened opened = ProgressStore::Open(Path());
    ASSERT_TRUE(opened.store);
    ASSERT_TRUE(opened.store->ImportHistoryOnce(history));
    ASSERT_TRUE(opened.store->ImportHistoryOnce(history));
  }
  ProgressStore::Opened opened = ProgressStore::Open(Path());
  ASSERT_TRUE(opened.store->ImportHistoryOnce(history));
  ASSERT_EQ(opened.store->Sessions().size(), 2u);
  EXPECT_EQ(opened.store->Sessions()[1].System, SystemId::JapaneseKana);
  EXPECT_EQ(opened.store->Sessions()[0].When, QDateTime(QDate(2026, 12, 7), QTime(10, 15), Qt::UTC));
  EXPECT_EQ(FileContents(history), lines);
}

// The import reads the history as bounded as the practice does: a FIFO there is refused
// with a message, not waited on, and the import is tried again once it is a file.
TEST_F(ProgressStoreTest, AHistoryThatIsNotARegularFileIsNotImported) {
  const QString history = dir_.filePath(kPracticeHistoryFileName);
  ASSERT_EQ(::mkfifo(QFile::encodeName(history).constData(), 0600), 0);
  ProgressStore::Opened opened = ProgressStore::Open(Path());
  ASSERT_TRUE(opened.store);
  QString message;
  EXPECT_FALSE(opened.store->ImportHistoryOnce(history, &message));
  EXPECT_EQ(message, u"The practice history is not a regular file: "_qs + history);
  ASSERT_TRUE(QFile::remove(history));
  WriteFileContents(history, "2026-12-07T10:15:00,2,20,17,180\r\n");
  EXPECT_TRUE(opened.store->ImportHistoryOnce(history));
  EXPECT_EQ(opened.store->Sessions().size(), 1u);
}
