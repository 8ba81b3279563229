#include "base/regular_file_append.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Closes the descriptor however the append ends.
struct Descriptor {
  int fd = -1;
  ~Descriptor() {
    if (fd >= 0) ::close(fd);
  }
};

bool WriteAll(int fd, const QByteArray& bytes) {
  qsizetype written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.constData() + written, static_cast<size_t>(bytes.size() - written));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    written += n;
  }
  return true;
}

}  // namespace

std::optional<QString> AppendLineToRegularFile(const QString& path, const QByteArray& line, qint64 largest) {
  // O_NONBLOCK: opening a FIFO with no reader fails at once instead of waiting for one.
  Descriptor file{::open(QFile::encodeName(path).constData(), O_RDWR | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0644)};
  if (file.fd < 0) return QStringLiteral("cannot open: %1").arg(SystemReason());
  struct stat status {};
  if (::fstat(file.fd, &status) != 0) return QStringLiteral("cannot open: %1").arg(SystemReason());
  if (!S_ISREG(status.st_mode)) return QStringLiteral("not a regular file");
  QByteArray bytes = line;
  if (status.st_size > 0) {
    char last = '\n';
    if (::pread(file.fd, &last, 1, status.st_size - 1) != 1) return QStringLiteral("cannot read: %1").arg(SystemReason());
    if (last != '\n') bytes.prepend("\r\n");
  }
  if (status.st_size + bytes.size() > largest) {
    constexpr qint64 kMebibyte = 1 << 20;
    return QStringLiteral("it would grow past %1 MiB").arg(largest / kMebibyte);
  }
  if (!WriteAll(file.fd, bytes) || ::fdatasync(file.fd) != 0) {
    const QString reason = QStringLiteral("cannot write: %1").arg(SystemReason());
    // What was written of the line goes again, so no half line is left for the reader.
    if (::ftruncate(file.fd, status.st_size) != 0) return reason + QStringLiteral(" (a part of the line stays)");
    return reason;
  }
  return std::nullopt;
}
