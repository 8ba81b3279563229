#pragma once

#include <QByteArray>
#include <QSaveFile>
#include <QString>

// Replaces the file at `path` with `bytes` through a temporary file beside it and a
// rename, so the previous file stays whole when anything fails (a full disk, a missing
// folder). Returns true when the new file is in place; otherwise `error`, if given,
// receives the reason.
bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Puts what was written into `file` in place. QSaveFile::commit can report success
// although flushing its buffer failed (a full disk), and would then rename a cut-off
// file over the previous one; so the buffer is flushed and checked first. On failure
// the temporary file is removed and `error`, if given, receives the reason.
bool CommitSaveFile(QSaveFile& file, QString* error = nullptr);
