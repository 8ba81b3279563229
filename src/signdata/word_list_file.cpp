#include "signdata/word_list_file.h"

#include "base/file_replacement.h"
#include "base/regular_file_reading.h"
#include "base/text_decoding.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

QStringList Lines(const QString& text) {
  QStringList lines = text.split(u'\n');
  for (QString& line : lines)
    if (line.endsWith(u'\r')) line.chop(1);
  return lines;
}

// One comma-separated field: blanks around it and the quotes around it removed.
QString FieldText(const QString& field) {
  QString text = field.trimmed();
  if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"')) text = text.mid(1, text.size() - 2);
  else if (text.startsWith(u'"')) text.remove(0, 1);
  return text.trimmed();
}

// A field as it is written, so that FieldText reads it back: one that starts with a
// double quote goes inside quotes, as the reader takes a lone leading quote away.
QString WrittenField(const QString& text) {
  return text.startsWith(u'"') ? u'"' + text + u'"' : text;
}

// The lines of a plain or reading list up to the first empty line.
QStringList ListLines(const QString& text) {
  QStringList lines;
  for (const QString& line : Lines(text)) {
    if (line.isEmpty()) break;
    lines << line;
  }
  return lines;
}

WordListLoad Failure(int line, const QString& why) {
  WordListLoad load;
  load.ok = false;
  load.reason = QCoreApplication::translate("Messages", "Word list line %1: %2").arg(line).arg(why);
  return load;
}

WordListLoad Refused(const QString& why) {
  WordListLoad load;
  load.ok = false;
  load.reason = why;
  return load;
}

// Why a word of line `line` cannot join a list that holds `count` words already, if it cannot.
std::optional<WordListLoad> BeyondLimits(int line, const QString& word, int count) {
  if (word.size() > kLongestListWord)
    return Failure(line, QCoreApplication::translate("Messages", "the word is longer than %1 characters").arg(kLongestListWord));
  if (count >= kMostListWords) return Refused(QCoreApplication::translate("Messages", "the list holds more than %1 words").arg(kMostListWords));
  return std::nullopt;
}

WordListLoad ParsePlain(const QString& text) {
  WordListLoad load;
  const QStringList lines = ListLines(text);
  for (int n = 0; n < lines.size(); ++n) {
    const QString word = FieldText(lines[n].section(u',', 0, 0));
    // A line of blanks holds no word to spell.
    if (word.isEmpty()) continue;
    if (auto refused = BeyondLimits(n + 1, word, load.list.Count())) return *refused;
    load.list.Words << word;
  }
  return load;
}

WordListLoad ParseReading(const QString& text) {
  WordListLoad load;
  const QStringList lines = ListLines(text);
  for (int n = 0; n < lines.size(); ++n) {
    const QString reading = FieldText(lines[n].section(u',', 0, 0));
    QString written = FieldText(lines[n].section(u',', 1, 1));
    if (reading.isEmpty()) continue;
    if (written.isEmpty()) written = reading;
    if (auto refused = BeyondLimits(n + 1, reading.size() >= written.size() ? reading : written, load.list.Count()))
      return *refused;
    load.list.Words << reading;
    load.list.Written << written;
  }
  return load;
}

