#include "base/file_replacement.h"

#include <QSaveFile>

bool ReplaceFile(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  const auto fail = [&file, error]() {
    if (error) *error = file.errorString();
    file.cancelWriting();
    return false;
  };
  if (!file.open(QIODevice::WriteOnly)) return fail();
  // QSaveFile::commit can report success although flushing its buffer failed part way
  // (seen with a file size limit), so the buffer is flushed and checked first.
  if (file.write(bytes) != bytes.size() || !file.flush()) return fail();
  if (!file.commit()) {
    if (error) *error = file.errorString();
    return false;
  }
  return true;
}
