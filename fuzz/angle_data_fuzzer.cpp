// Any bytes as an angle data file, in both layouts. A file the reader takes must come
// back unchanged through the writer: its text written, read and written again is the
// same text, and nothing it held is lost.
#include "signdata/angle_file.h"
#include "signdata/angle_file_reader.h"
#include "base/text_decoding.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace {

// Loads text into a fresh table as LoadAngleFile does; false when it is refused.
bool LoadInto(const QString& text, int columns, SignTableSlots& table, int& signCount) {
  auto parsed = ParseAngleData(text, columns);
  if (!std::holds_alternative<ParsedAngleData>(parsed)) return false;
  signCount = 0;
  for (auto& [index, record] : std::get<ParsedAngleData>(parsed).entries) {
    table[index] = std::move(record);
    signCount = std::max(signCount, index + 1);
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text =
      DecodeTextFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
  for (const int columns : {int{kOneHandColumns}, int{kTwoHandColumns}}) {
    auto first = std::make_unique<SignTableSlots>();
    int firstCount = 0;
    if (!LoadInto(text, columns, *first, firstCount)) continue;

    const QString written = FormatAngleData(*first, firstCount, columns);
    auto second = std::make_unique<SignTableSlots>();
    int secondCount = 0;
    if (!LoadInto(written, columns, *second, secondCount)) std::abort();  // the writer wrote what the reader refuses
    if (secondCount != firstCount) std::abort();                          // a sign was dropped
    for (int slot = 0; slot < firstCount; ++slot)
      if ((*first)[slot].Frames.size() != (*second)[slot].Frames.size()) std::abort();
    if (FormatAngleData(*second, secondCount, columns) != written) std::abort();
  }
  return 0;
}
