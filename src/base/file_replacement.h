#pragma once

#include <QByteArray>
#include <QString>

// Replaces the file at `path` with `bytes` through a temporary file beside it and a
// rename, so the previous file stays whole when anything fails (a full disk, a missing
// folder). Returns true when the new file is in place; otherwise `error`, if given,
// receives the reason.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);
