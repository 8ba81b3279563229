#include "base/regular_file_reading.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace {

QString TooLarge(qint64 largest) {
  constexpr qint64 kMebibyte = 1 << 20;
  return largest % kMebibyte == 0 ? QStringLiteral("larger than %1 MiB").arg(largest / kMebibyte)
                                  : QStringLiteral("larger than %1 bytes").arg(largest);
}

}  // namespace

std::variant<QByteArray, QString> ReadRegularFile(const QString& path, qint64 largest) {
  QFile file(path);
  struct stat status {};
  // stat follows links, so a link to a regular file is read as that file.
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
    if (!file.open(QIODevice::ReadOnly))
      return QStringLiteral("cannot open: %1").arg(file.errorString());
    return QStringLiteral("cannot open: %1").arg(QString::fromLocal8Bit(std::strerror(errno)));
  }
  if (!S_ISREG(status.st_mode)) return QStringLiteral("not a regular file");
  if (status.st_size > largest) return TooLarge(largest);
  if (!file.open(QIODevice::ReadOnly))
    return QStringLiteral("cannot open: %1").arg(file.errorString());
  // The file may have grown since it was looked at; one byte more tells.
  const QByteArray bytes = file.read(largest + 1);
  if (file.error() != QFileDevice::NoError)
    return QStringLiteral("cannot read: %1").arg(file.errorString());
  if (bytes.size() > largest) return TooLarge(largest);
  return bytes;
}
