// Start-up of the desktop program: from starting the process to the first picture of
// the hand presented on screen, over a folder holding a settings file and the American
// alphabet. Needs a display: run it under xvfb-run.
#include "shell/settings_file.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>

static void BM_StartToFirstFramePresented(benchmark::State& run) {
  if (!std::getenv("DISPLAY")) {
    run.SkipWithError("needs a display: run under xvfb-run");
    return;
  }
  QTemporaryDir folder;
  Settings settings;
  settings.System = SystemId::American;
  if (!folder.isValid() || !WriteSettings(folder.filePath(kSettingsFileName), settings) ||
      !QFile::copy(QStringLiteral(TOVARO_DATA_DIR "/PositionASL.csv"),
                   folder.filePath(QStringLiteral("PositionASL.csv")))) {
    run.SkipWithError("could not prepare the program's folder");
    return;
  }

  for (auto _ : run) {
    QProcess program;
    const auto start = std::chrono::steady_clock::now();
    program.start(QStringLiteral(TOVARO_STARTUP_PROBE), {folder.path()});
    bool presented = false;
    while (!presented && program.waitForReadyRead(10000))
      presented = program.readAllStandardOutput().contains("first frame presented");
    const auto end = std::chrono::steady_clock::now();
    program.waitForFinished(10000);
    if (!presented) {
      run.SkipWithError("the program presented no picture");
      return;
    }
    run.SetIterationTime(std::chrono::duration<double>(end - start).count());
  }
}
BENCHMARK(BM_StartToFirstFramePresented)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);
