#pragma once

#include <QByteArray>
#include <QString>

#include <variant>

// Reads a whole input file that must be a regular file of at most `largest` bytes.
// A FIFO, a device or a folder is refused before it is opened, so a FIFO without a
// writer cannot block the reader and /dev/zero cannot exhaust memory. On failure the
// string holds the reason: "cannot open: <why>", "not a regular file",
// "larger than 64 MiB" or "cannot read: <why>".
std::variant<QByteArray, QString> ReadRegularFile(const QString& path, qint64 largest);
