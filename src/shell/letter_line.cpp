#include "shell/letter_line.h"

#include <QStringList>

#include <algorithm>

#include <utility>
#include <vector>

namespace {

// The letters of `labels` in the order they first come, each with how often it comes.
QStringList Counted(const std::vector<QString>& labels) {
  std::vector<std::pair<QString, int>> counts;
  for (const QString& label : labels) {
    auto known = std::find_if(counts.begin(), counts.end(), [&](const auto& count) { return count.first == label; });
    if (known == counts.end())
      counts.push_back({label, 1});
    else
      ++known->second;
  }
  QStringList texts;
  for (const auto& [label, count] : counts)
    texts << (count == 1 ? label : label + QStringLiteral(" \u00d7") + QString::number(count));
  return texts;
}

QString Joined(const QStringList& parts, const LetterLinePhrases& phrases) {
  if (parts.size() <= 1) return parts.join(QString());
  return parts.mid(0, parts.size() - 1).join(phrases.Between) + phrases.BeforeLast + parts.back();
}

}  // namespace

QString LetterLine(const LetterAlignment& alignment, const LetterLinePhrases& phrases) {
  if (alignment.ReadsAsAnotherWord()) return {};
  QStringList clauses;
  std::vector<QString> missed;
  for (const LetterReading& letter : alignment.Letters) {
    if (letter.Outcome == LetterOutcome::Misread && letter.ReadAs)
      clauses << phrases.ReadAs.arg(letter.ReadAs->Label, letter.Spelled.Label);
    else if (letter.Outcome == LetterOutcome::Missed)
      missed.push_back(letter.Spelled.Label);
  }
  std::vector<QString> added;
  for (const SpelledSign& extra : alignment.Extra) added.push_back(extra.Label);
  if (!missed.empty()) clauses << phrases.Missed.arg(Counted(missed).join(phrases.Also));
  if (!added.empty()) clauses << phrases.Added.arg(Counted(added).join(phrases.Also));
  if (clauses.isEmpty()) return {};
  return phrases.Sentence.arg(Joined(clauses, phrases));
}
