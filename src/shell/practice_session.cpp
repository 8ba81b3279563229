#include "shell/practice_session.h"

#include "shell/answer_letters.h"

PracticeSession::PracticeSession(SystemId system, bool numeric, InterfaceLanguage interfaceLanguage, WordList list,
                                 uint32_t seed)
    : system_(system),
      numeric_(numeric),
      source_(WordListOfSystem(system, interfaceLanguage)),
      list_(std::move(list)),
      picker_(seed),
      entrySigns_(static_cast<size_t>(list_.Count())),
      learner_(SpellingSystem()),
      reviews_(SpellingSystem()) {}

void PracticeSession::UseLearner(LearnerModel learner) {
  if (learner.System() == SpellingSystem()) learner_ = std::move(learner);
}

void PracticeSession::UseReviews(ReviewQueue reviews) {
  if (!numeric_ && reviews.System() == SpellingSystem()) reviews_ = std::move(reviews);
}

std::optional<QString> PracticeSession::SetLengthRange(int shortest, int longest) {
  if (numeric_) return std::nullopt;
  if (list_.Count() == 0) return kEmptyListMessage;
  entries_ = PracticePicker::EntriesOfLength(list_, system_, source_.Spelling, shortest, longest);
  entryOfWord_.clear();
  entryOfWord_.reserve(static_cast<qsizetype>(entries_.size()));
  for (const int entry : entries_)
    if (!entryOfWord_.contains(list_.Words[entry])) entryOfWord_.insert(list_.Words[entry], entry);
  if (entries_.empty()) return kNoWordOfLengthMessage;
  return std::nullopt;
}

double PracticeSession::WeightOf(int entry, const SignWeights& weights) {
  std::optional<std::vector<SignStep>>& signs = entrySigns_[static_cast<size_t>(entry)];
  if (!signs) {
    signs.emplace();
    const std::optional<SpelledSigns> spelled =
        SpelledSignsOfItem(ListPracticeItem(list_, entry, source_.Spelling), system_);
    for (const SpelledSign& sign : spelled.value_or(SpelledSigns{})) signs->push_back(sign.Sign);
  }
  return LearnerModel::PracticeWeight(*signs, weights);
}

std::optional<int> PracticeSession::DueEntry(LearnerTime now) const {
  std::vector<int> due;
  for (const QString& word : reviews_.DueWords(now))
    if (const auto found = entryOfWord_.constFind(word); found != entryOfWord_.constEnd()) due.push_back(*found);
  return picker_.FirstNotLast(due);
}

const PracticeItem& PracticeSession::PickNext(LearnerTime now, bool dueFirst) {
  const std::optional<int> due = dueFirst && !numeric_ ? DueEntry(now) : std::nullopt;
  if (due) {
    picker_.Take(*due);
    current_ = ListPracticeItem(list_, *due, source_.Spelling);
  } else if (numeric_) {
    current_ = NumberPracticeItem(picker_.PickNumber());
  } else if (learner_.IsEmpty()) {
    current_ = ListPracticeItem(list_, picker_.PickEntry(entries_), source_.Spelling);
  } else {
    std::vector<double> weights;
    weights.reserve(entries_.size());
    const SignWeights signWeights = learner_.WeightsAt(now);
    for (const int entry : entries_) weights.push_back(WeightOf(entry, signWeights));
    current_ = ListPracticeItem(list_, picker_.PickWeightedEntry(entries_, weights), source_.Spelling);
  }
  score_.NextWord();
  return current_;
}

bool PracticeSession::Answer(const QString& typed, int speed, double pace, LearnerTime now) {
  const bool right = AnswerMatches(typed, current_, SpellingSystem());
  letters_ = ReadAnswerLetters(typed, current_, SpellingSystem());
  if (!score_.Answered()) {
    speedSum_ += speed;
    learner_.Learn(letters_, now);
    // A word whose pace is not known says nothing of the reading speed.
    if (pace > 0.0) paced_.push_back({pace, right});
    reviewChange_ = numeric_ ? std::nullopt : reviews_.Answer(current_.Text, right, now);
  } else {
    reviewChange_.reset();
  }
  score_.Count(right);
  return right;
}

int PracticeSession::AverageSpeed() const {
  return score_.Asked() > 0 ? static_cast<int>(speedSum_ / score_.Asked()) : 0;
}

QString PracticeSession::WordBoxAnswer(const QString&) const {
  if (numeric_ || system_ != SystemId::JapaneseKana) return {};
  return current_.Reading.isEmpty() ? current_.Text : current_.Answer;
}

QString PracticeSession::ReadingBoxAnswer(const QString& katakana) const {
  if (numeric_) return current_.Answer;
  if (system_ == SystemId::JapaneseKana) return current_.Reading.isEmpty() ? katakana : current_.Reading;
  return current_.Text;
}
