#pragma once

#include "cli/argument_list.h"
#include "cli/cli_streams.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

struct SignTable;
struct ViewState;
class OffscreenRenderer;

// What every form of `tovaro-cli render` shares: the picture size, the view point,
// loading the angle data file and writing the picture.

// "WxH" with both sides in 1..OffscreenRenderer::kLargestSide, or nullopt.
std::optional<QSize> ParsePictureSize(const QString& text);

// Why ParsePictureSize rejected `text`: a size beyond the largest the renderer draws
// names that limit, anything else is not of the form WxH.
QString PictureSizeProblem(const QString& text);

// Reads --hands and --angles into `table` (layout, signs). On failure writes the
// reason to err and returns the exit status to leave with.
std::optional<int> LoadRenderTable(const ParsedArguments& arguments, SignTable& table,
                                   CliStreams streams);

// Reads --size (default `fallback`) and --view (viewer or signer) into `view`, turned
// from the start of the --hands given (StartView), and checks --appearance. On a bad value writes the usage error and returns kExitUsage.
std::optional<int> ApplyPictureOptions(const ParsedArguments& arguments, ViewState& view,
                                       QSize fallback, QSize* size, CliStreams streams);

// Makes a renderer of `size` drawing the hands as --appearance asks (checked by
// ApplyPictureOptions), or writes why not and returns null.
std::unique_ptr<OffscreenRenderer> MakeRenderer(const ParsedArguments& arguments, QSize size,
                                                CliStreams streams);

// Writes `image` through a temporary file in the format of the file's suffix
// (PNG when it has none); false, with the reason on err, when it could not.
bool WritePicture(const QImage& image, const QString& path, CliStreams streams);

// Writes "tovaro-cli render: <what>" and the usage; returns kExitUsage.
int RenderUsageError(const QString& what, CliStreams streams);
