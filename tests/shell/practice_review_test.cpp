#include "shell/practice_session.h"
#include "shell/progress_records.h"
#include "shell/review_queue.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using enum SystemId;
using std::chrono::days;
using std::chrono::hours;
using std::chrono::minutes;

// Midnight UTC, the start of a day.
const LearnerTime kDay0{std::chrono::sys_days(std::chrono::year(2026) / 12 / 7)};

WordList Plain(const QStringList& words) {
  WordList list;
  list.Words = words;
  return list;
}

}  // namespace

// A miss comes back at once; each right answer on a later day moves the word up a box
// to wait 1, then 3 days from the start of the day; one the same day as the last right
// one changes nothing, a miss starts again, and the third right day in a row retires it.
TEST(ReviewQueue, RightAnswersOnSeparateDaysMoveAWordUpUntilItRetires) {
  struct Step {
    LearnerTime At;
    bool Right;
    std::optional<ReviewChange> Expected;
  };
  const QString w = u"cat"_qs;
  const auto at = [](int day, int hour, int minute = 0) { return kDay0 + days(day) + hours(hour) + minutes(minute); };
  const auto kept = [&](int box, LearnerTime due, std::optional<LearnerTime> lastRight) {
    return std::optional(ReviewChange{w, ReviewItem{w, box, due, lastRight}});
  };
  const Step steps[] = {
      {at(0, 10), true, std::nullopt},  // never missed: nothing to review
      {at(0, 10, 5), false, kept(0, at(0, 10, 5), std::nullopt)},
      {at(0, 10, 9), true, kept(1, at(1, 0), at(0, 10, 9))},
      {at(0, 22), true, std::nullopt},  // the same day again
      {at(1, 9), true, kept(2, at(4, 0), at(1, 9))},
      {at(4, 9), false, kept(0, at(4, 9), std::nullopt)},
      {at(4, 23, 59), true, kept(1, at(5, 0), at(4, 23, 59))},
      {at(5, 0, 1), true, kept(2, at(8, 0), at(5, 0, 1))},  // two minutes later, but another day
      {at(9, 12), true, ReviewChange{w, std::nullopt}},
      {at(9, 13), true, std::nullopt},  // retired: no longer waiting
  };
  ReviewQueue queue(American);
  for (const Step& step : steps) {
    EXPECT_EQ(queue.Answer(w, step.Right, step.At), step.Expected)
        << "at " << (step.At - kDay0).count() << " s";
  }
  EXPECT_TRUE(queue.Items().empty());
}

// Due words come first, the longest due first, never the word just asked, only within
// the length range; words not due wait, and without "due first" the draw is the plain
// one. The numerals keep no queue.
TEST(ReviewQueue, DueWordsAreDrawnBeforeNewOnes) {
  const QStringList words = {u"ant"_qs, u"bee"_qs, u"cat"_qs, u"dog"_qs, u"eel"_qs, u"fox"_qs, u"gnat"_qs};
  ReviewQueue queue(American, {{u"gnat"_qs, 0, kDay0 + hours(1), std::nullopt},
                               {u"dog"_qs, 1, kDay0 + hours(2), kDay0 - days(1)},
                               {u"bee"_qs, 0, kDay0 + hours(2), std::nullopt},
                               {u"eel"_qs, 2, kDay0 + days(3), kDay0}});
  EXPECT_EQ(queue.DueWords(kDay0 + hours(3)), (std::vector<QString>{u"gnat"_qs, u"bee"_qs, u"dog"_qs}));

  PracticeSession session(American, false, KanaInput::Romaji, Plain(words), 5);
  session.UseReviews(queue);
  ASSERT_FALSE(session.SetLengthRange(0, 3));  // "gnat" is too long
  const LearnerTime now = kDay0 + hours(3);
  EXPECT_EQ(session.PickNext(now, true).Text, u"bee"_qs);
  // Asked but not answered yet: still due, yet not twice in a row.
  EXPECT_EQ(session.PickNext(now, true).Text, u"dog"_qs);
  session.Answer(u"dog"_qs, 100, 2.0, now);  // on to box 2, due in three days
  EXPECT_EQ(session.PickNext(now, true).Text, u"bee"_qs);
  session.Answer(u"bee"_qs, 100, 2.0, now);
  const QString fresh = session.PickNext(now, true).Text;
  EXPECT_NE(fresh, u"bee"_qs);
  session.Answer(u"x"_qs, 100, 2.0, now);
  ASSERT_TRUE(session.LastReviewChange());
  EXPECT_EQ(session.LastReviewChange()->Word, fresh);
  EXPECT_NE(session.PickNext(now, true).Text, fresh);
  EXPECT_EQ(session.PickNext(now, true).Text, fresh);

  PracticeSession plain(American, false, KanaInput::Romaji, Plain(words), 5);
  PracticeSession reviewing(American, false, KanaInput::Romaji, Plain(words), 5);
  reviewing.UseReviews(queue);
  ASSERT_FALSE(plain.SetLengthRange(0, 0));
  ASSERT_FALSE(reviewing.SetLengthRange(0, 0));
  for (int i = 0; i < 50; ++i) EXPECT_EQ(reviewing.PickNext(now).Text, plain.PickNext(now).Text);

  PracticeSession numerals(American, true, KanaInput::Romaji, {}, 5);
  numerals.UseReviews(ReviewQueue(Numerals, {{u"12"_qs, 0, kDay0, std::nullopt}}));
  numerals.PickNext(now, true);
  numerals.Answer(u"no"_qs, 100, 2.0, now);
  EXPECT_TRUE(numerals.Reviews().Items().empty());
  EXPECT_FALSE(numerals.LastReviewChange());
}

// What a practice learned, written to the progress file and read back, is the learner
// and the queue it was (the labels come again with the next answer).
TEST(ReviewQueue, TheLearnerAndTheQueueComeBackFromTheProgressFile) {
  PracticeSession session(American, false, KanaInput::Romaji, Plain({u"lamp"_qs}), 3);
  ASSERT_FALSE(session.SetLengthRange(0, 0));
  LearnerTime now = kDay0;
  for (const char16_t* typed : {u"lamp", u"lanp", u"lamb", u"lamp"}) {
    session.PickNext(now, true);
    session.Answer(QString::fromUtf16(typed), 100, 2.0, now);
    now += days(2);
  }
  const QTemporaryDir dir;
  ProgressStore::Opened opened = ProgressStore::Open(dir.filePath(kProgressFileName));
  ASSERT_TRUE(opened.store);
  ASSERT_TRUE(opened.store->PutSigns(SignRecordsOf(session.Learner())));
  for (const ReviewItem& item : session.Reviews().Items())
    ASSERT_TRUE(opened.store->PutReview(ReviewRecordOf(American, item)));

  const LearnerModel learner = LearnerOf(American, opened.store->Signs(American));
  ASSERT_EQ(learner.Records().size(), session.Learner().Records().size());
  for (const LetterRecord& record : session.Learner().Records()) {
    EXPECT_DOUBLE_EQ(learner.Knowledge(record.Sign, now), session.Learner().Knowledge(record.Sign, now));
    EXPECT_DOUBLE_EQ(learner.Confusion(record.Sign, now), session.Learner().Confusion(record.Sign, now));
  }
  const ReviewQueue queue = ReviewQueueOf(American, opened.store->Reviews(American));
  EXPECT_EQ(queue.Items(), session.Reviews().Items());
  EXPECT_FALSE(queue.Items().empty());
  EXPECT_EQ(SignOfStored(StoredSign({-3, 7})), (SignStep{-3, 7}));
}
