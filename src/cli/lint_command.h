#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli lint --angles FILE --hands 1|2
int RunLintCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kLintUsage;
