#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli reading [--] TEXT...
int RunReadingCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kReadingUsage;
