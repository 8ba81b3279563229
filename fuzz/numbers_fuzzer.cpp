// Any text as a number for the numerals, against the Japanese and the Korean table:
// the converter ends, and a number it takes is spelled with numeral signs the table
// has; a number it refuses says why.
#include "convert/system_registry.h"
#include "spelling_checks.h"

#include <cstdlib>

namespace {

struct NumeralTable {
  std::unique_ptr<SignTable> table;
  int16_t numeralBase;
};

const std::vector<NumeralTable>& Tables() {
  static const std::vector<NumeralTable> tables = [] {
    std::vector<NumeralTable> loaded;
    for (const int index : {4, 5})
      loaded.push_back({LoadShippedTable(*FindSystem(index)), *FindSystem(index)->NumeralBase()});
    return loaded;
  }();
  return tables;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const FingerspellingSystem& numerals = *FindSystem(6);
  for (const NumeralTable& numeralTable : Tables()) {
    const ConversionResult result = numerals.Convert(text, numeralTable.numeralBase);
    if (const auto* conversion = std::get_if<Conversion>(&result)) {
      if (conversion->steps.empty()) std::abort();
      for (const SignStep& step : conversion->steps)
        if (step.Code < numeralTable.numeralBase) std::abort();
    }
    CheckSpelling(numerals, result, *numeralTable.table);
  }
  return 0;
}
