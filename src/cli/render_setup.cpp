#include "cli/render_setup.h"

#include "gl/picture_file.h"

#include "base/output_file.h"
#include "cli/appearance_option.h"
#include "cli/render_command.h"
#include "gl/offscreen_renderer.h"
#include "playback/view_controls.h"
#include "playback/view_state.h"
#include "signdata/angle_file.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <utility>

std::optional<QSize> ParsePictureSize(const QString& text) {
  const QStringList sides = text.split(u'x');
  if (sides.size() != 2) return std::nullopt;
  const auto width = ParseIntInRange(sides[0], 1, OffscreenRenderer::kLargestSide);
  const auto height = ParseIntInRange(sides[1], 1, OffscreenRenderer::kLargestSide);
  if (!width || !height) return std::nullopt;
  return QSize(*width, *height);
}

QString PictureSizeProblem(const QString& text) {
  const QStringList sides = text.split(u'x');
  // A whole number of any length that is not 0 is a size, just too large.
  const auto positive = [](const QString& side) {
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    return !side.isEmpty() && std::all_of(side.begin(), side.end(), digit) &&
           std::any_of(side.begin(), side.end(), [](QChar c) { return c != u'0'; });
  };
  if (sides.size() == 2 && positive(sides[0]) && positive(sides[1]))
    return QStringLiteral("--size allows at most %1x%1, the largest picture the offscreen renderer draws")
        .arg(OffscreenRenderer::kLargestSide);
  return QStringLiteral("--size must be WxH, for example 640x480");
}

int RenderUsageError(const QString& what, CliStreams streams) {
  streams.err << "tovaro-cli render: " << what << "\n" << kRenderUsage;
  return kExitUsage;
}

std::optional<int> LoadRenderTable(const ParsedArguments& arguments, SignTable& table,
                                   CliStreams streams) {
  const auto hands = ParseIntInRange(arguments.Value("--hands"), 1, 2);
  if (!hands) return RenderUsageError(QStringLiteral("--hands must be 1 or 2"), streams);
  if (!arguments.values.contains("--angles"))
    return RenderUsageError(QStringLiteral("--angles FILE is missing"), streams);
  const QString file = arguments.Value("--angles");
  if (arguments.values.contains("--out")) {
    if (InputNamedByOutput(arguments.Value("--out"), {file}))
      return RenderUsageError(QStringLiteral("--out names the input %1").arg(file), streams);
  }
  table.SetHands(*hands);
  const FileResult loaded = LoadAngleFile(table, file);
  if (!loaded) {
    streams.err << "Error " << file << ": " << loaded.reason << "\n";
    return kExitFailure;
  }
  return std::nullopt;
}

std::optional<int> ApplyPictureOptions(const ParsedArguments& arguments, ViewState& view,
                                       QSize fallback, QSize* size, CliStreams streams) {
  *size = fallback;
  if (arguments.values.contains("--size")) {
    const auto parsed = ParsePictureSize(arguments.Value("--size"));
    if (!parsed) return RenderUsageError(PictureSizeProblem(arguments.Value("--size")), streams);
    *size = *parsed;
  }
  const QString viewPoint = arguments.Value("--view", QStringLiteral("viewer"));
  // The start the program shows a table of these hands from; a wrong --hands is told
  // where the table is read.
  view = StartView(ParseIntInRange(arguments.Value("--hands"), 1, 2).value_or(2));
  if (viewPoint == u"signer") {
    view.ViewAzimuth = 180.1f;  // the signer's own view, from behind the hand
  } else if (viewPoint != u"viewer") {
    return RenderUsageError(QStringLiteral("--view must be viewer or signer"), streams);
  }
  // Turning the view further helps whoever authors hand shapes see them in depth.
  for (const auto& [option, angle] : {std::pair{"--azimuth", &view.ViewAzimuth},
                                      std::pair{"--elevation", &view.ViewElevation}}) {
    if (!arguments.values.contains(option)) continue;
    bool ok = false;
    const float degrees = arguments.Value(option).toFloat(&ok);
    if (!ok || !std::isfinite(degrees) || degrees < -360.0f || degrees > 360.0f)
      return RenderUsageError(QStringLiteral("%1 takes degrees").arg(option), streams);
    *angle = degrees;
  }
  view.ViewElevation = std::clamp(view.ViewElevation, -90.0f, 90.0f);
  QString error;
  if (!ReadAppearanceOption(arguments, &error)) return RenderUsageError(error, streams);
  return std::nullopt;
}

std::unique_ptr<OffscreenRenderer> MakeRenderer(const ParsedArguments& arguments, QSize size,
                                                CliStreams streams) {
  QString error;
  auto renderer = OffscreenRenderer::Create(size.width(), size.height(), &error);
  if (!renderer) {
    streams.err << "tovaro-cli render: cannot draw: " << error << "\n";
    return renderer;
  }
  ApplyAppearance(*renderer, ReadAppearanceOption(arguments, nullptr).value_or(HandAppearance::Classic),
                  streams);
  return renderer;
}

bool WritePicture(const QImage& image, const QString& path, CliStreams streams) {
  QString error;
  const bool written = WritePictureFile(image, path, &error);
  if (!written) streams.err << "Error " << path << ": " << error << "\n";
  return written;
}
