// Any text as a number for the numerals, against the Japanese and the Korean table:
// the converter ends, and a number it takes is spelled with numeral signs the table
// has.
#include "spelling_checks.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  // The numerals take the table, and the first numeral slot, of the system in use.
  static const SpellingSystem tables[] = {SpellingSystem(SystemId::JapaneseKana),
                                          SpellingSystem(SystemId::KoreanHangul)};
  const FingerspellingSystem& numerals = FindSystem(SystemId::Numerals);
  for (const SpellingSystem& numeralTable : tables) {
    const ConversionResult result = numerals.Convert(text, numeralTable.NumeralBase());
    if (const auto* conversion = std::get_if<Conversion>(&result)) {
      if (conversion->steps.empty()) std::abort();
      for (const SignStep& step : conversion->steps)
        if (step.Code < numeralTable.NumeralBase()) std::abort();
    }
    CheckSpelling(numerals, result, *numeralTable.table);
  }
  return 0;
}
