#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli angles --hands 1|2 FILE... [--out OUT]
int RunAnglesCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kAnglesUsage;
