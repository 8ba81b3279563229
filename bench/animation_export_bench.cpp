// Export speed: a ten-letter word of the American alphabet at the default speed (100),
// written at 640x480 as a GIF and as an MP4. Playing the word takes steps / 60 seconds;
// export aims at a tenth of that. "times_faster_than_playing" says how far it gets.
#include "base/message_sink.h"
#include "convert/text_playback.h"
#include "gl/animation_export.h"
#include "playback/keeping_player.h"
#include "signdata/sign_table.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>

static void ExportTenLetters(benchmark::State& run, const char* suffix) {
  SignTable table;
  KeepingPlayer keeper;
  CollectingMessageSink messages;
  TextPlaybackRequest request;
  request.system = SystemId::American;
  request.anglesPath = QStringLiteral(TOVARO_DATA_DIR "/PositionASL.csv");
  request.speed = 100;
  request.text = QStringLiteral("fingerspel");
  if (PlayText(table, keeper, messages, request).outcome != TextPlaybackResult::Outcome::Played) {
    run.SkipWithError("the word did not play");
    return;
  }
  QTemporaryDir folder;
  AnimationExportSettings settings;
  settings.path = QDir(folder.path()).filePath(QStringLiteral("word.") + QString::fromLatin1(suffix));
  settings.size = QSize(640, 480);
  int steps = 0;
  const auto started = std::chrono::steady_clock::now();
  for (auto _ : run) {
    const AnimationExportResult result = ExportScript(table, keeper.Script(), settings, {}, {});
    if (result.outcome != AnimationExportResult::Outcome::Written) {
      run.SkipWithError(result.reason.toStdString().c_str());
      return;
    }
    steps = result.steps;
  }
  const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - started;
  const double playingSeconds = steps / 60.0;
  run.counters["steps"] = steps;
  run.counters["times_faster_than_playing"] =
      playingSeconds * static_cast<double>(run.iterations()) / spent.count();
}

static void BM_ExportTenLetterGif(benchmark::State& run) { ExportTenLetters(run, "gif"); }
static void BM_ExportTenLetterMp4(benchmark::State& run) { ExportTenLetters(run, "mp4"); }
BENCHMARK(BM_ExportTenLetterGif)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
BENCHMARK(BM_ExportTenLetterMp4)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);
