#pragma once

#include "cli/cli_streams.h"

#include <QStringList>

// tovaro-cli render: pictures of hand shapes, in one of several forms chosen by the
// option that names it (--sign, --chart, ...).
int RunRenderCommand(const QStringList& arguments, CliStreams streams);
extern const char* const kRenderUsage;
