// Converting what the user types: the main window converts romanized input after every
// key, so a conversion must cost far less than the time between two keys.
#include "app/app_state.h"
#include "app/message_sink.h"
#include "convert/sign_class.h"
#include "render/blank_drawing_area.h"
#include "render/playback_engine.h"

#include <benchmark/benchmark.h>

namespace {

void Convert(benchmark::State& run, int system, const QString& text, bool roman) {
  AppState state;
  BlankDrawingArea area;
  PlaybackEngine engine(state, area);
  CollectingMessageSink messages;
  SignClass signs(engine, messages);
  state.NumeralBase = 46;
  signs.LangSet(system);
  for (auto _ : run) {
    const bool ok = roman ? (system == 5 ? signs.KslRomanText(text) : signs.JslRomanText(text))
                          : signs.Text(text);
    benchmark::DoNotOptimize(ok);
  }
  run.SetItemsProcessed(run.iterations() * text.size());
}

}  // namespace

static void BM_RomajiSentence(benchmark::State& run) {
  Convert(run, 4, "watashinonamaehayamadatarou-desukyouhaiitenkidesunekon'yahasushiwotabemasu",
          true);
}
BENCHMARK(BM_RomajiSentence)->Unit(benchmark::kMicrosecond);

static void BM_RomanizedKoreanSentence(benchmark::State& run) {
  Convert(run, 5, "AnNyeongHaSeYoJeoNeunGimMinSuIbNiDaManNaSeoBanGabSeubNiDa", true);
}
BENCHMARK(BM_RomanizedKoreanSentence)->Unit(benchmark::kMicrosecond);

static void BM_LargestNumber(benchmark::State& run) { Convert(run, 6, "99999999999", false); }
BENCHMARK(BM_LargestNumber)->Unit(benchmark::kMicrosecond);
