#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli trace --system S --angles FILE --speed V [--numeral-base B] [--roman] [--] TEXT
int RunTraceCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kTraceUsage;
