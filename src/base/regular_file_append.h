#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Adds `line` (with its line end) at the end of the regular file at `path`, made if
// missing, so a history of many sessions is never read and written again for one more.
// A last line without its end gets one first. A FIFO, a device or a file that would pass
// `largest` bytes is refused, and a write that fails part way is cut back, so the file
// holds either its old bytes or those and the whole line. Returns why it failed.
std::optional<QString> AppendLineToRegularFile(const QString& path, const QByteArray& line, qint64 largest);
