#pragma once

#include "shell/learner_model.h"

#include <QString>

#include <optional>
#include <vector>

// A word answered wrongly, waiting to be asked again. Its box counts the right answers
// in a row since it was missed, each on a day of its own.
struct ReviewItem {
  QString Word;
  int Box = 0;
  LearnerTime Due{};
  std::optional<LearnerTime> LastRight;

  friend bool operator==(const ReviewItem&, const ReviewItem&) = default;
};

// What an answer did to the queue: the word's item as it now stands, or none when the
// word was retired.
struct ReviewChange {
  QString Word;
  std::optional<ReviewItem> Item;

  friend bool operator==(const ReviewChange&, const ReviewChange&) = default;
};

// The missed words of one system in Leitner boxes counted in days. A miss puts a word
// in box 0, due at once, so it comes back in the same practice; each right answer on a
// later day than the last right one moves it up a box, to wait longer, and the third in
// a row retires it. A right answer the same day as the last one proves nothing new of
// the learner's memory and leaves the word where it is; a miss sends it back to box 0.
// Days are calendar days in UTC; the time is always given, the queue reads no clock.
class ReviewQueue {
 public:
  static constexpr int kRightDaysToRetire = 3;

  explicit ReviewQueue(SystemId system, std::vector<ReviewItem> items = {})
      : system_(system), items_(std::move(items)) {}

  SystemId System() const { return system_; }
  const std::vector<ReviewItem>& Items() const { return items_; }

  // The days a word waits in `box` before it is due again.
  static std::chrono::days Wait(int box);

  // Counts the first answer to `word` at `now`; nothing when the queue is unchanged (a
  // right answer to a word not waiting, or one on the same day as its last).
  std::optional<ReviewChange> Answer(const QString& word, bool right, LearnerTime now);

  // The words due at `now`, the longest due first (then in alphabetical order, so the
  // order is the same every time).
  std::vector<QString> DueWords(LearnerTime now) const;

 private:
  SystemId system_;
  std::vector<ReviewItem> items_;
};
