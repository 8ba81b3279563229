#pragma once

// A stretch of a spelled text: the letter, kana, Hangul syllable or digit that one sign
// spells.
struct TextSpan {
  int start = 0;
  int length = 0;

  friend bool operator==(const TextSpan&, const TextSpan&) = default;
};
