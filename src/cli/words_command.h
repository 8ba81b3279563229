#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli words [--format plain|reading|html] [--check SYSTEM] FILE
int RunWordsCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kWordsUsage;
