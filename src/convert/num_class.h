#pragma once

#include "convert/sign_step.h"

#include <QString>

#include <cstdint>

// The converter of the Japanese and Korean numerals: a whole number becomes the
// numeral shapes of the loaded JSL or KSL table, from `numeralBase` + 1 on.
class NumClass {
 public:
  explicit NumClass(int16_t numeralBase) : numeralBase_(numeralBase) {}

  // True when the last conversion succeeded.
  bool Result() const { return result_; }

  // Stores the text and converts it.
  bool Text(const QString& text);

  // Converts the stored text into the sequence, or keeps the sequence as it was and
  // says why not in Message(): "Invalid number" or "The number is too big".
  void NumCodeGenerate();

  const SignSequence& Sequence() const { return sequence_; }
  const QString& Message() const { return message_; }
  const QString& StoredText() const { return text_; }

 private:
  int16_t numeralBase_;
  bool result_ = false;
  QString text_;
  QString message_;
  SignSequence sequence_;
};
