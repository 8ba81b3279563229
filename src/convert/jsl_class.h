#pragma once

#include "convert/sign_step.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The converter of Japanese Sign Language fingerspelling: half-width katakana, or
// romaji turned into them, become the 46 kana shapes; small kana, the voiced and
// semi-voiced marks and repeated kana are movements of the hand after the shape.
//
// A conversion is all or nothing: when it fails, the kana array, the sequence and
// KatakanaString stay as the last successful one left them.
class JslClass {
 public:
  // True when the last conversion succeeded.
  bool Result() const { return result_; }

  // Converts half-width katakana. Anything else (full-width kana, hiragana, spaces,
  // Latin letters) fails.
  bool Text(const QString& text);

  // Converts romaji through ConverterAsc.
  bool RomanText(const QString& text);

  // Converts kana values given directly, numbered as the romaji flag of the last
  // conversion says (code page values after Text, code points after RomanText).
  bool KanaArraySet(std::span<const uint16_t> values);

  // The half-width katakana of romaji as their code points (the code page values
  // minus 320, modulo 2^16), or nullopt when the text is not valid romaji.
  static std::optional<std::vector<uint16_t>> ConverterAsc(const QString& text);

  // The katakana of the last successful conversion.
  QString KatakanaString() const;

  const std::vector<uint16_t>& KanaArray() const { return kana_; }
  const SignSequence& Sequence() const { return sequence_; }
  bool RomajiFlag() const { return romaji_; }
  const QString& StoredText() const { return text_; }

 private:
  static std::vector<uint16_t> KanaCodeGenerate(const QString& text);
  // Converts `values` and, when that succeeds, keeps them and the sequence.
  bool KanaCodeGenerateArray(std::vector<uint16_t> values, bool romaji);

  bool result_ = false;
  QString text_;
  std::vector<uint16_t> kana_;
  bool romaji_ = false;
  SignSequence sequence_;
};
