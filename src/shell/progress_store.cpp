#include "shell/progress_store.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QUuid>
#include <QVariant>

#include <functional>

namespace {

// The tables of schema version 1. Dates are ISO 8601 text in UTC, sign lists blank
// separated codes; an empty text is stored as NULL, as Qt binds it.
const char* const kSchemaVersion1[] = {
    "CREATE TABLE sessions (id INTEGER PRIMARY KEY, started TEXT, system INTEGER NOT NULL,"
    " asked INTEGER NOT NULL, answered_right INTEGER NOT NULL, average_speed INTEGER NOT NULL)",
    "CREATE TABLE answers (id INTEGER PRIMARY KEY, answered TEXT, system INTEGER NOT NULL,"
    " word TEXT, typed TEXT, answered_right INTEGER NOT NULL, speed INTEGER NOT NULL)",
    "CREATE TABLE signs (system INTEGER NOT NULL, sign INTEGER NOT NULL, tries INTEGER NOT NULL,"
    " answered_right INTEGER NOT NULL, taken_for TEXT, last_seen TEXT,"
    " PRIMARY KEY (system, sign))",
    "CREATE TABLE reviews (system INTEGER NOT NULL, word TEXT, box INTEGER NOT NULL,"
    " due TEXT, last_right TEXT, PRIMARY KEY (system, word))",
    "CREATE TABLE facts (name TEXT PRIMARY KEY, value TEXT)",
};

// Version 2: what the reading speed is measured with, and the decayed evidence of each
// sign, which a version 1 file starts from its plain counts.
const char* const kSchemaVersion2[] = {
    "ALTER TABLE answers ADD COLUMN pace REAL NOT NULL DEFAULT 0",
    "ALTER TABLE sessions ADD COLUMN reading_speed REAL",
    "ALTER TABLE signs ADD COLUMN right_weight REAL NOT NULL DEFAULT 0",
    "ALTER TABLE signs ADD COLUMN wrong_weight REAL NOT NULL DEFAULT 0",
    "UPDATE signs SET right_weight = answered_right, wrong_weight = tries - answered_right",
};

constexpr char kHistoryImported[] = "history imported";

QString DateText(const QDateTime& when) { return when.isValid() ? when.toUTC().toString(Qt::ISODateWithMs) : QString(); }

QDateTime DateOf(const QVariant& text) {
  QDateTime when = QDateTime::fromString(text.toString(), Qt::ISODateWithMs);
  if (!when.isValid()) return {};
  return when.toUTC();
}

QString SignsText(const std::vector<int>& signs) {
  QStringList words;
  for (const int sign : signs) words << QString::number(sign);
  return words.join(u' ');
}

std::vector<int> SignsOf(const QString& text) {
  std::vector<int> signs;
  for (const QString& word : text.split(u' ', Qt::SkipEmptyParts)) {
    bool ok = false;
    const int sign = word.toInt(&ok);
    if (ok) signs.push_back(sign);
  }
  return signs;
}

SystemId SystemOf(const QVariant& number) {
  return SystemFromNumber(static_cast<int16_t>(number.toInt())).value_or(SystemId::BritishTwoHanded);
}

void PrepareSessionInsert(QSqlQuery& query) {
  query.prepare(QStringLiteral("INSERT INTO sessions (started, system, asked, answered_right, average_speed,"
                               " reading_speed) VALUES (?, ?, ?, ?, ?, ?)"));
}

// One session through a query PrepareSessionInsert made; a session that measured no
// reading speed keeps NULL there.
bool InsertSession(QSqlQuery& query, const PracticeSessionRecord& session, std::optional<double> readingSpeed) {
  query.addBindValue(DateText(session.When));
  query.addBindValue(SystemNumber(session.System));
  query.addBindValue(session.Asked);
  query.addBindValue(session.Right);
  query.addBindValue(session.AverageSpeed);
  query.addBindValue(readingSpeed ? QVariant(*readingSpeed) : QVariant(QMetaType::fromType<double>()));
  return query.exec();
}

// Runs `statements` in one transaction: all of them or none.
bool InTransaction(QSqlDatabase& database, const std::function<bool(QSqlQuery&)>& statements, QString* error) {
  const auto fail = [&](const QString& reason) {
    if (error) *error = reason;
    return false;
  };
  if (!database.transaction()) return fail(database.lastError().text());
  QSqlQuery query(database);
  if (!statements(query)) {
    const QString reason = query.lastError().text();
    database.rollback();
    return fail(reason.isEmpty() ? QCoreApplication::translate("Messages", "the change was refused") : reason);
  }
  if (!database.commit()) {
    const QString reason = database.lastError().text();
    database.rollback();
    return fail(reason);
  }
  return true;
}

// The schema version of an open database, or nullopt when the file is no database.
std::optional<int> SchemaVersionOf(QSqlDatabase& database) {
  QSqlQuery check(database);
  if (!check.exec(QStringLiteral("PRAGMA quick_check")) || !check.next() ||
      check.value(0).toString() != QStringLiteral("ok"))
    return std::nullopt;
  QSqlQuery version(database);
  if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next()) return std::nullopt;
  return version.value(0).toInt();
}

}  // namespace

