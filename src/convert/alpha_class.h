#pragma once

#include "convert/sign_step.h"

#include <QString>

// The converter of the four alphabet systems (BSL, Indonesian, ASL, derived ASL):
// letters A to Z become hand shapes 1 to 26, and doubled letters are marked for the
// slide and bounce the alphabets' choreography gives them.
class AlphaClass {
 public:
  // ASL spells T with its own shape, 27.
  explicit AlphaClass(bool aslT) : aslT_(aslT) {}

  // True when the last conversion succeeded; an alphabet conversion always does.
  bool Result() const { return result_; }

  // Stores the text and converts it.
  bool Text(const QString& text);

  // Converts the stored text into the sequence: letters only, anything else is
  // skipped.
  void AlphabetCodeGenerate();

  const SignSequence& Sequence() const { return sequence_; }

  // The last text given, in upper case once converted.
  const QString& StoredText() const { return text_; }

 private:
  bool aslT_;
  bool result_ = false;
  QString text_;
  SignSequence sequence_;
};

// The modifiers of a doubled letter: the first of a run and every later one.
constexpr int16_t kDoubledFirst = 16;
constexpr int16_t kDoubledSecond = 128;
