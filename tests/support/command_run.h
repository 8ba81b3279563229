#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>

// What a subcommand printed and the status it ended with.
struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

using Subcommand = int (*)(const QStringList&, CliStreams);

// Runs a subcommand in-process, as tovaro-cli runs it with these arguments.
inline CommandRun RunCommand(Subcommand command, const QStringList& arguments) {
  std::ostringstream out, err;
  const int status = command(arguments, {out, err});
  return {status, out.str(), err.str()};
}

// Every argument list is wrong usage of `name`: exit 2, what is wrong and the usage on
// standard error, nothing on standard output. "--help" prints the usage, which mentions `helpMentions`,
// on standard output and succeeds.
inline void ExpectWrongUsage(Subcommand command, const std::string& name,
                             std::initializer_list<QStringList> wrong,
                             const std::string& helpMentions) {
  for (const QStringList& arguments : wrong) {
    const CommandRun run = RunCommand(command, arguments);
    EXPECT_EQ(run.status, 2) << name << " " << arguments.join(u' ').toStdString();
    EXPECT_TRUE(run.err.starts_with("tovaro-cli " + name + ": ")) << run.err;
    EXPECT_NE(run.err.find("Usage:"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty()) << run.out;
  }
  const CommandRun help = RunCommand(command, {"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find(helpMentions), std::string::npos) << help.out;
}
