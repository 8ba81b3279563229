#pragma once

#include "convert/fingerspelling_system.h"

// The Japanese and Korean numerals: a whole number becomes the numeral shapes of the
// loaded JSL or KSL table, and a thousands sign is shown with a five-step movement of
// the hand. A text that is no whole number, or too big a one, is refused with
// "Invalid number" or "The number is too big".
class NumeralSystem : public FingerspellingSystem {
 public:
  SystemId Id() const override { return SystemId::Numerals; }
  QString DataFileName() const override { return {}; }
  int16_t HandCount() const override { return 0; }
  InputFamily Input() const override { return InputFamily::Numerals; }
  ConversionResult Convert(const QString& text, int16_t numeralBase) const override;
  // Each sign spells its digit; the sign for ten thousand or a hundred million the
  // group of digits it closes.
  std::optional<std::vector<TextSpan>> SignSpans(const QString& text) const override;
  MoveScript Choreograph(const SignTable& table, const SignSequence& steps,
                         int16_t delay) const override;
};
