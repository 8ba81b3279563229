// Precomputing the longest movement of two hands: all of it happens before the first
// step is drawn, so it is the pause a learner would notice at the start of a sign.
#include "hand/hand.h"

#include <array>

#include <benchmark/benchmark.h>

static void BM_PrecomputeThousandStepMovementOfTwoHands(benchmark::State& run) {
  std::array<Hand, 2> hands;
  for (int h = 0; h < 2; ++h)
    for (int f = 0; f < 5; ++f)
      for (int s = 0; s < 3; ++s)
        for (int a = 0; a < 3; ++a) hands[h].SetTargetArthro(f, s, a, 90.0f + f + s + a);
  for (auto _ : run) {
    for (int h = 0; h < 2; ++h) {
      Hand& hand = hands[h];
      hand.SetFrameNo(1000);
      hand.SetNumFrame0(0);
      hand.Refresh();
      hand.Action();
    }
    benchmark::DoNotOptimize(hands[1].fArthro(1000, 4, 2, 2));
  }
}
BENCHMARK(BM_PrecomputeThousandStepMovementOfTwoHands)->Unit(benchmark::kMicrosecond);
