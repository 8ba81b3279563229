#pragma once

#include "cli/argument_list.h"
#include "cli/cli_streams.h"
#include "hand/hand_appearance.h"

#include <QString>

#include <optional>

class OffscreenRenderer;

// --appearance classic|natural, shared by the commands that draw hands. Qt takes
// --style for itself, hence the name.
inline const QString kAppearanceOption = QStringLiteral("--appearance");

// The appearance the arguments ask for (Classic when they do not say); nullopt with
// the reason in *error for any other value.
std::optional<HandAppearance> ReadAppearanceOption(const ParsedArguments& arguments, QString* error);

// Sets the appearance on `renderer`. When the Natural hands cannot be drawn the
// renderer stays Classic and the reason goes to err; drawing goes on.
void ApplyAppearance(OffscreenRenderer& renderer, HandAppearance appearance, CliStreams streams);
