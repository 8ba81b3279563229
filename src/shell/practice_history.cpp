#include "shell/practice_history.h"

#include "base/regular_file_append.h"
#include "base/regular_file_reading.h"
#include "base/text_decoding.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <optional>

namespace {

std::optional<int> Whole(const QString& field, int low, int high) {
  bool ok = false;
  const int value = field.trimmed().toInt(&ok);
  if (!ok || value < low || value > high) return std::nullopt;
  return value;
}

std::optional<PracticeSessionRecord> ParseLine(const QString& line) {
  const QStringList fields = line.split(u',');
  if (fields.size() != 5) return std::nullopt;
  PracticeSessionRecord record;
  record.When = QDateTime::fromString(fields[0].trimmed(), Qt::ISODate);
  const auto number = Whole(fields[1], 0, 6);
  const auto system = number ? SystemFromNumber(*number) : std::nullopt;
  const auto asked = Whole(fields[2], 1, 1000000);
  const auto right = Whole(fields[3], 0, 1000000);
  const auto speed = Whole(fields[4], 1, 32767);
  if (!record.When.isValid() || !system || !asked || !right || !speed || *right > *asked) return std::nullopt;
  record.When.setTimeSpec(Qt::UTC);
  record.System = *system;
  record.Asked = *asked;
  record.Right = *right;
  record.AverageSpeed = *speed;
  return record;
}

}  // namespace

QString PracticeRecordLine(const PracticeSessionRecord& record) {
  return QStringLiteral("%1,%2,%3,%4,%5")
      .arg(record.When.toUTC().toString(Qt::ISODate).remove(u'Z'))
      .arg(SystemNumber(record.System))
      .arg(record.Asked)
      .arg(record.Right)
      .arg(record.AverageSpeed);
}

std::vector<PracticeSessionRecord> ParsePracticeHistory(const QString& text) {
  std::vector<PracticeSessionRecord> records;
  for (QString line : text.split(u'\n')) {
    if (line.endsWith(u'\r')) line.chop(1);
    if (const auto record = ParseLine(line)) records.push_back(*record);
  }
  return records;
}

PracticeHistoryReading ReadPracticeHistory(const QString& path) {
  // Looked at without opening: a FIFO's open() alone would wait for a writer.
  if (!QFileInfo::exists(path)) return {};
  const auto bytes = ReadRegularFile(path, kLargestPracticeHistory);
  if (const QString* reason = std::get_if<QString>(&bytes)) {
    const bool whatItIs = reason->startsWith(u"not ") || reason->startsWith(u"larger ");
    return {{}, whatItIs ? QCoreApplication::translate("Messages", "The practice history is %1: %2").arg(*reason, path)
                         : QCoreApplication::translate("Messages", "The practice history could not be read: %1: %2").arg(path, *reason)};
  }
  return {ParsePracticeHistory(DecodeTextFile(std::get<QByteArray>(bytes))), {}};
}

bool AppendPracticeRecord(const QString& path, const PracticeSessionRecord& record, QString* error) {
  const std::optional<QString> failure =
      AppendLineToRegularFile(path, PracticeRecordLine(record).toUtf8() + "\r\n", kLargestPracticeHistory);
  if (failure && error) *error = *failure;
  return !failure;
}

QString PracticeHistorySaveMessage(const QString& path, const QString& reason) {
  return QCoreApplication::translate("Messages", "The practice history could not be saved: %1: %2").arg(path, reason);
}

std::vector<PracticeSessionRecord> LastSessionsOf(const std::vector<PracticeSessionRecord>& history,
                                                  SystemId system, int count) {
  std::vector<PracticeSessionRecord> last;
  for (auto record = history.rbegin(); record != history.rend() && static_cast<int>(last.size()) < count; ++record)
    if (record->System == system) last.insert(last.begin(), *record);
  return last;
}
