// The step clock as the user sees it: the desktop program spells a 20-letter word and
// the intervals between its pictures presented on screen are measured by the step-clock
// probe in a fresh process. Each iteration's time is the span from the first picture to
// the last; the counters are the median, the 99th percentile and the largest interval
// (aim: a 99th percentile within 2 ms of 1/60 s) and the pictures never presented.
// Needs a display: run it under xvfb-run.
#include <QProcess>
#include <QRegularExpression>
#include <QString>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

// One number from the probe's "name=value" line.
double Field(const QString& line, const QString& name) {
  const QRegularExpressionMatch match =
      QRegularExpression(QStringLiteral("\\b%1=([0-9.]+)").arg(name)).match(line);
  return match.hasMatch() ? match.captured(1).toDouble() : -1;
}

void BM_StepIntervalsOfAWord(benchmark::State& run, bool natural) {
  if (!std::getenv("DISPLAY")) {
    run.SkipWithError("needs a display: run under xvfb-run");
    return;
  }
  double median = 0, p99 = 0, largest = 0, unpresented = 0;
  for (auto _ : run) {
    QProcess probe;
    QStringList args{QStringLiteral(TOVARO_DATA_DIR)};
    if (natural) args << QStringLiteral("--natural");
    probe.start(QStringLiteral(TOVARO_STEP_CLOCK_PROBE), args);
    probe.waitForFinished(120000);
    const QString output = QString::fromLocal8Bit(probe.readAllStandardOutput());
    const qsizetype at = output.indexOf(QLatin1String("play 1:"));
    if (probe.exitCode() != 0 || at < 0) {
      run.SkipWithError("the probe measured no word");
      return;
    }
    const QString line = output.mid(at).section(u'\n', 0, 0);
    median += Field(line, QStringLiteral("median_ms"));
    p99 += Field(line, QStringLiteral("p99_ms"));
    largest = std::max(largest, Field(line, QStringLiteral("max_ms")));
    unpresented += Field(line, QStringLiteral("unpresented"));
    run.SetIterationTime(Field(line, QStringLiteral("span_ms")) / 1000);
  }
  const auto runs = static_cast<double>(run.iterations());
  run.counters["median_ms"] = median / runs;
  run.counters["p99_ms"] = p99 / runs;
  run.counters["max_ms"] = largest;
  run.counters["unpresented"] = unpresented / runs;
}

}  // namespace

BENCHMARK_CAPTURE(BM_StepIntervalsOfAWord, classic, false)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
BENCHMARK_CAPTURE(BM_StepIntervalsOfAWord, natural, true)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);
