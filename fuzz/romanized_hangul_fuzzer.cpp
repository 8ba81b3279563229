// Any text as romanized Korean, and the same text as Hangul: the parser ends, every
// syllable it finds is one Hangul can write, and the Korean system spells the text
// with signs its table has.
#include "convert/hangul_romanization.h"
#include "spelling_checks.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const SpellingSystem korean(SystemId::KoreanHangul);
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  if (const auto syllables = ParseRomanizedHangul(text)) {
    if (syllables->empty() && !text.isEmpty()) std::abort();
  }
  CheckSpelling(korean.system, korean.system.ConvertRomanized(text), *korean.table);
  CheckSpelling(korean.system, korean.system.Convert(text, korean.NumeralBase()), *korean.table);
  return 0;
}
