#pragma once

#include "convert/fingerspelling_system.h"

// BSL, the Indonesian alphabet, ASL and the derived ASL alphabet: letters A to Z, a
// doubled letter shown by a slide of the second letter and a bounce. A conversion never
// fails: what is not a letter is passed over.
class AlphabetSystem : public FingerspellingSystem {
 public:
  AlphabetSystem(SystemId id, QString dataFile, int16_t hands, bool aslT)
      : id_(id), dataFile_(std::move(dataFile)), hands_(hands), aslT_(aslT) {}

  SystemId Id() const override { return id_; }
  QString DataFileName() const override { return dataFile_; }
  int16_t HandCount() const override { return hands_; }
  InputFamily Input() const override { return InputFamily::Alphabet; }
  ConversionResult Convert(const QString& text, int16_t numeralBase) const override;
  MoveScript Choreograph(const SignTable& table, const SignSequence& steps,
                         int16_t delay) const override;
  // The two-handed alphabets go from contact to contact, passing over each letter's
  // frames apart, and lift a hand off the other only as far as the way needs.
  bool PassesOver(const SignTable& table, int sign, int frame) const override;
  std::vector<Move> Waypoints(const SignTable& table, const Move& from, const Move& to) const override;

 private:
  SystemId id_;
  QString dataFile_;
  int16_t hands_;
  bool aslT_;
};
