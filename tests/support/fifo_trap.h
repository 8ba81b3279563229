#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <atomic>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A FIFO at `path` that nothing should read. Reading a FIFO blocks until something
// writes, so a program that opens it would hang; the trap lets such an open through at
// once (end of file) and remembers it, so the test fails instead of hanging.
class FifoTrap {
 public:
  explicit FifoTrap(const QString& path) : name_(QFile::encodeName(path)) {
    if (::mkfifo(name_.constData(), 0600) != 0) return;
    made_ = true;
    thread_ = std::thread([this] {
      while (true) {
        const int writer = ::open(name_.constData(), O_WRONLY);
        const bool releasing = released_;
        if (writer >= 0) ::close(writer);
        if (releasing) return;
        if (writer >= 0) opened_ = true;
      }
    });
  }
  ~FifoTrap() { Release(); }
  FifoTrap(const FifoTrap&) = delete;
  FifoTrap& operator=(const FifoTrap&) = delete;

  bool IsSet() const { return made_; }

  // Whether anything opened the FIFO to read it; ends the trap.
  bool Opened() {
    Release();
    return opened_;
  }

 private:
  void Release() {
    if (!thread_.joinable()) return;
    released_ = true;
    // An open of our own lets the waiting writer through, and it sees it is released.
    const int reader = ::open(name_.constData(), O_RDONLY | O_NONBLOCK);
    thread_.join();
    if (reader >= 0) ::close(reader);
  }

  QByteArray name_;
  bool made_ = false;
  std::atomic<bool> released_{false};
  std::atomic<bool> opened_{false};
  std::thread thread_;
};