QString SetAsideName(const QString& path, const QDateTime& now) {
  const QString base = path + QStringLiteral(".unreadable-") + now.toUTC().toString(QStringLiteral("yyyyMMdd-hhmmss"));
  QString name = base;
  for (int n = 2; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n) name = base + u'-' + QString::number(n);
  return name;
}

ProgressStore::ProgressStore(QString path, QString connection)
    : path_(std::move(path)), connection_(std::move(connection)) {}

ProgressStore::~ProgressStore() {
  QSqlDatabase::database(connection_, false).close();
  QSqlDatabase::removeDatabase(connection_);
}

ProgressStore::Opened ProgressStore::Open(const QString& path) {
  Opened opened;
  const QString connection = QStringLiteral("progress-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
  const auto openDatabase = [&] {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    database.setDatabaseName(path);
    return database;
  };
  const auto drop = [&] {
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
  };

  const QFileInfo file(path);
  if (file.exists() || file.isSymLink()) {
    std::optional<int> version;
    if (file.isFile()) {
      QSqlDatabase database = openDatabase();
      if (database.open()) version = SchemaVersionOf(database);
    }
    drop();
    if (version && *version > kSchemaVersion) {
      opened.message = QCoreApplication::translate("Messages", "The progress file %1 was written by a newer Tovaro (version %2); it is left as it is, "
                                      "and this practice is not kept in it.")
                           .arg(path)
                           .arg(*version);
      return opened;
    }
    if (!version) {
      // Set aside, never deleted: the learner's record may still be recovered from it.
      const QString aside = SetAsideName(path, QDateTime::currentDateTimeUtc());
      if (!QFile::rename(path, aside)) {
        opened.message = QCoreApplication::translate("Messages", "The progress file %1 cannot be read or moved aside; the practice is not kept.").arg(path);
        return opened;
      }
      opened.message =
          QCoreApplication::translate("Messages", "The progress file %1 could not be read. It was kept as %2, and a new one was started.").arg(path, aside);
    }
  }

  QSqlDatabase database = openDatabase();
  std::optional<int> version;
  if (database.open()) version = SchemaVersionOf(database);
  if (!version) {
    drop();
    opened.message = QCoreApplication::translate("Messages", "The progress file %1 cannot be made: %2").arg(path, QCoreApplication::translate("Messages", "it could not be opened"));
    return opened;
  }
  if (*version < kSchemaVersion) {
    QString error;
    // Version 0 is a new, empty file; each later version adds its step.
    const int from = *version;
    const bool made = InTransaction(
        database,
        [from](QSqlQuery& query) {
          if (from < 1)
            for (const char* statement : kSchemaVersion1)
              if (!query.exec(QString::fromLatin1(statement))) return false;
          for (const char* statement : kSchemaVersion2)
            if (!query.exec(QString::fromLatin1(statement))) return false;
          return query.exec(QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
        },
        &error);
    if (!made) {
      drop();
      opened.message = QCoreApplication::translate("Messages", "The progress file %1 cannot be made: %2").arg(path, error);
      return opened;
    }
  }
  opened.store.reset(new ProgressStore(path, connection));
  return opened;
}

std::unique_ptr<ProgressStore> ProgressStore::OpenToRead(const QString& path) {
  if (!QFileInfo(path).isFile()) return nullptr;
  const QString connection = QStringLiteral("progress-read-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
  bool readable = false;
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    database.setDatabaseName(path);
    database.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    // No integrity check here: it reads the whole file, and a reader that meets a
    // damaged page only shows less; the writer's Open is the one that sets it aside.
    if (database.open()) {
      QSqlQuery version(database);
      readable = version.exec(QStringLiteral("PRAGMA user_version")) && version.next() &&
                 version.value(0).toInt() == kSchemaVersion;
    }
  }
  if (!readable) {
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
    return nullptr;
  }
  return std::unique_ptr<ProgressStore>(new ProgressStore(path, connection));
}

bool ProgressStore::AddSession(const PracticeSessionRecord& session, QString* error) {
  return AddSession(session, std::nullopt, error);
}

bool ProgressStore::AddSession(const PracticeSessionRecord& session, std::optional<double> readingSpeed,
                               QString* error) {
  QSqlDatabase database = QSqlDatabase::database(connection_);
  return InTransaction(database, [&](QSqlQuery& query) {
    PrepareSessionInsert(query);
    return InsertSession(query, session, readingSpeed);
  }, error);
}

bool ProgressStore::AddAnswer(const PracticeAnswerRecord& answer, QString* error) {
  QSqlDatabase database = QSqlDatabase::database(connection_);
  return InTransaction(database, [&](QSqlQuery& query) {
    query.prepare(QStringLiteral("INSERT INTO answers (answered, system, word, typed, answered_right, speed, pace)"
                                 " VALUES (?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(DateText(answer.When));
    query.addBindValue(SystemNumber(answer.System));
    query.addBindValue(answer.Word);
    query.addBindValue(answer.Typed);
    query.addBindValue(answer.Right ? 1 : 0);
    query.addBindValue(answer.Speed);
    query.addBindValue(answer.Pace);
    return query.exec();
  }, error);
}

bool ProgressStore::PutSigns(const std::vector<SignProgressRecord>& signs, QString* error) {
  QSqlDatabase database = QSqlDatabase::database(connection_);
  return InTransaction(database, [&](QSqlQuery& query) {
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO signs (system, sign, tries, answered_right, taken_for, last_seen,"
                                 " right_weight, wrong_weight) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const SignProgressRecord& sign : signs) {
      query.addBindValue(SystemNumber(sign.System));
      query.addBindValue(sign.Sign);
      query.addBindValue(sign.Tries);
      query.addBindValue(sign.Right);
      query.addBindValue(SignsText(sign.TakenFor));
      query.addBindValue(DateText(sign.LastSeen));
      query.addBindValue(sign.RightWeight);
      query.addBindValue(sign.WrongWeight);
      if (!query.exec()) return false;
    }
    return true;
  }, error);
}

bool ProgressStore::PutReview(const ReviewRecord& review, QString* error) {
  QSqlDatabase database = QSqlDatabase::database(connection_);
  return InTransaction(database, [&](QSqlQuery& query) {
    query.prepare(QStringLiteral("INSERT OR REPLACE INTO reviews (system, word, box, due, last_right) VALUES (?, ?, ?, ?, ?)"));
    query.addBindValue(SystemNumber(review.System));
    query.addBindValue(review.Word);
    query.addBindValue(review.Box);
    query.addBindValue(DateText(review.Due));
    query.addBindValue(DateText(review.LastRight));
    return query.exec();
  }, error);
}

bool ProgressStore::RemoveReview(SystemId system, const QString& word, QString* error) {
  QSqlDatabase database = QSqlDatabase::database(connection_);
  return InTransaction(database, [&](QSqlQuery& query) {
    query.prepare(QStringLiteral("DELETE FROM reviews WHERE system = ? AND word = ?"));
    query.addBindValue(SystemNumber(system));
    query.addBindValue(word);
    return query.exec();
  }, error);
}

std::vector<PracticeSessionRecord> ProgressStore::Sessions() const {
  std::vector<PracticeSessionRecord> sessions;
  QSqlQuery query(QSqlDatabase::database(connection_));
  if (!query.exec(QStringLiteral("SELECT started, system, asked, answered_right, average_speed FROM sessions ORDER BY id")))
    return sessions;
  while (query.next())
    sessions.push_back({DateOf(query.value(0)), SystemOf(query.value(1)), query.value(2).toInt(), query.value(3).toInt(),
                        query.value(4).toInt()});
  return sessions;
}

std::vector<PracticeAnswerRecord> ProgressStore::Answers() const {
  std::vector<PracticeAnswerRecord> answers;
  QSqlQuery query(QSqlDatabase::database(connection_));
  if (!query.exec(QStringLiteral("SELECT answered, system, word, typed, answered_right, speed, pace FROM answers ORDER BY id")))
    return answers;
  while (query.next())
    answers.push_back({DateOf(query.value(0)), SystemOf(query.value(1)), query.value(2).toString(),
                       query.value(3).toString(), query.value(4).toInt() != 0, query.value(5).toInt(), query.value(6).toDouble()});
  return answers;
}

std::vector<SignProgressRecord> ProgressStore::Signs(SystemId system) const {
  std::vector<SignProgressRecord> signs;
  QSqlQuery query(QSqlDatabase::database(connection_));
  query.prepare(QStringLiteral("SELECT sign, tries, answered_right, taken_for, last_seen, right_weight, wrong_weight"
                               " FROM signs WHERE system = ? ORDER BY sign"));
  query.addBindValue(SystemNumber(system));
  if (!query.exec()) return signs;
  while (query.next())
    signs.push_back({system, query.value(0).toInt(), query.value(1).toInt(), query.value(2).toInt(),
                     SignsOf(query.value(3).toString()), DateOf(query.value(4)), query.value(5).toDouble(),
                     query.value(6).toDouble()});
  return signs;
}

std::vector<ReviewRecord> ProgressStore::Reviews(SystemId system) const {
  std::vector<ReviewRecord> reviews;
  QSqlQuery query(QSqlDatabase::database(connection_));
  query.prepare(QStringLiteral("SELECT word, box, due, last_right FROM reviews WHERE system = ? ORDER BY due, word"));
  query.addBindValue(SystemNumber(system));
  if (!query.exec()) return reviews;
  while (query.next())
    reviews.push_back({system, query.value(0).toString(), query.value(1).toInt(), DateOf(query.value(2)),
                       DateOf(query.value(3))});
  return reviews;
}

std::vector<double> ProgressStore::ReadingSpeeds(SystemId system) const {
  std::vector<double> speeds;
  QSqlQuery query(QSqlDatabase::database(connection_));
  query.prepare(QStringLiteral("SELECT reading_speed FROM sessions WHERE system = ? AND reading_speed IS NOT NULL ORDER BY id"));
  query.addBindValue(SystemNumber(system));
  if (!query.exec()) return speeds;
  while (query.next()) speeds.push_back(query.value(0).toDouble());
  return speeds;
}

std::vector<std::optional<double>> ProgressStore::SessionReadingSpeeds() const {
  std::vector<std::optional<double>> speeds;
  QSqlQuery query(QSqlDatabase::database(connection_));
  if (!query.exec(QStringLiteral("SELECT reading_speed FROM sessions ORDER BY id"))) return speeds;
  while (query.next())
    speeds.push_back(query.value(0).isNull() ? std::nullopt : std::optional(query.value(0).toDouble()));
  return speeds;
}

bool ProgressStore::ImportHistoryOnce(const QString& historyPath, QString* message) {
  QSqlDatabase database = QSqlDatabase::database(connection_);
  {
    QSqlQuery done(database);
    done.prepare(QStringLiteral("SELECT value FROM facts WHERE name = ?"));
    done.addBindValue(QString::fromLatin1(kHistoryImported));
    if (done.exec() && done.next()) return true;
  }
  const PracticeHistoryReading reading = ReadPracticeHistory(historyPath);
  if (!reading.Refusal.isEmpty()) {
    if (message) *message = reading.Refusal;
    return false;
  }
  const std::vector<PracticeSessionRecord>& history = reading.Records;
  QString error;
  // The sessions and the note that they came over go in together, so a crash between
  // the two never imports them twice.
  const bool copied = InTransaction(database, [&](QSqlQuery& query) {
    PrepareSessionInsert(query);
    for (const PracticeSessionRecord& session : history)
      if (!InsertSession(query, session, std::nullopt)) return false;
    query.prepare(QStringLiteral("INSERT INTO facts (name, value) VALUES (?, ?)"));
    query.addBindValue(QString::fromLatin1(kHistoryImported));
    query.addBindValue(DateText(QDateTime::currentDateTimeUtc()));
    return query.exec();
  }, &error);
  if (!copied && message)
    *message = QCoreApplication::translate("Messages", "The practice history %1 could not be copied into the progress file: %2")
                   .arg(historyPath, error);
  return copied;
}
