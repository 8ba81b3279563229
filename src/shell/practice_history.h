#pragma once

#include "convert/system_id.h"

#include <QDateTime>
#include <QString>

#include <vector>

// The record of finished practice sessions with a typed answer, one line each in
// "Practice.csv" beside the settings file:
//   2026-12-07T10:15:00,2,20,17,180
// date and time (UTC), system (0..6), words asked, answered right, average speed.
inline const QString kPracticeHistoryFileName = QStringLiteral("Practice.csv");

struct PracticeSessionRecord {
  QDateTime When;
  SystemId System = SystemId::BritishTwoHanded;
  int Asked = 0;
  int Right = 0;
  int AverageSpeed = 0;

  friend bool operator==(const PracticeSessionRecord&, const PracticeSessionRecord&) = default;
};

// The line of a record, without its line end.
QString PracticeRecordLine(const PracticeSessionRecord& record);

// The records of a history text in file order; a malformed line is passed over.
std::vector<PracticeSessionRecord> ParsePracticeHistory(const QString& text);

// The history holds a few dozen bytes a session: 16 MiB is far more than a lifetime of
// practice, and anything larger is not a history worth holding in memory.
constexpr qint64 kLargestPracticeHistory = 16 << 20;

struct PracticeHistoryReading {
  std::vector<PracticeSessionRecord> Records;
  // Empty when the file was read (or is missing); otherwise the message to show, such as
  // "The practice history is not a regular file: <path>".
  QString Refusal;
};

// Reads the file like the settings file: a regular file of at most
// kLargestPracticeHistory bytes, so a FIFO cannot block and a device cannot exhaust
// memory. A missing file is an empty history.
PracticeHistoryReading ReadPracticeHistory(const QString& path);

// Adds a record at the end of the file, which is not read or written anew for it; a
// failure leaves the earlier history as it was. False, with the reason in *error.
bool AppendPracticeRecord(const QString& path, const PracticeSessionRecord& record,
                          QString* error = nullptr);

// "The practice history could not be saved: <file>: <reason>"
QString PracticeHistorySaveMessage(const QString& path, const QString& reason);

// The last `count` records of a system, oldest first.
std::vector<PracticeSessionRecord> LastSessionsOf(const std::vector<PracticeSessionRecord>& history,
                                                  SystemId system, int count);
