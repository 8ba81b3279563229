#include "shell/practice_session.h"

#include <benchmark/benchmark.h>

#include <random>

// Picking the next practice word from a long list, weighed by what 1,000 answers have
// taught the learner model: it must never hold up the next word (aim: under 1 ms).
static void BM_PickNextWordFromTenThousandAfterAThousandAnswers(benchmark::State& state) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> length(3, 10);
  std::uniform_int_distribution<int> letter(0, 25);
  WordList list;
  for (int i = 0; i < 10'000; ++i) {
    QString word;
    for (int n = length(random); n > 0; --n) word += QChar(u'a' + letter(random));
    list.Words << word;
    list.Written << QString();
  }
  PracticeSession session(SystemId::American, false, KanaInput::Romaji, list, 42);
  if (session.SetLengthRange(0, 0)) {
    state.SkipWithError("the list cannot be practised");
    return;
  }
  LearnerTime now{std::chrono::seconds(1'800'000'000)};
  for (int answer = 0; answer < 1'000; ++answer) {
    const QString word = session.PickNext(now, true).Text;
    // Every third answer misreads its second letter as an s.
    const QString typed = answer % 3 == 0 && word.size() > 1 ? word.left(1) + u's' + word.mid(2) : word;
    session.Answer(typed, 100, 1.5, now);
    now += std::chrono::minutes(1);
  }
  // A turn of the practice sets the length range again before it picks.
  const bool wholeTurn = state.range(0) != 0;
  for (auto _ : state) {
    if (wholeTurn) benchmark::DoNotOptimize(session.SetLengthRange(0, 0));
    benchmark::DoNotOptimize(session.PickNext(now, true));
  }
}
BENCHMARK(BM_PickNextWordFromTenThousandAfterAThousandAnswers)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
