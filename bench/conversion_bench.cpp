// Converting what the user types: the main window converts romanized input after every
// key, so a conversion must cost far less than the time between two keys.
#include "convert/sign_class.h"
#include "playback/blank_drawing_area.h"
#include "playback/playback_engine.h"
#include "playback/script_player.h"
#include "signdata/sign_table.h"

#include <benchmark/benchmark.h>

namespace {

void Convert(benchmark::State& run, SystemId system, const QString& text, bool roman) {
  const SignTable table;
  BlankDrawingArea area;
  PlaybackEngine engine(table, area);
  ImmediatePlayer player(engine);
  SignClass signs(table, player);
  signs.SetNumeralBase(46);
  signs.LangSet(system);
  for (auto _ : run) {
    const bool ok = roman ? (system == SystemId::KoreanHangul ? signs.KslRomanText(text) : signs.JslRomanText(text))
                          : signs.Text(text);
    benchmark::DoNotOptimize(ok);
  }
  run.SetItemsProcessed(run.iterations() * text.size());
}

}  // namespace

static void BM_RomajiSentence(benchmark::State& run) {
  Convert(run, SystemId::JapaneseKana, "watashinonamaehayamadatarou-desukyouhaiitenkidesunekon'yahasushiwotabemasu",
          true);
}
BENCHMARK(BM_RomajiSentence)->Unit(benchmark::kMicrosecond);

static void BM_RomanizedKoreanSentence(benchmark::State& run) {
  Convert(run, SystemId::KoreanHangul, "AnNyeongHaSeYoJeoNeunGimMinSuIbNiDaManNaSeoBanGabSeubNiDa", true);
}
BENCHMARK(BM_RomanizedKoreanSentence)->Unit(benchmark::kMicrosecond);

static void BM_LargestNumber(benchmark::State& run) { Convert(run, SystemId::Numerals, "99999999999", false); }
BENCHMARK(BM_LargestNumber)->Unit(benchmark::kMicrosecond);
