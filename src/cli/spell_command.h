#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli spell --system S [--numeral-base B] [--roman] [--] TEXT...
int RunSpellCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kSpellUsage;
