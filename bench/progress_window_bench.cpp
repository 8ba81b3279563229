// Opening the progress window's data over a progress file of a practised learner:
// 100,000 answers, 2,000 sessions, every letter tried and misread, 300 words waiting.
// The window reads the file as it opens, so this must stay well under 200 ms.
#include "shell/progress_store.h"
#include "shell/progress_summary.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr int kAnswers = 100'000;
constexpr int kSessions = 2'000;
constexpr int kReviews = 300;
constexpr double kLimitMs = 200.0;

// Fills the store's tables straight in one transaction: written one answer a
// transaction, as the practice does, the file would take minutes to make.
bool FillStore(const QString& path) {
  if (!ProgressStore::Open(path).store) return false;
  const QString connection = QStringLiteral("bench-fill");
  bool filled = false;
  {
    QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    database.setDatabaseName(path);
    if (database.open() && database.transaction()) {
      QSqlQuery query(database);
      filled = true;
      query.prepare(QStringLiteral("INSERT INTO answers (answered, system, word, typed, answered_right, speed)"
                                   " VALUES (?, 2, ?, ?, ?, ?)"));
      for (int i = 0; i < kAnswers && filled; ++i) {
        query.addBindValue(QStringLiteral("2026-%1-10T10:00:00.000Z").arg(1 + i % 12, 2, 10, QChar(u'0')));
        query.addBindValue(QStringLiteral("word%1").arg(i % 5000));
        query.addBindValue(QStringLiteral("ward%1").arg(i % 5000));
        query.addBindValue(i % 3 != 0 ? 1 : 0);
        query.addBindValue(80 + i % 120);
        filled = query.exec();
      }
      query.prepare(QStringLiteral("INSERT INTO sessions (started, system, asked, answered_right, average_speed)"
                                   " VALUES (?, ?, 50, ?, ?)"));
      for (int i = 0; i < kSessions && filled; ++i) {
        query.addBindValue(QStringLiteral("2026-11-10T10:%1:00.000Z").arg(i % 60, 2, 10, QChar(u'0')));
        query.addBindValue(i % 4);
        query.addBindValue(i % 50);
        query.addBindValue(80 + i % 120);
        filled = query.exec();
      }
      query.prepare(QStringLiteral("INSERT INTO signs (system, sign, tries, answered_right, taken_for, last_seen)"
                                   " VALUES (2, ?, 4000, ?, ?, '2026-12-01T10:00:00.000Z')"));
      for (int sign = 1; sign <= 26 && filled; ++sign) {
        QStringList takenFor;
        for (int k = 0; k < 400; ++k) takenFor << QString::number(1 + (sign + k % 7) % 26);
        query.addBindValue(sign);
        query.addBindValue(2000 + sign * 70);
        query.addBindValue(takenFor.join(u' '));
        filled = query.exec();
      }
      query.prepare(QStringLiteral("INSERT INTO reviews (system, word, box, due, last_right) VALUES (2, ?, 1, ?, NULL)"));
      for (int i = 0; i < kReviews && filled; ++i) {
        query.addBindValue(QStringLiteral("word%1").arg(i));
        query.addBindValue(QStringLiteral("2026-12-%1T10:00:00.000Z").arg(1 + i % 28, 2, 10, QChar(u'0')));
        filled = query.exec();
      }
      filled = filled && database.commit();
    }
  }
  QSqlDatabase::removeDatabase(connection);
  return filled;
}

void BM_OpenProgressWindowData(benchmark::State& state) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(kProgressFileName);
  if (!FillStore(path)) {
    state.SkipWithError("the progress file could not be made");
    return;
  }
  double slowestMs = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const ProgressSummary summary = ReadProgressSummary(path, SystemId::American);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    slowestMs = std::max(slowestMs, took.count());
    benchmark::DoNotOptimize(summary);
    if (summary.Signs.size() != 26 || summary.Confused.size() != ProgressSummary::kConfusedPairsShown) {
      state.SkipWithError("the summary is not the one written");
      return;
    }
  }
  state.counters["slowest_ms"] = slowestMs;
  if (slowestMs >= kLimitMs) state.SkipWithError("opening the progress window's data took 200 ms or more");
}
BENCHMARK(BM_OpenProgressWindowData)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
