#pragma once

#include "cli/argument_list.h"
#include "cli/cli_streams.h"
#include "convert/text_playback.h"

#include <optional>

// What `trace` and `render --frames` share: the options that say which text to play
// how, and what they print when it cannot be played.

// --system S --angles FILE --speed V [--numeral-base B] [--roman] [--normalize]
// [--motion lifelike|described] and exactly one TEXT; nullopt with the reason in *error when they are wrong.
std::optional<TextPlaybackRequest> ReadTextPlaybackOptions(const ParsedArguments& arguments,
                                                           QString* error);

// For a text that was not played: "Error <FILE>: <reason>" for a table that did not
// load and "Result False" for a rejected text (both on out, exit status 1). An
// invalid speed is a usage error: the reason goes to *usageError and the result is
// nullopt.
std::optional<int> ReportUnplayedText(const TextPlaybackResult& played,
                                      const TextPlaybackRequest& request, CliStreams streams,
                                      QString* usageError);
