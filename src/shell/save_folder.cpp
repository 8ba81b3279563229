#include "shell/save_folder.h"

#include <QFile>

#include <unistd.h>

QString FolderToSaveIn(const QString& current, const QString& fallback) {
  if (fallback.isEmpty()) return current;
  // access() asks with the user's own rights, so a read-only mount or a folder of
  // another owner counts as not writable, as it is for the save that follows.
  const QByteArray native = QFile::encodeName(current);
  return !current.isEmpty() && access(native.constData(), W_OK | X_OK) == 0 ? current : fallback;
}
