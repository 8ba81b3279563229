// Loading and saving a full two-hand table: 257 signs, the largest file there can be.
#include "signdata/sign_table.h"
#include "signdata/angle_file.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void FillFullTable(SignTable& state) {
  state.ColumnCount = kTwoHandColumns;
  state.HandCount = 2;
  for (int slot = 0; slot < kSignSlots; ++slot) {
    KeyFrame k;
    k.Rate = 1.0f;
    for (int i = 0; i < 45; ++i) {
      k.RightFinger[i] = slot * 0.37f - i * 1.123456f;
      k.LeftFinger[i] = -k.RightFinger[i];
    }
    state.Signs[slot] = {2, FixedLengthName(QString::number(slot)), {k, k}};
  }
  state.SignCount = kSignSlots;
}

}  // namespace

static void BM_SaveFullTwoHandFile(benchmark::State& run) {
  QTemporaryDir dir;
  SignTable state;
  FillFullTable(state);
  const QString path = dir.filePath("full.csv");
  for (auto _ : run) {
    if (!SaveAngleFile(state, path)) run.SkipWithError("save failed");
  }
}
BENCHMARK(BM_SaveFullTwoHandFile)->Unit(benchmark::kMillisecond);

static void BM_LoadFullTwoHandFile(benchmark::State& run) {
  QTemporaryDir dir;
  SignTable written;
  FillFullTable(written);
  const QString path = dir.filePath("full.csv");
  SaveAngleFile(written, path);
  SignTable state;
  state.ColumnCount = kTwoHandColumns;
  state.HandCount = 2;
  for (auto _ : run) {
    if (!LoadAngleFile(state, path)) run.SkipWithError("load failed");
  }
}
BENCHMARK(BM_LoadFullTwoHandFile)->Unit(benchmark::kMillisecond);
