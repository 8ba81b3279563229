#pragma once

#include <csignal>
#include <functional>
#include <optional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// Runs `write` in a child process that may not grow any file beyond `limit` bytes, as
// if the disk were full there; returns what `write` returned, or nothing when the child
// did not end normally.
inline std::optional<bool> WithFileSizeLimit(rlim_t limit, const std::function<bool()>& write) {
  const pid_t child = fork();
  if (child == -1) return std::nullopt;
  if (child == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit size{limit, limit};
    setrlimit(RLIMIT_FSIZE, &size);
    _exit(write() ? 0 : 1);
  }
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status)) return std::nullopt;
  return WEXITSTATUS(status) == 0;
}
