#pragma once

#include "cli/argument_list.h"
#include "cli/cli_streams.h"

// The forms of `tovaro-cli render`. Each gets the arguments parsed with the options
// of every form and checks that it has what it needs.

// --angles FILE --hands 1|2 --sign S [--frame F] [--size WxH] [--view viewer|signer] --out OUT
int RenderKeyFrameForm(const ParsedArguments& arguments, CliStreams streams);

// --angles FILE --hands 1|2 --chart [--columns C] [--size WxH] [--view viewer|signer] --out OUT
int RenderChartForm(const ParsedArguments& arguments, CliStreams streams);

// --system S --angles FILE --speed V [--numeral-base B] [--roman] --frames DIR
// [--replace] [--format png|bmp] [--size WxH] [--view viewer|signer] TEXT
int RenderFramesForm(const ParsedArguments& arguments, CliStreams streams);
