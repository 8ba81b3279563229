#include "shell/answer_letters.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "convert/text_playback.h"
#include "convert/typed_text_normalization.h"
#include "shell/answer_check.h"
#include "shell/practice_picker.h"

#include <variant>

namespace {

// The signs of a converted text, labelled from what the system spells plainly: the
// katakana or Hangul it reads as, or the text itself where it shows none.
std::optional<SpelledSigns> SignsOfConversion(const FingerspellingSystem& system, const ConversionResult& result,
                                              const QString& text, int16_t numeralBase) {
  const auto* conversion = std::get_if<Conversion>(&result);
  if (!conversion) return std::nullopt;
  return SpelledSignsOf(system, conversion->shownText.isEmpty() ? text : conversion->shownText, numeralBase);
}

std::optional<SpelledSigns> TypedSigns(const FingerspellingSystem& system, const QString& typed, int16_t numeralBase) {
  if (system.Id() == SystemId::Numerals) return SpelledSignsOf(system, AnswerDigits(typed), numeralBase);
  const QString answer = ComparableAnswer(typed);
  const QString plain = NormalizeTypedText(answer, system.Id(), false);
  if (std::optional<SpelledSigns> signs =
          SignsOfConversion(system, system.Convert(plain, numeralBase), plain, numeralBase))
    return signs;
  if (system.Romanized() == RomanizedInput::None) return std::nullopt;
  const QString romanized = NormalizeTypedText(answer, system.Id(), true);
  return SignsOfConversion(system, system.ConvertRomanized(romanized), romanized, numeralBase);
}

SpelledSigns CharactersOf(const QString& typed) {
  SpelledSigns characters;
  for (const QChar c : ComparableAnswer(typed)) characters.push_back({SignStep{}, QString(c).toUpper()});
  return characters;
}

}  // namespace

std::optional<SpelledSigns> SignsOfTypedText(const QString& typed, SystemId system) {
  return TypedSigns(FindSystem(system), typed, NumeralBaseOfSystem(system, 46));
}

std::optional<SpelledSigns> SpelledSignsOfItem(const PracticeItem& item, SystemId system) {
  const FingerspellingSystem& spelling = FindSystem(system);
  const int16_t numeralBase = NumeralBaseOfSystem(system, 46);
  const ConversionResult result = item.Spelling == ListSpelling::Romaji ? spelling.ConvertRomanized(item.Text)
                                                                        : spelling.Convert(item.Text, numeralBase);
  return SignsOfConversion(spelling, result, item.Text, numeralBase);
}

LetterAlignment ReadAnswerLetters(const QString& typed, const PracticeItem& item, SystemId system) {
  const std::optional<SpelledSigns> spelled = SpelledSignsOfItem(item, system);
  if (!spelled) return {};
  if (AnswerMatches(typed, item, system)) {
    LetterAlignment all;
    for (const SpelledSign& sign : *spelled) all.Letters.push_back({sign, LetterOutcome::Right, std::nullopt});
    return all;
  }
  const FingerspellingSystem& spelling = FindSystem(system);
  if (const std::optional<SpelledSigns> signs = TypedSigns(spelling, typed, NumeralBaseOfSystem(system, 46)))
    return AlignLetters(*spelled, *signs, LetterMatch::BySign);
  return AlignLetters(*spelled, CharactersOf(typed), LetterMatch::ByLabel);
}
