#include "base/file_replacement.h"

#include <QSaveFile>

#include <cerrno>
#include <cstring>

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  const auto fail = [&file, error](int code) {
    if (error) *error = code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString();
    file.cancelWriting();
    return false;
  };
  if (!file.open(QIODevice::WriteOnly)) return fail(0);
  // QSaveFile::commit can report success although flushing its buffer failed part way
  // (seen with a file size limit), so the buffer is flushed and checked first.
  // A write stopped by a file size limit leaves Qt with "Unknown error"; the system's
  // own reason ("File too large") says what happened.
  errno = 0;
  if (file.write(bytes) != bytes.size() || !file.flush()) return fail(errno);
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}

bool CommitSaveFile(QSaveFile& file, QString* error) {
  errno = 0;
  if (!file.flush() || file.error() != QFileDevice::NoError) {
    const int code = errno;
    if (error) *error = code != 0 ? QString::fromLocal8Bit(std::strerror(code)) : file.errorString();
    file.cancelWriting();
    return false;
  }
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}
