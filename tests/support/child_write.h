#pragma once

#include <QByteArray>
#include <QString>

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// What a write told its caller: whether the file is in place, and why not.
struct WriteOutcome {
  bool written = false;
  QString reason;
};

// Runs `write` in a forked child after `prepare` (also in the child) has set up the
// conditions of the failure; the outcome comes back through the exit status and a pipe.
// Nothing when the child did not end normally (a crash, a signal) or `prepare` failed.
// The child must not draw or touch a window: it shares the parent's display and GL
// connections.
inline std::optional<WriteOutcome> RunWriteInChild(const std::function<bool()>& prepare,
                                                   const std::function<WriteOutcome()>& write) {
  int channel[2];
  if (pipe(channel) != 0) return std::nullopt;
  const pid_t child = fork();
  if (child == -1) {
    close(channel[0]);
    close(channel[1]);
    return std::nullopt;
  }
  if (child == 0) {
    close(channel[0]);
    if (!prepare()) _exit(2);
    const WriteOutcome outcome = write();
    const QByteArray reason = outcome.reason.toUtf8();
    for (qsizetype sent = 0; sent < reason.size();) {
      const ssize_t n = ::write(channel[1], reason.constData() + sent, reason.size() - sent);
      if (n <= 0) break;
      sent += n;
    }
    close(channel[1]);
    _exit(outcome.written ? 0 : 1);
  }
  close(channel[1]);
  QByteArray reason;
  char buffer[512];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) reason.append(buffer, n);
  close(channel[0]);
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) > 1)
    return std::nullopt;
  return WriteOutcome{WEXITSTATUS(status) == 0, QString::fromUtf8(reason)};
}

// As if the disk filled up after `limit` bytes of any file the write grows.
inline std::optional<WriteOutcome> WithDiskFullAfter(rlim_t limit, const std::function<WriteOutcome()>& write) {
  return RunWriteInChild(
      [limit] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit size{limit, limit};
        return setrlimit(RLIMIT_FSIZE, &size) == 0;
      },
      write);
}
