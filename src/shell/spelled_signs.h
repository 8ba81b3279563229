#pragma once

#include "convert/sign_step.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

class FingerspellingSystem;

// One sign of a spelled word as the reader takes it in: the sign as it is made on its
// own, and the letter, kana or jamo it spells.
struct SpelledSign {
  // The sign's code with only the marks that belong to the letter itself (a kana's
  // voicing or small mark); marks that come from its neighbours (a doubled letter's
  // slide, a repeated kana's bounce, a jamo's place in its syllable) are left out, so
  // the same letter is the same sign wherever it stands.
  SignStep Sign;
  // "E", "ｶﾞ", "ㄴ", "100"
  QString Label;

  friend bool operator==(const SpelledSign&, const SpelledSign&) = default;
};

using SpelledSigns = std::vector<SpelledSign>;

// The signs `text` is spelled with by the system's plain conversion, each with what it
// spells; nothing when the system cannot spell the text or spells it with no sign.
// `text` is what the system converts plainly: the katakana or Hangul of a romanized
// word, not the romanization.
std::optional<SpelledSigns> SpelledSignsOf(const FingerspellingSystem& system, const QString& text,
                                           int16_t numeralBase);
