#pragma once

#include "convert/sign_step.h"
#include "playback/move_script.h"

#include <QString>

#include <cstdint>
#include <vector>

class FingerspellingSystem;
struct SignTable;

// A stretch of a spelled text: the letter, kana, Hangul syllable or group of digits
// that one sign spells.
struct TextSpan {
  int start = 0;
  int length = 0;

  friend bool operator==(const TextSpan&, const TextSpan&) = default;
};

// Which part of a spelled text each move of its script signs, so the text can be shown
// with the letter being signed marked, and a paused word stepped a sign at a time.
//
// Both are found by spelling the beginnings of the word: the sign a character starts
// is the first sign that the text up to it converts to, and the moves of a sign are
// those its beginning adds to the script. A kana with its voicing mark, the jamo of a
// syllable and a group of digits each come out as one stretch.
class SpelledLetters {
 public:
  SpelledLetters() = default;
  // `text` converted with the system's plain conversion, and choreographed on `table`
  // at `delay`; empty when the system cannot spell it.
  SpelledLetters(const FingerspellingSystem& system, const SignTable& table, const QString& text,
                 int16_t numeralBase, int16_t delay);

  const QString& Text() const { return text_; }
  // The script the letters belong to.
  const MoveScript& Script() const { return script_; }
  bool IsEmpty() const { return signStarts_.empty(); }

  // The stretch the sign of move `move` spells; an empty span outside the script.
  TextSpan SpanOfMove(int move) const;
  // The first move of each sign, in order.
  const std::vector<int>& SignStarts() const { return signStarts_; }

 private:
  QString text_;
  MoveScript script_;
  std::vector<int> signStarts_;
  std::vector<TextSpan> signSpans_;
};

class SignClass;

// The letters of the word `signs` last converted, in the characters it is read in (the
// katakana or Hangul of a romanized word), at the delay it was last played at.
SpelledLetters LettersOfLastWord(const SignClass& signs, const SignTable& table);
