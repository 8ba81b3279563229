#include "shell/focus_choices.h"

#include "shell/learner_model.h"

#include <algorithm>
#include <vector>

namespace {

constexpr int kOwnPairsOffered = 3;

}  // namespace

QStringList FocusChoices(SystemId system, const LearnerModel& learner) {
  struct Pair {
    QString letters;
    int times = 0;
  };
  std::vector<Pair> own;
  for (const LetterRecord& record : learner.Records())
    for (const LetterConfusion& confusion : record.TakenFor)
      if (!record.Label.isEmpty() && !confusion.Label.isEmpty())
        own.push_back({record.Label + u' ' + confusion.Label, confusion.Times});
  std::stable_sort(own.begin(), own.end(), [](const Pair& a, const Pair& b) { return a.times > b.times; });

  QStringList choices;
  const auto add = [&choices](const QString& letters) {
    // "S E" and "E S" are the same pair.
    QStringList sorted = letters.split(u' ', Qt::SkipEmptyParts);
    sorted.sort();
    const QString key = sorted.join(u' ');
    for (const QString& choice : choices) {
      QStringList other = choice.split(u' ', Qt::SkipEmptyParts);
      other.sort();
      if (other.join(u' ') == key) return;
    }
    choices << letters;
  };
  for (size_t i = 0; i < own.size() && choices.size() < kOwnPairsOffered; ++i) add(own[i].letters);
  if (system == SystemId::American || system == SystemId::DerivedAmerican)
    for (const char* pair : {"A S T", "E S", "M N", "U V", "K P", "G H"}) add(QString::fromLatin1(pair));
  return choices;
}