WordListLoad ParseHtml(const QString& text) {
  WordListLoad load;
  QString word;
  const QStringList lines = Lines(text);
  for (int n = 0; n < lines.size(); ++n) {
    QStringList pieces = SplitText(lines[n], QStringLiteral(";"));
    if (pieces.isEmpty()) pieces << lines[n];
    for (const QString& piece : pieces) {
      if ((piece.contains(QStringLiteral("<p>"), Qt::CaseInsensitive) ||
           piece.contains(QStringLiteral("</p>"), Qt::CaseInsensitive)) &&
          !word.isEmpty()) {
        if (auto refused = BeyondLimits(n + 1, word, load.list.Count())) return *refused;
        load.list.Words << word;
        word.clear();
      }
      const qsizetype at = piece.indexOf(QStringLiteral("&#"));
      if (at < 0) continue;
      const QString number = piece.mid(at + 2);
      qsizetype digits = 0;
      while (digits < number.size() && number[digits].isDigit() && number[digits].unicode() < 128) ++digits;
      if (digits == 0)
        return Failure(n + 1, QCoreApplication::translate("Messages", "\"%1\" is not a character number").arg(piece.mid(at)));
      bool fits = false;
      const uint value = number.left(digits).toUInt(&fits);
      if (!fits || value > 0xFFFF)
        return Failure(n + 1, QCoreApplication::translate("Messages", "character number %1 is above 65535").arg(number.left(digits)));
      word += QChar(static_cast<char16_t>(value));
      // Checked as it grows, so a paragraph that never closes is not built in full.
      if (auto refused = word.size() > kLongestListWord ? BeyondLimits(n + 1, word, 0) : std::nullopt) return *refused;
    }
  }
  // The last word is kept even when its closing "</p>" is missing.
  if (!word.isEmpty()) {
    if (auto refused = BeyondLimits(lines.size(), word, load.list.Count())) return *refused;
    load.list.Words << word;
  }
  return load;
}

QString HtmlWord(const QString& word) {
  QString line = QStringLiteral("<p>");
  for (const QChar c : word) line += QStringLiteral("&#%1;").arg(c.unicode());
  return line + QStringLiteral("</p>");
}

}  // namespace

WordListFormat FormatOfWordListFile(const QString& path) {
  const QString name = QFileInfo(path).fileName();
  if (name.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive)) return WordListFormat::Html;
  if (name.compare(QStringLiteral("JSLdefault.txt"), Qt::CaseInsensitive) == 0) return WordListFormat::Reading;
  return WordListFormat::Plain;
}

QStringList SplitText(const QString& text, const QString& delimiter) {
  if (text.isEmpty()) return {};
  if (delimiter.isEmpty()) return {text};
  if (!text.contains(delimiter)) return {};
  QStringList pieces = text.split(delimiter);
  for (QString& piece : pieces) piece = piece.trimmed();
  return pieces;
}

WordListLoad ParseWordList(const QString& text, WordListFormat format) {
  switch (format) {
    case WordListFormat::Plain: return ParsePlain(text);
    case WordListFormat::Reading: return ParseReading(text);
    case WordListFormat::Html: return ParseHtml(text);
  }
  return {};
}

QString FormatWordList(const WordList& list, WordListFormat format) {
  QString text;
  switch (format) {
    case WordListFormat::Plain:
      for (const QString& word : list.Words) text += WrittenField(word) + kLineEnd;
      break;
    case WordListFormat::Reading:
      for (int i = 0; i < list.Count(); ++i)
        text += WrittenField(list.Words[i]) + u',' +
                WrittenField(i < list.Written.size() ? list.Written[i] : list.Words[i]) + kLineEnd;
      break;
    case WordListFormat::Html:
      text = QStringLiteral("<HTML>") + kLineEnd + QStringLiteral("<BODY>") + kLineEnd;
      for (const QString& word : list.Words) text += HtmlWord(word) + kLineEnd;
      text += QStringLiteral("</BODY>") + kLineEnd + QStringLiteral("</HTML>") + kLineEnd;
      break;
  }
  return text;
}

WordListLoad LoadWordListFile(const QString& path, WordListFormat format) {
  if (!QFileInfo::exists(path)) return Refused(QCoreApplication::translate("Messages", "the file does not exist"));
  const auto bytes = ReadRegularFile(path, kLargestWordListFile);
  if (const QString* reason = std::get_if<QString>(&bytes)) return Refused(*reason);
  return ParseWordList(DecodeTextFile(std::get<QByteArray>(bytes)), format);
}

bool SaveWordListFile(const QString& path, const WordList& list, WordListFormat format,
                      QString* error) {
  return ReplaceFile(path, FormatWordList(list, format).toUtf8(), error);
}

QString WordListReadMessage(const QString& path, const QString& reason) {
  return QCoreApplication::translate("Messages", "The word list could not be read: %1: %2").arg(path, reason);
}

QString WordListSaveMessage(const QString& path, const QString& reason) {
  return QCoreApplication::translate("Messages", "The word list could not be saved: %1: %2").arg(path, reason);
}
