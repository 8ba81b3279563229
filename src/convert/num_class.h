#pragma once

#include <QString>

#include <cstdint>

class MessageSink;
class PlaybackEngine;

// The converter of the Japanese and Korean numerals: a whole number becomes the
// numeral shapes of the loaded JSL or KSL table (from NumeralBase + 1 on), and a
// thousands sign is shown with a five-step movement of the hand.
class NumClass {
 public:
  NumClass(PlaybackEngine& engine, MessageSink& messages);

  // True when the last conversion succeeded.
  bool Result() const { return result_; }

  // Stores the text and converts it.
  bool Text(const QString& text);

  // Converts the stored text into SignSequence, or reports "Invalid number" or "The
  // number is too big" and leaves SignSequence as it was.
  void NumCodeGenerate();

  // Plays SignSequence; `delay` is the word's time scale.
  void StartRoutine(int16_t delay);

  const QString& StoredText() const { return text_; }

 private:
  PlaybackEngine& engine_;
  MessageSink& messages_;
  bool result_ = false;
  QString text_;
  int16_t delay_ = 0;
};
