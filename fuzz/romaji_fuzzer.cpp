// Any text typed in romaji, and the same text as kana: the converter ends, the kana it
// makes are half-width katakana of code page 932, and the Japanese system spells the
// text with signs its table has.
#include "convert/romaji_converter.h"
#include "convert/system_registry.h"
#include "spelling_checks.h"

#include <cstdlib>

namespace {

const FingerspellingSystem& Kana() { return *FindSystem(4); }

const SignTable& KanaTable() {
  static const std::unique_ptr<SignTable> table = LoadShippedTable(Kana());
  return *table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  if (const auto kana = RomajiToCodePageKana(LowerRomaji(text))) {
    // Half-width katakana and their marks, the long-vowel mark, and the space, '-',
    // '.' and '､' that stand for themselves.
    for (const uint16_t code : *kana)
      if (!((code >= 0xA1 && code <= 0xDF) || code == ' ' || code == '-' || code == '.')) std::abort();
  }
  CheckSpelling(Kana(), Kana().ConvertRomanized(text), KanaTable());
  CheckSpelling(Kana(), Kana().Convert(text, *Kana().NumeralBase()), KanaTable());
  return 0;
}
