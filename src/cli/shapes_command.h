#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli shapes SOURCE --out FILE
int RunShapesCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kShapesUsage;
