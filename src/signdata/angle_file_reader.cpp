#include "signdata/angle_file_reader.h"

#include "base/message_text.h"
#include "base/number_format.h"

#include <cfloat>
#include <cmath>
#include <optional>

namespace {

// Hands out fields one at a time and knows the line each began on.
class FieldReader {
 public:
  explicit FieldReader(QStringView text) : text_(text) {}

  bool AtEnd() const { return position_ >= text_.size(); }
  // The line the next field starts on.
  int Line() const { return line_; }
  // The line the last field read started on: where a file that runs out ended.
  int LastFieldLine() const { return lastFieldLine_; }

  // The next field, or nullopt when the text has run out.
  std::optional<QStringView> Next() {
    if (AtEnd()) return std::nullopt;
    const qsizetype start = position_;
    lastFieldLine_ = line_;
    while (position_ < text_.size()) {
      const QChar c = text_[position_];
      if (c == u',') {
        const QStringView field = text_.mid(start, position_ - start);
        ++position_;
        return field;
      }
      if (c == u'\r' || c == u'\n') {
        const QStringView field = text_.mid(start, position_ - start);
        ++position_;
        if (c == u'\r' && position_ < text_.size() && text_[position_] == u'\n') ++position_;
        ++line_;
        return field;
      }
      ++position_;
    }
    return text_.mid(start);
  }

 private:
  QStringView text_;
  qsizetype position_ = 0;
  int line_ = 1;
  int lastFieldLine_ = 1;
};

// Where each field of a key-frame line goes.
float* FieldTarget(KeyFrame& k, int field) {
  if (field == 0) return &k.Rate;
  if (field <= 3) return &k.RightWristAngle[field - 1];
  if (field <= 6) return &k.RightWristPos[field - 4];
  if (field <= 51) return &k.RightFinger[field - 7];
  if (field <= 54) return &k.LeftWristAngle[field - 52];
  if (field <= 57) return &k.LeftWristPos[field - 55];
  if (field <= 102) return &k.LeftFinger[field - 58];
  return nullptr;
}

// "NaN", "-inf", "Infinity" and the like: text a float writer produces for a value
// that is no number. Read leniently it would silently become 0.
bool SpellsNonFiniteNumber(QStringView field) {
  QString compact;
  for (const QChar c : field)
    if (!c.isSpace()) compact += c.toLower();
  if (compact.startsWith(u'+') || compact.startsWith(u'-')) compact.remove(0, 1);
  return compact.startsWith(u"nan") || compact.startsWith(u"inf");
}

QString AtLine(int line, const QString& what) {
  return QStringLiteral("line %1: %2").arg(line).arg(what);
}

}  // namespace

std::variant<ParsedAngleData, AngleDataError> ParseAngleData(QStringView text, int columnCount) {
  if (columnCount != kOneHandColumns && columnCount != kTwoHandColumns)
    return AngleDataError{QStringLiteral("no file layout is set (%1 columns)").arg(columnCount)};

  ParsedAngleData parsed;
  FieldReader reader(text);
  std::vector<QStringView> fields(columnCount);

  // Reads one line's worth of fields; false when the text runs out first.
  auto readFields = [&]() {
    for (int i = 0; i < columnCount; ++i) {
      const auto field = reader.Next();
      if (!field) return false;
      fields[i] = *field;
    }
    return true;
  };

  while (!reader.AtEnd()) {
    const int headerLine = reader.Line();
    if (!readFields())
      return AngleDataError{AtLine(reader.LastFieldLine(), QStringLiteral("file ends inside a sign header"))};

    for (const int numeric : {0, 2})
      if (SpellsNonFiniteNumber(fields[numeric]))
        return AngleDataError{AtLine(headerLine, QStringLiteral("%1 is not a number")
                                                     .arg(ShortenedForMessage(fields[numeric].trimmed())))};
    const auto index = RoundToInt16(LenientNumber(fields[0]));
    if (!index)
      return AngleDataError{AtLine(headerLine, QStringLiteral("slot index %1 is beyond the 16-bit range")
                                                   .arg(ShortenedForMessage(fields[0].trimmed())))};
    if (*index < 0 || *index >= kSignSlots)
      return AngleDataError{
          AtLine(headerLine, QStringLiteral("slot index %1 outside 0..%2").arg(*index).arg(kSignSlots - 1))};
    const auto frameCount = RoundToInt16(LenientNumber(fields[2]));
    if (!frameCount)
      return AngleDataError{AtLine(headerLine, QStringLiteral("frame count %1 is beyond the 16-bit range")
                                                   .arg(ShortenedForMessage(fields[2].trimmed())))};
    if (*frameCount < 1)
      return AngleDataError{AtLine(headerLine, QStringLiteral("frame count %1").arg(*frameCount))};

    SignRecord record;
    record.FrameCount = *frameCount;
    QStringView name = fields[1];
    while (!name.isEmpty() && (name.front() == u' ' || name.front() == u'\t')) name = name.mid(1);
    record.Name = FixedLengthName(name.toString());
    record.Frames.resize(*frameCount);

    for (KeyFrame& frame : record.Frames) {
      const int frameLine = reader.Line();
      if (!readFields())
        return AngleDataError{
            AtLine(reader.LastFieldLine(), QStringLiteral("file ends inside sign %1").arg(*index))};
      for (int field = 0; field < columnCount; ++field) {
        const double value = LenientNumber(fields[field]);
        if (SpellsNonFiniteNumber(fields[field]))
          return AngleDataError{AtLine(frameLine, QStringLiteral("value %1 is not a number")
                                                      .arg(ShortenedForMessage(fields[field].trimmed())))};
        if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
          return AngleDataError{AtLine(frameLine, QStringLiteral("value %1 is out of range")
                                                      .arg(ShortenedForMessage(fields[field].trimmed())))};
        *FieldTarget(frame, field) = static_cast<float>(value);
      }
    }
    parsed.entries.emplace_back(*index, std::move(record));
  }
  return parsed;
}
