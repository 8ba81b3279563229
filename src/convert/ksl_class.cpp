#include "convert/ksl_class.h"

#include "convert/hangul_romanization.h"
#include "convert/hangul_signs.h"

#include <utility>

bool KslClass::Text(const QString& text) {
  text_ = text;
  std::optional<std::vector<HangulSyllable>> syllables = HangulCodeGenerate(text);
  result_ = syllables && HangulCodeGenerateArray(std::move(*syllables));
  return result_;
}

bool KslClass::RomanText(const QString& text) {
  text_ = text;
  std::optional<std::vector<HangulSyllable>> syllables = ConverterHangulArray(text);
  result_ = syllables && HangulCodeGenerateArray(std::move(*syllables));
  return result_;
}

QString KslClass::HangulString() const {
  QString text;
  text.reserve(static_cast<qsizetype>(syllables_.size()));
  for (const HangulSyllable& s : syllables_) text += ComposeHangul(s);
  return text;
}

std::optional<std::vector<HangulSyllable>> KslClass::ConverterHangulArray(const QString& text) {
  return ParseRomanizedHangul(text);
}

std::optional<std::vector<HangulSyllable>> KslClass::HangulCodeGenerate(const QString& text) {
  std::vector<HangulSyllable> syllables;
  syllables.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) {
    const std::optional<HangulSyllable> syllable = DecomposeHangul(c);
    if (!syllable) return std::nullopt;
    syllables.push_back(*syllable);
  }
  return syllables;
}

bool KslClass::HangulCodeGenerateArray(std::vector<HangulSyllable> syllables) {
  const std::optional<std::vector<SignStep>> steps = HangulSigns(syllables);
  if (!steps) return false;
  sequence_ = std::move(*steps);
  syllables_ = std::move(syllables);
  return true;
}
