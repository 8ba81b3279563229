#include "app/app_state.h"
#include "cli/render_forms.h"
#include "cli/render_setup.h"
#include "render/offscreen_renderer.h"
#include "render/playback_engine.h"

int RenderKeyFrameForm(const ParsedArguments& arguments, CliStreams streams) {
  if (!arguments.positional.isEmpty())
    return RenderUsageError(QStringLiteral("unexpected argument %1").arg(arguments.positional[0]),
                            streams);
  if (arguments.Has("--columns"))
    return RenderUsageError(QStringLiteral("--columns belongs to --chart"), streams);
  const auto sign = ParseIntInRange(arguments.Value("--sign"), 0, kSignSlots - 1);
  if (!sign) return RenderUsageError(QStringLiteral("--sign must be a slot 0..256"), streams);
  const auto frame = ParseIntInRange(arguments.Value("--frame", QStringLiteral("0")), 0, 32767);
  if (!frame) return RenderUsageError(QStringLiteral("--frame must be a key frame number from 0"), streams);
  if (!arguments.values.contains("--out"))
    return RenderUsageError(QStringLiteral("--out OUT is missing"), streams);

  AppState state;
  QSize size;
  if (const auto status = ApplyPictureOptions(arguments, state, QSize(640, 480), &size, streams))
    return *status;
  if (const auto status = LoadRenderTable(arguments, state, streams)) return *status;

  auto renderer = MakeRenderer(arguments, size, streams);
  if (!renderer) return kExitFailure;
  PlaybackEngine engine(state, *renderer);
  if (!engine.SetHandPose(*sign, *frame)) {
    streams.err << "tovaro-cli render: sign " << *sign << " has no key frame " << *frame << "\n";
    return kExitFailure;
  }
  engine.Redraw(0);
  return WritePicture(renderer->Image(), arguments.Value("--out"), streams) ? kExitSuccess
                                                                            : kExitFailure;
}
