#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli export: a text spelled offscreen and written as an animated GIF or an MP4
// video at the program's pace.
int RunExportCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kExportUsage;
