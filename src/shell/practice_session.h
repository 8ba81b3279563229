#pragma once

#include "shell/answer_check.h"
#include "shell/learner_model.h"
#include "shell/letter_alignment.h"
#include "shell/practice_picker.h"
#include "shell/reading_speed.h"
#include "shell/review_queue.h"
#include "shell/word_list_rules.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// One practice: what list it picks from, the current word, the score, the speeds the
// words were spelled at and what the typed answers tell of the learner's letters, by
// which the words are picked once there is anything to tell; the words missed wait in
// a review queue and come back when due. The program spells and shows; this decides.
class PracticeSession {
 public:
  // `system` is the system the user chose (never the numerals); with `numeric` the
  // numerals are practised with random numbers instead of the list.
  PracticeSession(SystemId system, bool numeric, KanaInput kanaInput, WordList list,
                  uint32_t seed);

  // The system that spells: the numerals while they are practised.
  SystemId SpellingSystem() const { return numeric_ ? SystemId::Numerals : system_; }
  ListSpelling Spelling() const { return source_.Spelling; }

  // Restricts the picks to words of `shortest`..`longest` signs (0: no bound). The
  // message that stops a turn when nothing can be picked, if any.
  std::optional<QString> SetLengthRange(int shortest, int longest);
  // What the list holds that cannot be spelled and is never asked, to tell when the
  // practice starts; empty when all of it can be.
  QString UnspellableEntriesText() const;

  // Letters to drill: from now on only words with at least one of them are drawn
  // (missed words due for review still come first), weighed as ever; every word again
  // for an empty text. The message when no word in reach has one of them, or the text
  // is no letter of the system; the focus is then not changed.
  std::optional<QString> SetFocus(const QString& letters);
  const QString& Focus() const { return focusText_; }

  // What the practice knows of the learner's letters in the spelling system: from
  // earlier practices, then from each typed answer. A model of another system is
  // passed over.
  void UseLearner(LearnerModel learner);
  const LearnerModel& Learner() const { return learner_; }
  // The words missed in earlier practices of the spelling system; a queue of another
  // system is passed over. The numerals keep none: their numbers are drawn at random.
  void UseReviews(ReviewQueue reviews);
  const ReviewQueue& Reviews() const { return reviews_; }
  // The paces and outcomes of the words answered before this practice, oldest first,
  // which the reading speed is measured over with this practice's.
  void UseEarlierAnswers(std::vector<PacedAnswer> answers) { paced_ = std::move(answers); }

  // A new word, which becomes the current one. With `dueFirst` a missed word due for
  // review comes first (the longest due, within the length range, not the word just
  // asked); otherwise, while nothing is known of the learner every entry is as likely,
  // after that the weaker its letters the likelier. Only after SetLengthRange returned
  // no message (for the numerals always).
  const PracticeItem& PickNext(LearnerTime now, bool dueFirst = false);
  const PracticeItem& Current() const { return current_; }

  // The typed answer to the current word, spelled at `speed` percent and `pace` letters
  // a second: right or not; counted once per word, and learned from at `now` the first
  // time.
  bool Answer(const QString& typed, int speed, double pace, LearnerTime now);
  // What the last counted answer did to the review queue, if anything.
  const std::optional<ReviewChange>& LastReviewChange() const { return reviewChange_; }
  // The fastest pace read at least 80 % right over the last 20 answered words,
  // earlier practices' included.
  std::optional<double> ReadingSpeed() const { return CurrentReadingSpeed(paced_); }
  const std::vector<PacedAnswer>& PacedAnswers() const { return paced_; }
  // The last answer read sign by sign.
  const LetterAlignment& Letters() const { return letters_; }
  const PracticeScore& Score() const { return score_; }
  // The average speed of the answered words, 0 before any.
  int AverageSpeed() const;

  // What the main window's boxes show as the answer: the word box (romaji or the
  // written form, else empty) and the reading box.
  QString WordBoxAnswer(const QString& katakana) const;
  QString ReadingBoxAnswer(const QString& katakana) const;

 private:
  double WeightOf(int entry, const SignWeights& weights);
  const std::vector<SignStep>& SignsOfEntry(int entry);
  // The entries in reach with a focus letter; all of them without a focus.
  std::vector<int> FocusEntries();
  std::optional<int> DueEntry(LearnerTime now) const;

  SystemId system_;
  bool numeric_;
  WordListSource source_;
  WordList list_;
  PracticePicker picker_;
  std::vector<int> entries_;
  // The first entry of each word in reach, for finding the words due for review.
  QHash<QString, int> entryOfWord_;
  QString focusText_;
  std::vector<SignStep> focus_;
  // The signs of each list entry, found when first weighed.
  std::vector<std::optional<std::vector<SignStep>>> entrySigns_;
  LearnerModel learner_;
  ReviewQueue reviews_;
  std::optional<ReviewChange> reviewChange_;
  std::vector<PacedAnswer> paced_;
  LetterAlignment letters_;
  PracticeItem current_;
  PracticeScore score_;
  long long speedSum_ = 0;
};
