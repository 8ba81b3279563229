#pragma once

#include "convert/sign_step.h"
#include "convert/hangul_syllable.h"

#include <optional>
#include <span>
#include <vector>

// Turns syllables into KSL signs, letter by letter: the initial consonant is sign
// initial + 1 (1..19), the vowel sign vowel + 20 (20..40), and a final is spelled with
// one or two consonant signs. Each sign's Modifier is the letter's place in the
// syllable block, a 3 × 3 grid (top row 1 2 3, middle 4 5 6, bottom 7 8 9; in each row
// the middle, left and right column):
//   - a vowel written below the initial: initial 1, vowel 4, finals 7 or 8 and 9;
//   - a vowel written beside it: initial 2, vowel 3, finals 4 or 5 and 6.
//
// Nullopt when a syllable has an index out of range.
std::optional<std::vector<SignStep>> HangulSigns(std::span<const HangulSyllable> syllables);
