#include "shell/spelled_signs.h"

#include "convert/fingerspelling_system.h"

#include <variant>

namespace {

std::optional<SignSequence> Signs(const FingerspellingSystem& system, const QString& text, int16_t numeralBase) {
  const ConversionResult result = system.Convert(text, numeralBase);
  if (const auto* conversion = std::get_if<Conversion>(&result)) return conversion->steps;
  return std::nullopt;
}

// The characters of `text` each sign spells, found by spelling its beginnings: a
// character that adds signs spells them; one that only changes the last sign (a
// voicing mark) belongs to it; one that changes nothing (an apostrophe) to none.
std::vector<QString> TextOfSigns(const FingerspellingSystem& system, const QString& text, size_t count,
                                 int16_t numeralBase) {
  if (const std::optional<std::vector<TextSpan>> own = system.SignSpans(text); own && own->size() == count) {
    std::vector<QString> texts;
    for (const TextSpan& span : *own) texts.push_back(text.mid(span.start, span.length));
    return texts;
  }
  std::vector<int> starts(count, 0);
  std::vector<int> ends(count, 0);
  SignSequence before;
  for (int length = 1; length <= text.size(); ++length) {
    const std::optional<SignSequence> signs = Signs(system, text.left(length), numeralBase);
    if (!signs) continue;
    if (signs->size() > before.size()) {
      for (size_t k = before.size(); k < signs->size() && k < count; ++k) {
        starts[k] = length - 1;
        ends[k] = length;
      }
    } else if (signs->size() == before.size() && !signs->empty() && signs->back() != before.back()) {
      if (signs->size() <= count) ends[signs->size() - 1] = length;
    }
    before = *signs;
  }
  std::vector<QString> texts;
  for (size_t k = 0; k < count; ++k) texts.push_back(text.mid(starts[k], ends[k] - starts[k]));
  return texts;
}

// The sign a letter is made with on its own; the bare code where the letter is no word
// of its own (a jamo) or is spelled otherwise alone.
SignStep SignOnItsOwn(const FingerspellingSystem& system, const QString& label, SignStep sign, int16_t numeralBase) {
  const std::optional<SignSequence> alone = Signs(system, label, numeralBase);
  if (alone && alone->size() == 1 && alone->front().Code == sign.Code) return alone->front();
  return {sign.Code, 0};
}

}  // namespace

std::optional<SpelledSigns> SpelledSignsOf(const FingerspellingSystem& system, const QString& text,
                                           int16_t numeralBase) {
  const std::optional<SignSequence> signs = Signs(system, text, numeralBase);
  if (!signs || signs->empty()) return std::nullopt;
  const std::vector<QString> texts = TextOfSigns(system, text, signs->size(), numeralBase);
  SpelledSigns spelled;
  for (size_t k = 0; k < signs->size(); ++k) {
    const QString letter = system.SignLetter((*signs)[k]);
    const QString label = (letter.isEmpty() ? texts[k] : letter).toUpper();
    spelled.push_back({SignOnItsOwn(system, label, (*signs)[k], numeralBase), label});
  }
  return spelled;
}
