#pragma once

#include "convert/system_id.h"

#include <QString>

#include <cstdint>

struct PracticeItem;

// Whether a typed answer names the word that was spelled. Case and surrounding blanks
// never matter; Japanese compares hiragana, katakana and half-width katakana alike and
// takes the reading or the written form (or the romaji); Korean typed in roman letters
// is compared as the Hangul it becomes; numbers by their digits. `system` is the one
// that spelled the word.
bool AnswerMatches(const QString& typed, const PracticeItem& item, SystemId system);

// The form two answers are compared in: trimmed, lower case, kana as half-width
// katakana, inner blanks dropped.
QString ComparableAnswer(const QString& text);
// The digits of a number typed in any digits, without leading zeros.
QString AnswerDigits(const QString& text);

// The speed after an answer in "Adapt speed": 10 % faster after a right one, 10 % slower
// after a wrong one, between 20 and 1000.
int AdaptedSpeed(int speed, bool right);

// The score of one practice session.
class PracticeScore {
 public:
  // Counts an answer to the current word; a word answered already (after Repeat)
  // is not counted again.
  void Count(bool right);
  // A new word is asked.
  void NextWord() { answered_ = false; }
  bool Answered() const { return answered_; }

  int Asked() const { return asked_; }
  int Right() const { return right_; }
  int Streak() const { return streak_; }
  // "Right 3 / 4, streak 2"
  QString Text() const;

 private:
  int asked_ = 0;
  int right_ = 0;
  int streak_ = 0;
  bool answered_ = false;
};
