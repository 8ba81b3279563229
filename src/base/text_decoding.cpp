#include "base/text_decoding.h"

#include <QStringDecoder>

QString DecodeTextFile(const QByteArray& bytes) {
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8.decode(bytes);
  if (!utf8.hasError()) {
    if (text.startsWith(QChar(0xfeff))) text.remove(0, 1);
    return text;
  }
  QStringDecoder shiftJis("Shift_JIS");
  if (shiftJis.isValid()) return shiftJis.decode(bytes);
  return QString::fromLatin1(bytes);
}
