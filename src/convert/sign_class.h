#pragma once

#include "convert/sign_step.h"
#include "convert/system_id.h"
#include "playback/motion_style.h"

#include <QString>

#include <cstdint>
#include <optional>

class FingerspellingSystem;
class ScriptPlayer;
struct SignTable;

// The one object through which the program turns text into fingerspelling. It keeps
// the system it was set to, forwards text to that system's conversion, keeps the last
// word that converted, and has the player play it on the table it was given.
class SignClass {
 public:
  SignClass(const SignTable& table, ScriptPlayer& player);

  // Sets the system; the last word stays.
  void LangSet(SystemId system);

  // The first numeral slot of the table in use, which the numerals count from.
  void SetNumeralBase(int16_t base) { numeralBase_ = base; }
  int16_t NumeralBase() const { return numeralBase_; }

  // Converts with the system's conversion. Returns Result(). A failed conversion
  // keeps the last word; Message() then says what the system said about the text.
  bool Text(const QString& text);
  // Converts romanized Korean; only while set to KSL, else Result() is False and
  // nothing changes.
  bool KslRomanText(const QString& text);
  // Converts romaji; only while set to JSL, else Result() is False and nothing changes.
  bool JslRomanText(const QString& text);

  // How the words are played from now on; Described until set.
  void SetMotion(MotionStyle motion) { motion_ = motion; }
  MotionStyle Motion() const { return motion_; }

  // Plays the last converted word at `speed` (at least 1): the delay is 4000 / speed
  // and the frame counter starts again at 0. False, playing nothing, for a speed below
  // 1 or when no system is set.
  bool StartRoutine(int speed);

  // The pictures the word last played takes (at 60 a second); 0 before any.
  int LastWordPictures() const;

  // True when the last conversion succeeded; False while no system is set and right
  // after LangSet.
  bool Result() const { return result_; }

  // The Hangul of the last KSL word and the katakana of the last JSL word; empty
  // while another system is set.
  QString HangulString() const;
  QString KatakanaString() const;

  // What the system said about the last text it rejected ("Invalid number"); empty
  // when it said nothing.
  const QString& Message() const { return message_; }

  // The system set, if any.
  std::optional<SystemId> CurrentSystem() const;
  const FingerspellingSystem* System() const { return system_; }
  const SignSequence& Sequence() const { return steps_; }
  const QString& LastText() const { return text_; }
  int16_t Delay() const { return delay_; }
  const SignTable& Table() const { return table_; }

 private:
  enum class Input { Plain, Romanized };
  bool Convert(const QString& text, Input input);

  const SignTable& table_;
  ScriptPlayer& player_;
  const FingerspellingSystem* system_ = nullptr;
  int16_t numeralBase_ = 46;
  QString text_;
  QString message_;
  SignSequence steps_;
  QString shownText_;
  int16_t delay_ = 0;
  MotionStyle motion_ = MotionStyle::Described;
  bool result_ = false;
};
