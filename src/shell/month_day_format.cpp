#include "shell/month_day_format.h"

#include <QStringList>

namespace {

bool IsField(QChar c) { return c.isLetter() && c.unicode() < 128; }

// The format cut into fields ("yyyy", "MM") and the texts between them; a quoted
// text stays whole with its quotes.
QStringList Pieces(const QString& format) {
  QStringList pieces;
  for (qsizetype i = 0; i < format.size();) {
    qsizetype end = i + 1;
    if (IsField(format[i])) {
      while (end < format.size() && format[end] == format[i]) ++end;
    } else {
      bool quoted = format[i] == u'\'';
      while (end < format.size() && (quoted || !IsField(format[end]))) {
        if (format[end] == u'\'') quoted = !quoted;
        ++end;
      }
    }
    pieces << format.mid(i, end - i);
    i = end;
  }
  return pieces;
}

}  // namespace

QString MonthDayFormat(const QLocale& locale) {
  QStringList pieces = Pieces(locale.dateFormat(QLocale::ShortFormat));
  for (qsizetype i = 0; i < pieces.size(); ++i) {
    if (!pieces[i].startsWith(u'y')) continue;
    // The year goes with the separator that joins it to the rest: the one after it
    // when it leads, else the one before.
    const bool leads = i == 0;
    pieces.removeAt(i);
    if (leads && i < pieces.size() && !IsField(pieces[i][0]))
      pieces.removeAt(i);
    else if (!leads && i > 0 && !IsField(pieces[i - 1][0]))
      pieces.removeAt(--i);
    --i;
  }
  QString format = pieces.join(QString());
  // What is left around the day and month, as "d." of "d.M." once its year is gone.
  while (!format.isEmpty() && !IsField(format.back()) && format.back() != u'\'' && format.back() != u'.')
    format.chop(1);
  return format.trimmed().isEmpty() ? QStringLiteral("M/d") : format.trimmed();
}
