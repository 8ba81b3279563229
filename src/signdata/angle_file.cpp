#include "signdata/angle_file.h"

#include "base/number_format.h"
#include "base/output_file.h"
#include "base/regular_file_reading.h"
#include "signdata/angle_file_reader.h"
#include "base/text_decoding.h"

#include <QFile>

#include <optional>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// The largest table, 257 slots of 32767 two-hand key frames, would be gigabytes; real
// files are well below a mebibyte.
constexpr qint64 kLargestAngleFile = qint64{64} << 20;

// The columns of a key-frame line, in file order.
std::vector<float> KeyFrameFields(const KeyFrame& k, int columnCount) {
  std::vector<float> v;
  v.reserve(columnCount);
  v.push_back(k.Rate);
  v.insert(v.end(), k.RightWristAngle.begin(), k.RightWristAngle.begin() + 3);
  v.insert(v.end(), k.RightWristPos.begin(), k.RightWristPos.begin() + 3);
  v.insert(v.end(), k.RightFinger.begin(), k.RightFinger.begin() + 45);
  if (columnCount == kTwoHandColumns) {
    v.insert(v.end(), k.LeftWristAngle.begin(), k.LeftWristAngle.begin() + 3);
    v.insert(v.end(), k.LeftWristPos.begin(), k.LeftWristPos.begin() + 3);
    v.insert(v.end(), k.LeftFinger.begin(), k.LeftFinger.begin() + 45);
  }
  return v;
}

// The format has no quoting, so a comma or line break in a name would split the line.
QString WritableName(const QString& name) {
  QString safe = FixedLengthName(name);
  for (QChar& c : safe)
    if (c == u',' || c == u'\r' || c == u'\n') c = u' ';
  return safe;
}

// For a file that failed to load in the layout of `columnCount`: when its first line
// has the columns of the other layout, that, not the line where reading went wrong,
// is what the user must hear.
std::optional<QString> OtherLayoutOfFile(QStringView text, int columnCount) {
  for (QStringView line : text.split(u'\n')) {
    if (line.trimmed().isEmpty()) continue;
    const int columns = static_cast<int>(line.count(u',')) + 1;
    if (columns == columnCount) return std::nullopt;
    if (columns == kTwoHandColumns)
      return QStringLiteral("the file has two hands (%1 columns a line), not one").arg(columns);
    if (columns == kOneHandColumns)
      return QStringLiteral("the file has one hand (%1 columns a line), not two").arg(columns);
    return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace

FileResult LoadAngleFile(SignTable& table, const QString& path) {
  auto bytes = ReadRegularFile(path, kLargestAngleFile);
  if (auto* error = std::get_if<QString>(&bytes)) return FileResult::Failure(*error);
  const QString text = DecodeTextFile(std::get<QByteArray>(bytes));

  auto parsed = ParseAngleData(text, table.ColumnCount);
  if (auto* error = std::get_if<AngleDataError>(&parsed))
    return FileResult::Failure(OtherLayoutOfFile(text, table.ColumnCount).value_or(error->reason));

  // Only now, with the whole file read, does the table change.
  auto& entries = std::get<ParsedAngleData>(parsed).entries;
  int highestSlot = -1;
  for (auto& [index, record] : entries) {
    table.Signs[index] = std::move(record);
    highestSlot = std::max(highestSlot, index);
  }
  // Counting up to the highest slot rather than the last entry keeps every loaded sign
  // in view and in the next save, whatever order the file lists them in.
  table.SignCount = static_cast<int16_t>(highestSlot + 1);
  return FileResult::Success();
}

QString FormatAngleData(const SignTableSlots& table, int signCount, int columnCount) {
  QString out;
  const QString headerTail = QString(columnCount - 3, u',');
  for (int i = 0; i < signCount && i < kSignSlots; ++i) {
    const SignRecord& record = table[i];
    const int frames = std::min<int>(record.FrameCount, static_cast<int>(record.Frames.size()));
    if (frames < 1) continue;
    out += QString::number(i) + u',' + WritableName(record.Name) + u',' + QString::number(frames) +
           headerTail + kLineEnd;
    for (int f = 0; f < frames; ++f) {
      const std::vector<float> fields = KeyFrameFields(record.Frames[f], columnCount);
      for (size_t c = 0; c + 1 < fields.size(); ++c) out += ShortestFloatText(fields[c]) + u',';
      out += FreeNumberForm(fields.back()) + kLineEnd;
    }
  }
  return out;
}

FileResult SaveAngleFile(const SignTable& table, const QString& path) {
  if (table.ColumnCount != kOneHandColumns && table.ColumnCount != kTwoHandColumns)
    return FileResult::Failure(QStringLiteral("no file layout is set (%1 columns)").arg(table.ColumnCount));
  QString error;
  if (!WriteOutputFile(path, FormatAngleData(table.Signs, table.SignCount, table.ColumnCount).toUtf8(),
                   &error))
    return FileResult::Failure(QStringLiteral("cannot write: %1").arg(error));
  return FileResult::Success();
}
