#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Where a command's output goes. A regular file (or a new one) is replaced through a
// temporary file and a rename, so a failed write keeps the old file whole. A FIFO, a
// device, or a path under /dev or /proc such as /dev/stdout cannot be replaced that way:
// the rename would put a regular file in its place (as root, even over /dev/null), so
// it is written straight into, appending, as a shell redirection would.
bool IsStraightOutput(const QString& path);

// Writes `bytes` to `path` as described above. False, with the reason in *error, when
// the output could not be written.
bool WriteOutputFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The first of `inputs` that `output` names, the same file by another path or link
// included, or nothing. A command refuses such an output before reading anything, so
// it can never overwrite its own source.
std::optional<QString> InputNamedByOutput(const QString& output, const QStringList& inputs);
