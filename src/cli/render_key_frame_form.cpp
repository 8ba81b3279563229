#include "cli/render_forms.h"
#include "cli/render_setup.h"
#include "gl/offscreen_renderer.h"
#include "playback/framing_fit.h"
#include "playback/playback_engine.h"
#include "playback/script_bounds.h"
#include "playback/view_state.h"
#include "signdata/sign_table.h"

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

  ViewState view;
  QSize size;
  if (const auto status = ApplyPictureOptions(arguments, view, QSize(640, 480), &size, streams))
    return *status;
  SignTable table;
  if (const auto status = LoadRenderTable(arguments, table, streams)) return *status;

  auto renderer = MakeRenderer(arguments, size, streams);
  if (!renderer) return kExitFailure;
  renderer->View() = view;
  PlaybackEngine engine(table, *renderer);
  if (!engine.SetHandPose(*sign, *frame)) {
    streams.err << "tovaro-cli render: sign " << *sign << " has no key frame " << *frame << "\n";
    return kExitFailure;
  }
  // A key frame keeps the view it was always drawn from, unless the hands would leave
  // the picture; then the picture is framed on them.
  const Box bounds =
      HandsBounds(engine.Hands().first(static_cast<size_t>(engine.ShownHands())), renderer->Appearance());
  if (!BoxInView(renderer->Camera(engine.ShownHands()), bounds, renderer->Width(), renderer->Height()))
    renderer->SetFraming(bounds);
  engine.Redraw(0);
  return WritePicture(renderer->Image(), arguments.Value("--out"), streams) ? kExitSuccess
                                                                            : kExitFailure;
}
