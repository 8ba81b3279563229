#include "shell/sign_labels.h"

#include "convert/system_registry.h"
#include "convert/text_playback.h"
#include "shell/progress_records.h"
#include "shell/spelled_signs.h"

#include <QStringList>

namespace {

// Texts that together hold every sign a system makes: letters, digits and numbers,
// kana in all three forms, large plain ones before small and marked ones (ｱ before ｧ,
// カ before ガ) so a code carrying several is named by its plain letter, and Hangul syllables of every
// initial with every vowel and of every final, whose jamo are signs of their own.
QStringList Candidates() {
  QStringList texts;
  const auto range = [&](char16_t first, char16_t last) {
    for (char16_t c = first; c <= last; ++c) texts << QString(QChar(c));
  };
  range(u'A', u'Z');
  range(u'0', u'9');
  for (const char* number : {"10", "100", "1000", "10000"}) texts << QString::fromLatin1(number);
  range(u'\uFF71', u'\uFF9D');
  range(u'\uFF66', u'\uFF70');
  range(u'\u30A1', u'\u30F6');
  range(u'\u3041', u'\u3096');
  constexpr char16_t kFirstSyllable = u'\uAC00';
  constexpr int kVowels = 21;
  constexpr int kFinals = 28;
  for (int initial = 0; initial < 19; ++initial)
    for (int vowel = 0; vowel < kVowels; ++vowel)
      texts << QString(QChar(static_cast<char16_t>(kFirstSyllable + (initial * kVowels + vowel) * kFinals)));
  for (int final = 1; final < kFinals; ++final)
    texts << QString(QChar(static_cast<char16_t>(kFirstSyllable + final)));
  return texts;
}

}  // namespace

std::map<int, QString> SignLabelsOf(SystemId system) {
  const FingerspellingSystem& spelling = FindSystem(system);
  const int16_t numeralBase = NumeralBaseOfSystem(system, 46);
  std::map<int, QString> labels;
  for (const QString& text : Candidates()) {
    const std::optional<SpelledSigns> signs = SpelledSignsOf(spelling, text, numeralBase);
    if (!signs) continue;
    for (const SpelledSign& sign : *signs) labels.try_emplace(StoredSign(sign.Sign), sign.Label);
  }
  return labels;
}
