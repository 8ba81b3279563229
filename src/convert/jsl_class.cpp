#include "convert/jsl_class.h"

#include "convert/kana_signs.h"
#include "convert/romaji_converter.h"

namespace {

// ConverterAsc numbers kana by their code points, 320 below the code page values
// modulo 2^16 (0xB1 ｱ is 0xFF71).
constexpr uint16_t kRomajiShift = 320;


uint16_t CodePageValue(uint16_t value, bool romaji) {
  return static_cast<uint16_t>(romaji ? value + kRomajiShift : value);
}

}  // namespace

bool JslClass::Text(const QString& text) {
  text_ = text;
  return KanaCodeGenerateArray(KanaCodeGenerate(text), false);
}

bool JslClass::RomanText(const QString& text) {
  text_ = text;
  std::optional<std::vector<uint16_t>> kana = ConverterAsc(text);
  if (!kana) {
    result_ = false;
    return false;
  }
  return KanaCodeGenerateArray(std::move(*kana), true);
}

bool JslClass::KanaArraySet(std::span<const uint16_t> values) {
  return KanaCodeGenerateArray(std::vector<uint16_t>(values.begin(), values.end()), romaji_);
}

std::optional<std::vector<uint16_t>> JslClass::ConverterAsc(const QString& text) {
  std::optional<std::vector<uint16_t>> kana = RomajiToCodePageKana(LowerRomaji(text));
  if (kana)
    for (uint16_t& v : *kana) v = static_cast<uint16_t>(v - kRomajiShift);
  return kana;
}

QString JslClass::KatakanaString() const {
  QString text;
  text.reserve(static_cast<qsizetype>(kana_.size()));
  for (const uint16_t v : kana_) {
    // Kana from Text are code page values and are shown as the katakana they stand for.
    const uint16_t codePage = CodePageValue(v, romaji_);
    text += codePage >= 0xA1 && codePage <= 0xDF ? HalfWidthKatakana(codePage)
                                                 : QChar(static_cast<char16_t>(v));
  }
  return text;
}

std::vector<uint16_t> JslClass::KanaCodeGenerate(const QString& text) {
  std::vector<uint16_t> values;
  values.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) values.push_back(CodePageKanaValue(c));
  return values;
}

bool JslClass::KanaCodeGenerateArray(std::vector<uint16_t> values, bool romaji) {
  std::vector<uint16_t> codePage(values.size());
  for (size_t i = 0; i < values.size(); ++i) codePage[i] = CodePageValue(values[i], romaji);
  const std::optional<std::vector<SignStep>> steps = KanaSigns(codePage);
  result_ = steps.has_value();
  if (!result_) return false;
  sequence_ = std::move(*steps);
  kana_ = std::move(values);
  romaji_ = romaji;
  return true;
}
