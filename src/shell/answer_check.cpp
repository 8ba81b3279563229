#include "shell/answer_check.h"

#include "convert/fingerspelling_system.h"
#include "convert/system_registry.h"
#include "shell/practice_picker.h"
#include "shell/word_list_rules.h"

#include <algorithm>

QString ComparableAnswer(const QString& text) {
  return HalfWidthKatakanaOf(text.trimmed()).toLower().remove(u' ').remove(QChar(0x3000));
}

QString AnswerDigits(const QString& text) {
  QString digits;
  for (const QChar c : text)
    if (c.isDigit()) digits += QChar(u'0' + c.digitValue());
  while (digits.size() > 1 && digits.startsWith(u'0')) digits.remove(0, 1);
  return digits;
}

namespace {

// The katakana (JSL) or Hangul (KSL) of romanized text; empty when it is not romanized.
QString ShownTextOf(SystemId system, const QString& romanized) {
  const ConversionResult result = FindSystem(system).ConvertRomanized(romanized.trimmed());
  const auto* conversion = std::get_if<Conversion>(&result);
  return conversion ? conversion->shownText : QString();
}

}  // namespace

bool AnswerMatches(const QString& typed, const PracticeItem& item, SystemId system) {
  if (typed.trimmed().isEmpty()) return false;
  if (system == SystemId::Numerals)
    return !AnswerDigits(typed).isEmpty() && AnswerDigits(typed) == AnswerDigits(item.Answer);
  const QString answer = ComparableAnswer(typed);
  for (const QString& form : {item.Answer, item.Reading, item.Text})
    if (!form.isEmpty() && answer == ComparableAnswer(form)) return true;
  if (item.Spelling == ListSpelling::Romaji) {
    // Romaji answers in kana, or in another spelling of the same kana.
    const QString target = ComparableAnswer(ShownTextOf(SystemId::JapaneseKana, item.Text));
    const QString typedKana = ComparableAnswer(ShownTextOf(SystemId::JapaneseKana, typed));
    if (!target.isEmpty() && (answer == target || typedKana == target)) return true;
  }
  if (system == SystemId::KoreanHangul) {
    const QString hangul = ShownTextOf(SystemId::KoreanHangul, typed);
    if (!hangul.isEmpty() && hangul == item.Answer) return true;
  }
  return false;
}

int AdaptedSpeed(int speed, bool right) {
  const double next = right ? speed * 1.1 : speed * 0.9;
  return std::clamp(static_cast<int>(next + 0.5), 20, 1000);
}

void PracticeScore::Count(bool right) {
  if (answered_) return;
  answered_ = true;
  ++asked_;
  if (right) {
    ++right_;
    ++streak_;
  } else {
    streak_ = 0;
  }
}

QString PracticeScore::Text() const {
  return QStringLiteral("Right %1 / %2, streak %3").arg(right_).arg(asked_).arg(streak_);
}
