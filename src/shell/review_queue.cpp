#include "shell/review_queue.h"

#include <algorithm>

namespace {

using std::chrono::days;

days DayOf(LearnerTime when) { return std::chrono::floor<days>(when).time_since_epoch(); }

}  // namespace

std::chrono::days ReviewQueue::Wait(int box) {
  // Box 0 is asked again at once; after that the waits grow as the word is kept.
  constexpr int kWaitDays[] = {0, 1, 3};
  return days(kWaitDays[std::clamp(box, 0, kRightDaysToRetire - 1)]);
}

std::optional<ReviewChange> ReviewQueue::Answer(const QString& word, bool right, LearnerTime now) {
  auto found = std::find_if(items_.begin(), items_.end(), [&](const ReviewItem& item) { return item.Word == word; });
  if (!right) {
    const ReviewItem missed{word, 0, now + Wait(0), std::nullopt};
    if (found == items_.end())
      items_.push_back(missed);
    else
      *found = missed;
    return ReviewChange{word, missed};
  }
  if (found == items_.end()) return std::nullopt;
  if (found->LastRight && DayOf(*found->LastRight) == DayOf(now)) return std::nullopt;
  const int box = found->Box + 1;
  if (box >= kRightDaysToRetire) {
    items_.erase(found);
    return ReviewChange{word, std::nullopt};
  }
  // Due from the start of a later day, so a word due "tomorrow" is asked whenever the
  // learner practises tomorrow.
  const LearnerTime due{std::chrono::floor<days>(now).time_since_epoch() + Wait(box)};
  *found = {word, box, due, now};
  return ReviewChange{word, *found};
}

std::vector<QString> ReviewQueue::DueWords(LearnerTime now) const {
  std::vector<const ReviewItem*> due;
  for (const ReviewItem& item : items_)
    if (item.Due <= now) due.push_back(&item);
  std::sort(due.begin(), due.end(), [](const ReviewItem* a, const ReviewItem* b) {
    return a->Due != b->Due ? a->Due < b->Due : a->Word < b->Word;
  });
  std::vector<QString> words;
  for (const ReviewItem* item : due) words.push_back(item->Word);
  return words;
}
