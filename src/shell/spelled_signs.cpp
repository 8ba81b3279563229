#include "shell/spelled_signs.h"

#include "convert/fingerspelling_system.h"

#include <algorithm>
#include <variant>

namespace {

std::optional<SignSequence> Signs(const FingerspellingSystem& system, const QString& text, int16_t numeralBase) {
  const ConversionResult result = system.Convert(text, numeralBase);
  if (const auto* conversion = std::get_if<Conversion>(&result)) return conversion->steps;
  return std::nullopt;
}

// A digit's sign by the value it stands for in its group of four ("4" of "4021" as
// "4000"); the sign after a digit's, spelling the same digit, is the group's own
// ("1" of "12345" and then "10000").
QString PlaceValue(const QString& text, TextSpan span, bool groupSign) {
  QString value = text.mid(span.start, span.length);
  const int after = static_cast<int>(text.size()) - span.start - span.length;
  const bool digits = std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
  if (digits) value += QString(groupSign ? after : after % 4, u'0');
  return value;
}

// The characters of `text` each sign spells, found by spelling its beginnings: a
// character that adds signs spells them; one that only changes the last sign (a
// voicing mark) belongs to it; one that changes nothing (an apostrophe) to none.
std::vector<QString> TextOfSigns(const FingerspellingSystem& system, const QString& text, size_t count,
                                 int16_t numeralBase) {
  if (const std::optional<std::vector<TextSpan>> own = system.SignSpans(text); own && own->size() == count) {
    std::vector<QString> texts;
    for (size_t k = 0; k < count; ++k) {
      const TextSpan span = (*own)[k];
      const bool sharesDigit = k > 0 && (*own)[k - 1] == span;
      texts.push_back(PlaceValue(text, span, sharesDigit));
    }
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
