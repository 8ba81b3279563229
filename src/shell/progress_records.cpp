#include "shell/progress_records.h"

#include <algorithm>

int StoredSign(SignStep sign) {
  return static_cast<int>(static_cast<uint32_t>(static_cast<uint16_t>(sign.Modifier)) << 16 |
                          static_cast<uint16_t>(sign.Code));
}

SignStep SignOfStored(int stored) {
  const auto bits = static_cast<uint32_t>(stored);
  return {static_cast<int16_t>(bits & 0xffff), static_cast<int16_t>(bits >> 16)};
}

LearnerTime LearnerTimeOf(const QDateTime& when) {
  if (!when.isValid()) return {};
  return LearnerTime(std::chrono::seconds(when.toSecsSinceEpoch()));
}

QDateTime DateTimeOf(LearnerTime when) {
  return QDateTime::fromSecsSinceEpoch(when.time_since_epoch().count(), Qt::UTC);
}

std::vector<SignProgressRecord> SignRecordsOf(const LearnerModel& learner) {
  std::vector<SignProgressRecord> signs;
  for (const LetterRecord& record : learner.Records()) {
    SignProgressRecord stored{learner.System(), StoredSign(record.Sign), record.Tries, record.Right, {},
                              DateTimeOf(record.LastSeen), record.RightWeight, record.WrongWeight};
    for (const LetterConfusion& confusion : record.TakenFor)
      stored.TakenFor.insert(stored.TakenFor.end(), static_cast<size_t>(confusion.Times), StoredSign(confusion.Sign));
    signs.push_back(std::move(stored));
  }
  return signs;
}

LearnerModel LearnerOf(SystemId system, const std::vector<SignProgressRecord>& signs) {
  std::vector<LetterRecord> records;
  for (const SignProgressRecord& stored : signs) {
    if (stored.System != system) continue;
    LetterRecord record{SignOfStored(stored.Sign), {}, stored.Tries, stored.Right, {},
                        stored.RightWeight, stored.WrongWeight, LearnerTimeOf(stored.LastSeen)};
    const int wrong = std::max(1, stored.Tries - stored.Right);
    for (const int taken : stored.TakenFor) {
      const SignStep sign = SignOfStored(taken);
      auto found = std::find_if(record.TakenFor.begin(), record.TakenFor.end(),
                                [&](const LetterConfusion& c) { return c.Sign == sign; });
      if (found == record.TakenFor.end()) {
        record.TakenFor.push_back({sign, {}, 0, 0.0});
        found = record.TakenFor.end() - 1;
      }
      ++found->Times;
      found->Weight += stored.WrongWeight / wrong;
    }
    records.push_back(std::move(record));
  }
  return LearnerModel(system, std::move(records));
}

ReviewRecord ReviewRecordOf(SystemId system, const ReviewItem& item) {
  return {system, item.Word, item.Box, DateTimeOf(item.Due), item.LastRight ? DateTimeOf(*item.LastRight) : QDateTime()};
}

ReviewQueue ReviewQueueOf(SystemId system, const std::vector<ReviewRecord>& reviews) {
  std::vector<ReviewItem> items;
  for (const ReviewRecord& review : reviews) {
    if (review.System != system) continue;
    items.push_back({review.Word, review.Box, LearnerTimeOf(review.Due),
                     review.LastRight.isValid() ? std::optional(LearnerTimeOf(review.LastRight)) : std::nullopt});
  }
  return ReviewQueue(system, std::move(items));
}
