#pragma once

#include <QString>

#include <cstdint>

class PlaybackEngine;

// The converter of the four alphabet systems (BSL, Indonesian, ASL, derived ASL):
// letters A to Z become hand shapes 1 to 26, and a doubled letter is shown by a small
// slide of the second letter and a bounce.
class AlphaClass {
 public:
  explicit AlphaClass(PlaybackEngine& engine);

  // True when the last conversion succeeded; an alphabet conversion always does.
  bool Result() const { return result_; }

  // Stores the text and converts it.
  bool Text(const QString& text);

  // Converts the stored text into SignSequence: letters only, anything else is
  // skipped. In ASL (SystemIndex 2) T is shape 27.
  void AlphabetCodeGenerate();

  // Plays SignSequence; `delay` is the word's time scale.
  void StartRoutine(int16_t delay);

  // The last text given, in upper case once converted.
  const QString& StoredText() const { return text_; }

 private:
  void PlayBounce(int code, float slideRight, float slideLeft);

  PlaybackEngine& engine_;
  bool result_ = false;
  QString text_;
  int16_t delay_ = 0;
};
