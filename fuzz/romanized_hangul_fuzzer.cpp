// Any text as romanized Korean, and the same text as Hangul: the parser ends, every
// syllable it finds is one Hangul can write, and the Korean system spells the text
// with signs its table has.
#include "convert/hangul_romanization.h"
#include "convert/system_registry.h"
#include "spelling_checks.h"

#include <cstdlib>

namespace {

const FingerspellingSystem& Korean() { return *FindSystem(5); }

const SignTable& KoreanTable() {
  static const std::unique_ptr<SignTable> table = LoadShippedTable(Korean());
  return *table;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  if (const auto syllables = ParseRomanizedHangul(text)) {
    if (syllables->empty() && !text.isEmpty()) std::abort();
  }
  CheckSpelling(Korean(), Korean().ConvertRomanized(text), KoreanTable());
  CheckSpelling(Korean(), Korean().Convert(text, *Korean().NumeralBase()), KoreanTable());
  return 0;
}
