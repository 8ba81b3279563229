#pragma once

#include <QString>

#include <ostream>

// Subcommands write UTF-8 text to the streams they are given, so tests can run them
// in-process.
inline std::ostream& operator<<(std::ostream& stream, const QString& text) {
  return stream << text.toStdString();
}

struct CliStreams {
  std::ostream& out;
  std::ostream& err;
};

// Exit statuses shared by every subcommand.
constexpr int kExitSuccess = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;
