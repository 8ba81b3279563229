#pragma once

#include "convert/fingerspelling_system.h"

// Japanese Sign Language: half-width katakana, or romaji turned into them, become the
// 46 kana shapes; small kana, the voiced and semi-voiced marks and repeated kana are
// movements of the hand after the shape. The text a conversion shows is the word's
// half-width katakana.
class KanaSystem : public FingerspellingSystem {
 public:
  SystemId Id() const override { return SystemId::JapaneseKana; }
  QString DataFileName() const override { return QStringLiteral("PositionJSL.csv"); }
  int16_t HandCount() const override { return 1; }
  std::optional<int16_t> NumeralBase() const override { return 46; }
  InputFamily Input() const override { return InputFamily::Kana; }
  RomanizedInput Romanized() const override { return RomanizedInput::Romaji; }
  ConversionResult Convert(const QString& text, int16_t numeralBase) const override;
  ConversionResult ConvertRomanized(const QString& text) const override;
  MoveScript Choreograph(const SignTable& table, const SignSequence& steps,
                         int16_t delay) const override;
};
