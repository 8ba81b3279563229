#pragma once

#include <QByteArray>
#include <QString>

// Text files are read as UTF-8 (a leading byte-order mark is dropped); a file that is
// not valid UTF-8 is taken to be Shift_JIS, the encoding of older Japanese files.
QString DecodeTextFile(const QByteArray& bytes);
