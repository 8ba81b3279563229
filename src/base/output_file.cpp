#include "base/output_file.h"

#include "base/file_replacement.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::optional<struct stat> StatusOf(const QString& path) {
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) != 0) return std::nullopt;
  return status;
}

bool UnderSystemFolder(const QString& path) {
  const QString absolute = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
  return absolute.startsWith(u"/dev/") || absolute.startsWith(u"/proc/");
}

QString SystemErrorText(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool WriteStraight(const QString& path, const QByteArray& bytes, QString* error) {
  const auto fail = [error](int code) {
    if (error) *error = SystemErrorText(code);
    return false;
  };
  const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return fail(errno);
  qsizetype done = 0;
  while (done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (wrote < 0 && errno == EINTR) continue;
    if (wrote <= 0) {
      const int code = wrote < 0 ? errno : EIO;
      ::close(fd);
      return fail(code);
    }
    done += wrote;
  }
  if (::close(fd) != 0 && errno != EINTR) return fail(errno);
  return true;
}

}  // namespace

bool IsStraightOutput(const QString& path) {
  if (UnderSystemFolder(path)) return true;
  const auto status = StatusOf(path);
  return status && !S_ISREG(status->st_mode) && !S_ISDIR(status->st_mode);
}

bool WriteOutputFile(const QString& path, const QByteArray& bytes, QString* error) {
  if (IsStraightOutput(path)) return WriteStraight(path, bytes, error);
  return ReplaceFile(path, bytes, error);
}

std::optional<QString> InputNamedByOutput(const QString& output, const QStringList& inputs) {
  const auto outputStatus = StatusOf(output);
  const QString outputPath = QDir::cleanPath(QFileInfo(output).absoluteFilePath());
  for (const QString& input : inputs) {
    const auto inputStatus = StatusOf(input);
    const bool sameFile = outputStatus && inputStatus && S_ISREG(inputStatus->st_mode) &&
                          outputStatus->st_dev == inputStatus->st_dev &&
                          outputStatus->st_ino == inputStatus->st_ino;
    if (sameFile || QDir::cleanPath(QFileInfo(input).absoluteFilePath()) == outputPath) return input;
  }
  return std::nullopt;
}
