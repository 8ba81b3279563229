#pragma once

#include "convert/fingerspelling_system.h"

// BSL, the Indonesian alphabet, ASL and the derived ASL alphabet: letters A to Z, a
// doubled letter shown by a slide of the second letter and a bounce.
class AlphabetSystem : public FingerspellingSystem {
 public:
  AlphabetSystem(int index, QString dataFile, int16_t hands, bool aslT)
      : index_(index), dataFile_(std::move(dataFile)), hands_(hands), aslT_(aslT) {}

  int Index() const override { return index_; }
  QString DataFileName() const override { return dataFile_; }
  int16_t HandCount() const override { return hands_; }
  InputFamily Input() const override { return InputFamily::Alphabet; }
  ConversionResult Convert(const QString& text, int16_t numeralBase) const override;
  MoveScript Choreograph(const SignTable& table, const SignSequence& steps,
                         int16_t delay) const override;

 private:
  int index_;
  QString dataFile_;
  int16_t hands_;
  bool aslT_;
};
