#include "shell/sign_labels.h"

#include "convert/system_registry.h"
#include "convert/text_playback.h"
#include "shell/spelled_signs.h"

#include <QStringList>

namespace {

// Every character a system might spell with one sign, plain ones before their marked
// forms (カ before ガ), so a code carrying both is named by its plain letter.
QStringList Candidates() {
  QStringList texts;
  for (char16_t c = u'A'; c <= u'Z'; ++c) texts << QString(QChar(c));
  for (char16_t c = u'0'; c <= u'9'; ++c) texts << QString(QChar(c));
  for (const char* number : {"10", "100", "1000", "10000"}) texts << QString::fromLatin1(number);
  for (char16_t c = u'\u30A1'; c <= u'\u30F6'; ++c) texts << QString(QChar(c));
  for (char16_t c = u'\u3131'; c <= u'\u3163'; ++c) texts << QString(QChar(c));
  return texts;
}

}  // namespace

std::map<int, QString> SignLabelsOf(SystemId system) {
  const FingerspellingSystem& spelling = FindSystem(system);
  const int16_t numeralBase = NumeralBaseOfSystem(system, 46);
  std::map<int, QString> labels;
  for (const QString& text : Candidates()) {
    const std::optional<SpelledSigns> signs = SpelledSignsOf(spelling, text, numeralBase);
    if (!signs || signs->size() != 1) continue;
    labels.try_emplace(signs->front().Sign.Code, signs->front().Label);
  }
  return labels;
}
