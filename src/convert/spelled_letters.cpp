#include "convert/spelled_letters.h"

#include "convert/fingerspelling_system.h"
#include "convert/sign_class.h"
#include "convert/word_choreography.h"

#include <algorithm>
#include <optional>
#include <variant>

namespace {

std::optional<SignSequence> Signs(const FingerspellingSystem& system, const QString& text,
                                  int16_t numeralBase) {
  const ConversionResult result = system.Convert(text, numeralBase);
  if (const auto* conversion = std::get_if<Conversion>(&result)) return conversion->steps;
  return std::nullopt;
}

// The shapes only: a letter doubled is marked on both signs once the second is typed,
// and "hel" must still find its "l" in "hello".
bool StartsWith(const SignSequence& signs, const SignSequence& word, size_t count) {
  return signs.size() >= count &&
         std::equal(word.begin(), word.begin() + static_cast<long>(count), signs.begin(),
                    [](const SignStep& a, const SignStep& b) { return a.Code == b.Code; });
}

// The stretch of `text` each sign of `word` spells: the system's own, or else where
// each sign's text ends, the shortest beginning of the text whose signs begin with the
// word's signs up to it.
std::vector<TextSpan> SpansOfSigns(const FingerspellingSystem& system, const QString& text,
                                   const SignSequence& word, int16_t numeralBase) {
  const size_t count = word.size();
  if (std::optional<std::vector<TextSpan>> own = system.SignSpans(text); own && own->size() == count)
    return *own;

  std::vector<int> textEnds(count, static_cast<int>(text.size()));
  std::vector<int> signsOfBeginning(static_cast<size_t>(text.size()) + 1, -1);
  size_t sign = 0;
  for (int length = 1; length <= text.size(); ++length) {
    const std::optional<SignSequence> signs = Signs(system, text.left(length), numeralBase);
    if (!signs) continue;
    signsOfBeginning[static_cast<size_t>(length)] = static_cast<int>(signs->size());
    while (sign < count && StartsWith(*signs, word, sign + 1)) textEnds[sign++] = length;
  }
  // A character that adds no sign of its own (a voicing mark) belongs to the sign before.
  for (int& end : textEnds) {
    while (end < text.size() && !text[end].isSpace() &&
           signsOfBeginning[static_cast<size_t>(end) + 1] >= 0 &&
           signsOfBeginning[static_cast<size_t>(end) + 1] == signsOfBeginning[static_cast<size_t>(end)])
      ++end;
  }

  // A sign ends where an earlier one ended when they spell the same characters (the
  // jamo of one syllable): the stretch reaches back to where the one before that ended.
  std::vector<TextSpan> spans;
  for (size_t i = 0; i < count; ++i) {
    int start = 0;
    for (size_t j = 0; j < i; ++j)
      if (textEnds[j] < textEnds[i]) start = std::max(start, textEnds[j]);
    spans.push_back({start, textEnds[i] - start});
  }
  return spans;
}

}  // namespace

SpelledLetters::SpelledLetters(const FingerspellingSystem& system, const SignTable& table,
                               const QString& text, int16_t numeralBase, int16_t delay,
                               MotionStyle motion)
    : text_(text) {
  const std::optional<SignSequence> word = Signs(system, text, numeralBase);
  if (!word || word->empty()) return;
  LetteredScript choreography = ChoreographWord(system, table, *word, delay, motion);
  script_ = std::move(choreography.script);
  signStarts_ = std::move(choreography.letterStarts);

  const size_t count = word->size();
  std::vector<TextSpan> spans = SpansOfSigns(system, text, *word, numeralBase);

  // The signs of one stretch are told apart by their letters, where they have any.
  for (size_t i = 0; i < count; ++i) {
    SignMark mark{spans[i], {}, {}};
    const bool shared = std::count(spans.begin(), spans.end(), spans[i]) > 1;
    const QString own = system.SignLetter((*word)[i]);
    if (shared && !own.isEmpty()) {
      for (size_t j = 0; j < count; ++j) {
        if (!(spans[j] == spans[i])) continue;
        if (j == i) mark.letter = {static_cast<int>(mark.letters.size()), static_cast<int>(own.size())};
        mark.letters += system.SignLetter((*word)[j]);
      }
    }
    signMarks_.push_back(std::move(mark));
  }
}

SignMark SpelledLetters::MarkOfMove(int move) const {
  if (move < 0 || move >= static_cast<int>(script_.size()) || signStarts_.empty()) return {};
  const auto after = std::upper_bound(signStarts_.begin(), signStarts_.end(), move);
  if (after == signStarts_.begin()) return {};
  return signMarks_[static_cast<size_t>(after - signStarts_.begin()) - 1];
}

SpelledLetters LettersOfLastWord(const SignClass& signs, const SignTable& table) {
  const FingerspellingSystem* system = signs.System();
  if (!system || !signs.Result()) return {};
  QString text = signs.KatakanaString();
  if (text.isEmpty()) text = signs.HangulString();
  if (text.isEmpty()) text = signs.LastText();
  return SpelledLetters(*system, table, text, signs.NumeralBase(), signs.Delay(), signs.Motion());
}
