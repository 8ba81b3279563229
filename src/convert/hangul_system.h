#pragma once

#include "convert/fingerspelling_system.h"

// Korean Sign Language: every letter of a Hangul syllable is one hand shape, shown at
// the letter's place in the written syllable block (a 3 × 3 grid of wrist offsets), so
// the spelled syllable is laid out in space as it is written. The text a conversion
// shows is the word's Hangul.
class HangulSystem : public FingerspellingSystem {
 public:
  SystemId Id() const override { return SystemId::KoreanHangul; }
  QString DataFileName() const override { return QStringLiteral("PositionKSL.csv"); }
  int16_t HandCount() const override { return 1; }
  std::optional<int16_t> NumeralBase() const override { return 41; }
  InputFamily Input() const override { return InputFamily::Hangul; }
  RomanizedInput Romanized() const override { return RomanizedInput::RomanizedKorean; }
  ConversionResult Convert(const QString& text, int16_t numeralBase) const override;
  ConversionResult ConvertRomanized(const QString& text) const override;
  // The jamo of a letter sign: ㄱ for 1 … ㅎ for 19, ㅏ for 20 … ㅣ for 40.
  QString SignLetter(SignStep step) const override;
  MoveScript Choreograph(const SignTable& table, const SignSequence& steps,
                         int16_t delay) const override;
};
