#pragma once

#include "convert/sign_step.h"
#include "convert/text_span.h"
#include "playback/motion_style.h"
#include "playback/move_script.h"

#include <QString>

#include <cstdint>
#include <vector>

class FingerspellingSystem;
struct SignTable;

// What the line under the picture marks while a sign is signed: the stretch of the
// text it spells and, where that stretch is spelled by several signs (the jamo of a
// Hangul syllable), the stretch's letters with the sign's own one.
struct SignMark {
  TextSpan span;
  QString letters;  // e.g. "ㄴㅕㅇ" for 녕; empty when the stretch is one sign
  TextSpan letter;  // within `letters`

  friend bool operator==(const SignMark&, const SignMark&) = default;
};

// Which part of a spelled text each move of its script signs, so the text can be shown
// with the letter being signed marked, and a paused word stepped a sign at a time.
//
// Both are found by spelling the beginnings of the word: the sign a character starts
// is the first sign that the text up to it converts to, and the moves of a sign are
// those its beginning adds to the script. A kana with its voicing mark and the jamo
// of a syllable each come out as one stretch; a system that knows its signs' stretches
// better (the numerals, whose beginnings are other numbers) gives them itself.
class SpelledLetters {
 public:
  SpelledLetters() = default;
  // `text` converted with the system's plain conversion, and choreographed on `table`
  // at `delay` in `motion`; empty when the system cannot spell it.
  SpelledLetters(const FingerspellingSystem& system, const SignTable& table, const QString& text,
                 int16_t numeralBase, int16_t delay, MotionStyle motion = MotionStyle::Described);

  const QString& Text() const { return text_; }
  // The script the letters belong to.
  const MoveScript& Script() const { return script_; }
  bool IsEmpty() const { return signStarts_.empty(); }

  // What the sign of move `move` spells; an empty mark outside the script.
  SignMark MarkOfMove(int move) const;
  // The first move of each sign, in order.
  const std::vector<int>& SignStarts() const { return signStarts_; }

 private:
  QString text_;
  MoveScript script_;
  std::vector<int> signStarts_;
  std::vector<SignMark> signMarks_;
};

class SignClass;

// The letters of the word `signs` last converted, in the characters it is read in (the
// katakana or Hangul of a romanized word), at the delay and in the motion it was last
// played in.
SpelledLetters LettersOfLastWord(const SignClass& signs, const SignTable& table);
