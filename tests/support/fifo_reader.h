#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

// A FIFO at `path` with a reader that collects whatever is written into it, so a
// command can be given it as its output. The reader never blocks on its own: should the
// FIFO be replaced instead of written, Finish simply returns nothing.
class FifoReader {
 public:
  explicit FifoReader(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkfifo(name.constData(), 0600) != 0) return;
    fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK);
    if (fd_ < 0) return;
    thread_ = std::thread([this] {
      while (!stop_) {
        pollfd wait{fd_, POLLIN, 0};
        ::poll(&wait, 1, 10);
        Drain();
      }
    });
  }
  ~FifoReader() { Finish(); }

  bool IsOpen() const { return fd_ >= 0; }

  // Everything written so far; call once the writer is done.
  QByteArray Finish() {
    if (thread_.joinable()) {
      stop_ = true;
      thread_.join();
      Drain();
    }
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    return bytes_;
  }

 private:
  void Drain() {
    char buffer[4096];
    ssize_t got = 0;
    while ((got = ::read(fd_, buffer, sizeof buffer)) > 0) bytes_.append(buffer, got);
  }

  int fd_ = -1;
  std::atomic<bool> stop_{false};
  std::thread thread_;
  QByteArray bytes_;
};

// True when `path` is a FIFO (not a regular file put in its place).
inline bool IsFifo(const QString& path) {
  struct stat status {};
  return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}
