#pragma once

#include <QChar>

#include <optional>

// A Hangul syllable as its Unicode decomposition: initial 0..18, vowel 0..20 and final
// 0..27 (0 for none), each in Unicode jamo order.
struct HangulSyllable {
  int Initial = 0;
  int Vowel = 0;
  int Final = 0;

  friend bool operator==(const HangulSyllable&, const HangulSyllable&) = default;
};

constexpr int kHangulInitials = 19;
constexpr int kHangulVowels = 21;
constexpr int kHangulFinals = 28;

// True when every index is within its range.
bool IsValidSyllable(const HangulSyllable& syllable);

// The decomposition of a precomposed syllable U+AC00..U+D7A3; nullopt for any other
// character (Latin letters, digits, spaces, single jamo).
std::optional<HangulSyllable> DecomposeHangul(QChar c);

// U+AC00 + initial × 588 + vowel × 28 + final, for a valid syllable.
QChar ComposeHangul(const HangulSyllable& syllable);
