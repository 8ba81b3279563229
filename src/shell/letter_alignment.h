#pragma once

#include "shell/spelled_signs.h"

#include <optional>
#include <vector>

// How one sign of the spelled word was read.
enum class LetterOutcome { Right, Misread, Missed };

struct LetterReading {
  SpelledSign Spelled;
  LetterOutcome Outcome = LetterOutcome::Right;
  // The sign typed in its place, when it was misread.
  std::optional<SpelledSign> ReadAs;
};

// A typed answer read against the spelled word sign by sign.
struct LetterAlignment {
  std::vector<LetterReading> Letters;  // one per sign spelled, in order
  SpelledSigns Extra;                  // signs typed that stand for none spelled

  bool AllRight() const;
  // More signs misread, missed or added than half the signs spelled: the answer is
  // another word, not the word with letters misread.
  bool ReadsAsAnotherWord() const;
};

// How two signs are told the same: by the sign, or where the answer could not be read
// as signs, by the letter each spells.
enum class LetterMatch { BySign, ByLabel };

// The cheapest alignment of `typed` with `spelled`, each substitution, missed and
// extra sign costing one. Of alignments that cost the same, the one with fewest
// substitutions, not counting a missed or extra sign beside its own double, is taken:
// "helo" for "hello" misses one L rather than misreading L as O and missing the O.
LetterAlignment AlignLetters(const SpelledSigns& spelled, const SpelledSigns& typed, LetterMatch match);

// The first sign read as another one, with the one read, if any.
std::optional<LetterReading> FirstMisread(const LetterAlignment& letters);
