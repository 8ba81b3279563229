#pragma once

#include <QCoreApplication>
#include <QString>

// The program's logic words its messages in English, marked where they are written with
// QT_TRANSLATE_NOOP("Messages", ...); a message is put into the interface language
// where it is shown, and a message with places is translated before they are filled.
// Without a translation installed (the command-line tool, English) it stays as it is.
inline QString InInterfaceLanguage(const QString& english) {
  return QCoreApplication::translate("Messages", english.toUtf8().constData());
}
