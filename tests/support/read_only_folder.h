#pragma once

#include "support/child_write.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <functional>
#include <grp.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

// Runs `write` in a child process for which `folder` (a temporary folder, or one inside
// it) cannot be written: the folder is made 0555 and, since root writes into any folder
// whatever its bits say, a child of root becomes the user nobody first. The folder, the
// temporary folders above it and the files in it are opened to others so nobody can
// still reach and read them. The folder is writable again afterwards. Nothing when the
// child could not be set up so (or did not end normally).
inline std::optional<WriteOutcome> InReadOnlyFolder(const QString& folder,
                                                    const std::function<WriteOutcome()>& write) {
  constexpr uid_t kNobody = 65534;
  const QString absolute = QFileInfo(folder).absoluteFilePath();
  const QString temporaryRoot = QDir(QDir::tempPath()).absolutePath() + u'/';
  // QTemporaryDir makes its folders 0700.
  for (QString above = QFileInfo(absolute).absolutePath(); above.startsWith(temporaryRoot);
       above = QFileInfo(above).absolutePath())
    chmod(QFile::encodeName(above).constData(), 0755);
  for (const QFileInfo& file : QDir(absolute).entryInfoList(QDir::Files))
    chmod(QFile::encodeName(file.absoluteFilePath()).constData(), 0644);
  const QByteArray native = QFile::encodeName(absolute);
  if (chmod(native.constData(), 0555) != 0) return std::nullopt;

  const std::optional<WriteOutcome> outcome = RunWriteInChild(
      [&native] {
        if (geteuid() == 0 &&
            (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
             setresuid(kNobody, kNobody, kNobody) != 0))
          return false;
        // The folder is reachable and really refuses new files.
        return access(native.constData(), R_OK | X_OK) == 0 && access(native.constData(), W_OK) != 0;
      },
      write);
  chmod(native.constData(), 0755);
  return outcome;
}
