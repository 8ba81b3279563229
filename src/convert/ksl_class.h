#pragma once

#include "convert/hangul_syllable.h"
#include "convert/sign_step.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// The converter of Korean Sign Language fingerspelling: every letter of a Hangul
// syllable is one hand shape, shown at the letter's place in the written syllable
// block (a 3 × 3 grid of wrist offsets), so the spelled syllable is laid out in space
// as it is written.
//
// A conversion is all or nothing: when it fails, the syllable table, the sequence and
// HangulString stay as the last successful one left them.
class KslClass {
 public:
  // True when the last conversion succeeded.
  bool Result() const { return result_; }

  // Converts Hangul syllables; any other character fails.
  bool Text(const QString& text);

  // Converts romanized Korean through ConverterHangulArray.
  bool RomanText(const QString& text);

  // The syllables of the last successful conversion.
  QString HangulString() const;

  // The syllables of romanized Korean, or nullopt when the text is not valid.
  static std::optional<std::vector<HangulSyllable>> ConverterHangulArray(const QString& text);

  const std::vector<HangulSyllable>& Syllables() const { return syllables_; }
  const SignSequence& Sequence() const { return sequence_; }
  const QString& StoredText() const { return text_; }

 private:
  static std::optional<std::vector<HangulSyllable>> HangulCodeGenerate(const QString& text);
  // Converts `syllables` and, when that succeeds, keeps them and the sequence.
  bool HangulCodeGenerateArray(std::vector<HangulSyllable> syllables);

  bool result_ = false;
  QString text_;
  std::vector<HangulSyllable> syllables_;
  SignSequence sequence_;
};
