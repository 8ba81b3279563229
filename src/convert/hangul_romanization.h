#pragma once

#include "convert/hangul_syllable.h"

#include <QStringView>

#include <optional>
#include <vector>

// Romanized Korean with a capital letter at the start of every syllable: initials and
// finals are spelled letter by letter (G, Kk or Gg, N, D, Tt, R or L, ...; finals g,
// kk, gs, n, nj, ...), vowels in the Revised Romanization (a, ae, ya, yae, eo, ...),
// and a syllable without initial consonant starts with its vowel in capitals (An,
// Yeo). Longer spellings are tried first; the comparison is case-sensitive.
//
// The syllables of the text, or nullopt when it does not follow these rules.
std::optional<std::vector<HangulSyllable>> ParseRomanizedHangul(QStringView text);
