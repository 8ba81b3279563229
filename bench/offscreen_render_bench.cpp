// Offscreen drawing speed: one step of an animation drawn and read back at 640x480.
// Playback paces steps at 60 per second; frame recording and the command-line tool
// want to run well ahead of that.
#include "gl/offscreen_renderer.h"
#include "hand/hand.h"

#include <benchmark/benchmark.h>

static void BM_OffscreenFrameAt640x480(benchmark::State& run) {
  QString error;
  const auto renderer = OffscreenRenderer::Create(640, 480, &error);
  if (!renderer) {
    run.SkipWithError(error.toStdString().c_str());
    return;
  }
  Hand hand;
  hand.SetPose(2, -20.0f);
  float bend = 0.0f;
  for (auto _ : run) {
    // A different pose every frame, as during an animation.
    bend = bend >= 90.0f ? 0.0f : bend + 1.0f;
    for (int f = 1; f < 5; ++f) hand.SetArthro(f, 1, 1, bend);
    renderer->DrawHands({std::span<const Hand>(&hand, 1), 1});
    benchmark::DoNotOptimize(renderer->Image().constBits());
  }
  run.counters["frames_per_second"] =
      benchmark::Counter(static_cast<double>(run.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OffscreenFrameAt640x480)->Unit(benchmark::kMillisecond)->UseRealTime();
