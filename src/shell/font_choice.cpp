#include "shell/font_choice.h"

#include "base/number_format.h"

#include <optional>

namespace {

// The size a text gives, or the message that refuses it.
struct SizeReading {
  int16_t Size = 0;
  QString Message;
};

SizeReading ReadFontSize(const QString& text) {
  const double value = LenientNumber(text);
  const std::optional<int16_t> size = RoundToInt16(value);
  if (!size) return {0, value > 0 ? kFontSizeTooBigMessage : kFontSizeTooSmallMessage};
  if (*size < 1) return {0, kFontSizeTooSmallMessage};
  if (*size > kLargestFontSize) return {0, kFontSizeTooBigMessage};
  return {KeptFontSize(*size), {}};
}

}  // namespace

FontChoice CheckFontChoice(const QString& japaneseName, const QString& japaneseSize,
                           const QString& koreanName, const QString& koreanSize) {
  FontChoice choice;
  const QString japanese = japaneseName.trimmed();
  const QString korean = koreanName.trimmed();
  if (japanese.isEmpty() || korean.isEmpty()) return choice;

  const SizeReading japaneseReading = ReadFontSize(japaneseSize);
  const SizeReading koreanReading = ReadFontSize(koreanSize);
  for (const SizeReading& reading : {japaneseReading, koreanReading}) {
    if (!reading.Message.isEmpty()) {
      choice.Result = FontChoice::Outcome::Refused;
      choice.Message = reading.Message;
      return choice;
    }
  }
  choice.Result = FontChoice::Outcome::Accepted;
  choice.Japanese = {japanese, japaneseReading.Size};
  choice.Korean = {korean, koreanReading.Size};
  return choice;
}
