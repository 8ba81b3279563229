#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli landmarks --angles FILE --hands 1|2 --sign S [--frame F]
int RunLandmarksCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kLandmarksUsage;
