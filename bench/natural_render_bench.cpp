// Offscreen drawing speed of the Natural hands at 640x480, beside the Classic
// benchmark in offscreen_render_bench.cpp. Playback shows 60 steps a second; the
// Natural hands aim at four times that on Mesa's software renderer, so a recording
// or a picture export never waits on them. Two hands, as the two-handed alphabets
// draw them.
#include "gl/offscreen_renderer.h"
#include "hand/hand.h"

#include <array>

#include <benchmark/benchmark.h>

static void DrawAnimatedHands(benchmark::State& run, HandAppearance appearance, int handCount) {
  QString error;
  const auto renderer = OffscreenRenderer::Create(640, 480, &error);
  if (!renderer) {
    run.SkipWithError(error.toStdString().c_str());
    return;
  }
  if (renderer->SetAppearance(appearance, &error) != appearance) {
    run.SkipWithError(error.toStdString().c_str());
    return;
  }
  std::array<Hand, 2> hands;
  hands[0].SetPose(2, -20.0f);
  hands[0].SetPose(1, handCount == 2 ? 60.0f : 0.0f);
  hands[1].SetPose(1, -60.0f);
  float bend = 0.0f;
  for (auto _ : run) {
    // A different pose every frame, as during an animation.
    bend = bend >= 90.0f ? 0.0f : bend + 1.0f;
    for (int h = 0; h < handCount; ++h)
      for (int f = 1; f < 5; ++f) hands[h].SetArthro(f, 1, 1, bend);
    renderer->DrawHands({hands, handCount});
    benchmark::DoNotOptimize(renderer->Image().constBits());
  }
  run.counters["frames_per_second"] =
      benchmark::Counter(static_cast<double>(run.iterations()), benchmark::Counter::kIsRate);
}

static void BM_NaturalOffscreenFrameAt640x480(benchmark::State& run) {
  DrawAnimatedHands(run, HandAppearance::Natural, static_cast<int>(run.range(0)));
}
BENCHMARK(BM_NaturalOffscreenFrameAt640x480)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();

static void BM_ClassicOffscreenFrameAt640x480(benchmark::State& run) {
  DrawAnimatedHands(run, HandAppearance::Classic, static_cast<int>(run.range(0)));
}
BENCHMARK(BM_ClassicOffscreenFrameAt640x480)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond)->UseRealTime();
