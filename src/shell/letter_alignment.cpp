#include "shell/letter_alignment.h"

#include <algorithm>
#include <utility>

namespace {

// Edits first; then substitutions and edits of a letter that is not doubled.
using Cost = std::pair<int, int>;

Cost operator+(Cost a, Cost b) { return {a.first + b.first, a.second + b.second}; }

bool Same(const SpelledSign& a, const SpelledSign& b, LetterMatch match) {
  return match == LetterMatch::BySign ? a.Sign == b.Sign : a.Label == b.Label;
}

// A sign beside its own double, whose missing or extra one is a slip of the count.
bool Doubled(const SpelledSigns& signs, size_t k, LetterMatch match) {
  return (k > 0 && Same(signs[k - 1], signs[k], match)) ||
         (k + 1 < signs.size() && Same(signs[k + 1], signs[k], match));
}

}  // namespace

bool LetterAlignment::AllRight() const {
  return Extra.empty() && std::all_of(Letters.begin(), Letters.end(), [](const LetterReading& letter) {
           return letter.Outcome == LetterOutcome::Right;
         });
}

bool LetterAlignment::ReadsAsAnotherWord() const {
  const auto wrong = std::count_if(Letters.begin(), Letters.end(),
                                   [](const LetterReading& letter) { return letter.Outcome != LetterOutcome::Right; });
  return 2 * (wrong + static_cast<long>(Extra.size())) > static_cast<long>(Letters.size()) + 1;
}

LetterAlignment AlignLetters(const SpelledSigns& spelled, const SpelledSigns& typed, LetterMatch match) {
  const size_t rows = spelled.size() + 1;
  const size_t columns = typed.size() + 1;
  const auto missedCost = [&](size_t i) { return Cost{1, Doubled(spelled, i, match) ? 0 : 1}; };
  const auto extraCost = [&](size_t j) { return Cost{1, Doubled(typed, j, match) ? 0 : 1}; };
  const auto pairCost = [&](size_t i, size_t j) { return Same(spelled[i], typed[j], match) ? Cost{0, 0} : Cost{1, 1}; };

  std::vector<std::vector<Cost>> best(rows, std::vector<Cost>(columns));
  for (size_t i = 1; i < rows; ++i) best[i][0] = best[i - 1][0] + missedCost(i - 1);
  for (size_t j = 1; j < columns; ++j) best[0][j] = best[0][j - 1] + extraCost(j - 1);
  for (size_t i = 1; i < rows; ++i) {
    for (size_t j = 1; j < columns; ++j) {
      best[i][j] = std::min({best[i - 1][j - 1] + pairCost(i - 1, j - 1), best[i - 1][j] + missedCost(i - 1),
                             best[i][j - 1] + extraCost(j - 1)});
    }
  }

  // Back from the end, a pair before a missed sign before an extra one where they tie.
  LetterAlignment alignment;
  std::vector<LetterReading> backwards;
  SpelledSigns extraBackwards;
  size_t i = spelled.size();
  size_t j = typed.size();
  while (i > 0 || j > 0) {
    if (i > 0 && j > 0 && best[i][j] == best[i - 1][j - 1] + pairCost(i - 1, j - 1)) {
      const bool right = Same(spelled[i - 1], typed[j - 1], match);
      backwards.push_back({spelled[i - 1], right ? LetterOutcome::Right : LetterOutcome::Misread,
                           right ? std::nullopt : std::optional<SpelledSign>(typed[j - 1])});
      --i;
      --j;
    } else if (i > 0 && best[i][j] == best[i - 1][j] + missedCost(i - 1)) {
      backwards.push_back({spelled[i - 1], LetterOutcome::Missed, std::nullopt});
      --i;
    } else {
      extraBackwards.push_back(typed[j - 1]);
      --j;
    }
  }
  alignment.Letters.assign(backwards.rbegin(), backwards.rend());
  alignment.Extra.assign(extraBackwards.rbegin(), extraBackwards.rend());
  return alignment;
}

std::optional<LetterReading> FirstMisread(const LetterAlignment& letters) {
  for (const LetterReading& letter : letters.Letters)
    if (letter.Outcome == LetterOutcome::Misread && letter.ReadAs) return letter;
  return std::nullopt;
}
