#include "gl/animation_export.h"

#include "gl/offscreen_renderer.h"
#include "playback/drawing_area.h"
#include "playback/playback_engine.h"
#include "playback/script_bounds.h"
#include "playback/script_player.h"

#include <algorithm>

namespace {

// Draws through the renderer the steps the writer uses, until the export stops; the
// rest of the word then plays without drawing, which costs next to nothing.
class ExportArea : public DrawingArea {
 public:
  ExportArea(OffscreenRenderer& renderer, const AnimationWriter& writer)
      : renderer_(renderer), writer_(writer) {}
  int Width() const override { return renderer_.Width(); }
  int Height() const override { return renderer_.Height(); }
  void DrawHands(const HandScene& scene) override {
    // The step about to be shown is the one the frame counter names.
    if (drawing && (engine == nullptr || writer_.UsesStep(engine->FrameCounter())))
      renderer_.DrawHands(scene);
  }
  bool SaveFrame(const QString& path) override { return renderer_.SaveFrame(path); }

  bool drawing = true;
  const PlaybackEngine* engine = nullptr;

 private:
  OffscreenRenderer& renderer_;
  const AnimationWriter& writer_;
};

AnimationExportResult Failure(QString reason) {
  return {AnimationExportResult::Outcome::Failed, std::move(reason), 0};
}

}  // namespace

int AnimationStepsOf(const MoveScript& script) {
  int steps = 0;
  for (const Move& move : script)
    if (move.kind == Move::Kind::Redraw && move.steps > 0)
      steps += std::min(move.steps, PlaybackEngine::kMaxSteps) + 1;
  return steps;
}

AnimationExportResult ExportScript(const SignTable& table, const MoveScript& script,
                                   const AnimationExportSettings& settings,
                                   const ExportProgress& progress, const AnimationNote& note) {
  const std::optional<AnimationFormat> format = AnimationFormatOfPath(settings.path);
  if (!format) return Failure(QStringLiteral("the file name must end in .gif or .mp4"));
  const int total = AnimationStepsOf(script);
  if (total == 0) return Failure(QStringLiteral("the text makes no movement to show"));

  QString reason;
  const std::unique_ptr<OffscreenRenderer> renderer =
      OffscreenRenderer::Create(settings.size.width(), settings.size.height(), &reason);
  if (!renderer) return Failure(QStringLiteral("cannot draw: ") + reason);
  renderer->View() = settings.view;
  renderer->SetAppearance(settings.appearance, nullptr);
  std::unique_ptr<AnimationWriter> writer =
      OpenAnimationWriter(*format, settings.path, settings.size, note, &reason);
  if (!writer) return Failure(reason);

  ExportArea area(*renderer, *writer);
  PlaybackEngine engine(table, area);
  area.engine = &engine;
  AnimationExportResult result{AnimationExportResult::Outcome::Written, {}, 0};
  engine.SetStepObserver([&](int32_t) {
    if (!area.drawing) return;
    if (!writer->AddPicture(renderer->Image(), &reason)) {
      result = Failure(reason);
      area.drawing = false;
      return;
    }
    ++result.steps;
    if (progress && !progress(result.steps, total)) {
      result.outcome = AnimationExportResult::Outcome::Cancelled;
      area.drawing = false;
    }
  });
  renderer->SetFraming(ScriptBounds(table, script, renderer->Appearance()));
  ImmediatePlayer(engine).Play(script);
  if (result.outcome != AnimationExportResult::Outcome::Written) return result;  // the writer removes its file
  if (!writer->Finish(&reason)) return Failure(reason);
  return result;
}
