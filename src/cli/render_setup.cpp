#include "cli/render_setup.h"

#include "render/picture_file.h"

#include "app/app_state.h"
#include "app/output_file.h"
#include "cli/render_command.h"
#include "render/offscreen_renderer.h"
#include "signdata/angle_file.h"

#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <utility>

std::optional<QSize> ParsePictureSize(const QString& text) {
  const QStringList sides = text.split(u'x');
  if (sides.size() != 2) return std::nullopt;
  const auto width = ParseIntInRange(sides[0], 1, 16384);
  const auto height = ParseIntInRange(sides[1], 1, 16384);
  if (!width || !height) return std::nullopt;
  return QSize(*width, *height);
}

int RenderUsageError(const QString& what, CliStreams streams) {
  streams.err << "tovaro-cli render: " << what << "\n" << kRenderUsage;
  return kExitUsage;
}

std::optional<int> LoadRenderTable(const ParsedArguments& arguments, AppState& state,
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
  state.HandCount = static_cast<int16_t>(*hands);
  state.ColumnCount = *hands == 2 ? kTwoHandColumns : kOneHandColumns;
  const FileResult loaded = LoadAngleFile(state, file);
  if (!loaded) {
    streams.err << "Error " << file << ": " << loaded.reason << "\n";
    return kExitFailure;
  }
  return std::nullopt;
}

std::optional<int> ApplyPictureOptions(const ParsedArguments& arguments, AppState& state,
                                       QSize fallback, QSize* size, CliStreams streams) {
  *size = fallback;
  if (arguments.values.contains("--size")) {
    const auto parsed = ParsePictureSize(arguments.Value("--size"));
    if (!parsed) return RenderUsageError(QStringLiteral("--size must be WxH, for example 640x480"), streams);
    *size = *parsed;
  }
  const QString view = arguments.Value("--view", QStringLiteral("viewer"));
  state.View.Reset();
  if (view == u"signer") {
    state.View.ViewAzimuth = 180.1f;  // the signer's own view, from behind the hand
  } else if (view != u"viewer") {
    return RenderUsageError(QStringLiteral("--view must be viewer or signer"), streams);
  }
  // Turning the view further helps whoever authors hand shapes see them in depth.
  for (const auto& [option, angle] : {std::pair{"--azimuth", &state.View.ViewAzimuth},
                                      std::pair{"--elevation", &state.View.ViewElevation}}) {
    if (!arguments.values.contains(option)) continue;
    bool ok = false;
    const float degrees = arguments.Value(option).toFloat(&ok);
    if (!ok || !std::isfinite(degrees) || degrees < -360.0f || degrees > 360.0f)
      return RenderUsageError(QStringLiteral("%1 takes degrees").arg(option), streams);
    *angle = degrees;
  }
  state.View.ViewElevation = std::clamp(state.View.ViewElevation, -90.0f, 90.0f);
  return std::nullopt;
}

std::unique_ptr<OffscreenRenderer> MakeRenderer(QSize size, CliStreams streams) {
  QString error;
  auto renderer = OffscreenRenderer::Create(size.width(), size.height(), &error);
  if (!renderer) streams.err << "tovaro-cli render: cannot draw: " << error << "\n";
  return renderer;
}

bool WritePicture(const QImage& image, const QString& path, CliStreams streams) {
  QString error;
  const bool written = WritePictureFile(image, path, &error);
  if (!written) streams.err << "Error " << path << ": " << error << "\n";
  return written;
}
