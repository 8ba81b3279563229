#include "convert/word_spelling.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "convert/text_playback.h"

namespace {

// The alphabets pass over characters they have no sign for, so a listed word would
// be spelled without them; a list takes only letters, blanks, hyphens and apostrophes.
bool AlphabetSpellsWhole(const QString& word) {
  for (const QChar c : word) {
    const char16_t u = c.unicode();
    const bool letter = (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
    if (!letter && u != u' ' && u != u'-' && u != u'\'') return false;
  }
  return true;
}

}  // namespace

std::optional<std::vector<int16_t>> SignCodesOfWord(const QString& word, SystemId system,
                                                    ListSpelling spelling) {
  const FingerspellingSystem& spellingSystem = FindSystem(system);
  if (word.isEmpty()) return std::nullopt;
  if (spellingSystem.Input() == InputFamily::Alphabet && !AlphabetSpellsWhole(word)) return std::nullopt;
  const ConversionResult result =
      spelling == ListSpelling::Romaji
          ? spellingSystem.ConvertRomanized(word)
          : spellingSystem.Convert(word, NumeralBaseOfSystem(system, 46));
  const auto* conversion = std::get_if<Conversion>(&result);
  if (!conversion || conversion->steps.empty()) return std::nullopt;
  std::vector<int16_t> codes;
  for (const SignStep& step : conversion->steps) codes.push_back(step.Code);
  return codes;
}
