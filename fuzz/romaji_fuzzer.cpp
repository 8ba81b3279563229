// Any text typed in romaji, and the same text as kana: the converter ends, the kana it
// makes are half-width katakana of code page 932, and the Japanese system spells the
// text with signs its table has.
#include "convert/romaji_converter.h"
#include "spelling_checks.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const SpellingSystem kana(SystemId::JapaneseKana);
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  if (const auto codes = RomajiToCodePageKana(LowerRomaji(text))) {
    // Half-width katakana and their marks, the long-vowel mark, and the space, '-',
    // '.' and '､' that stand for themselves.
    for (const uint16_t code : *codes)
      if (!((code >= 0xA1 && code <= 0xDF) || code == ' ' || code == '-' || code == '.')) std::abort();
  }
  CheckSpelling(kana.system, kana.system.ConvertRomanized(text), *kana.table);
  CheckSpelling(kana.system, kana.system.Convert(text, kana.NumeralBase()), *kana.table);
  return 0;
}
