#include "shell/practice_session.h"

#include "shell/answer_letters.h"

#include <algorithm>
#include <utility>

PracticeSession::PracticeSession(SystemId system, bool numeric, KanaInput kanaInput, WordList list,
                                 uint32_t seed)
    : system_(system),
      numeric_(numeric),
      source_(WordListOfSystem(system, kanaInput)),
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
  if (entries_.empty())
    return PracticePicker::EntriesOfLength(list_, system_, source_.Spelling, 0, 0).empty() ? kNoSpellableWordMessage
                                                                                           : kNoWordOfLengthMessage;
  return std::nullopt;
}

QString PracticeSession::UnspellableEntriesText() const {
  return numeric_ ? QString() : ::UnspellableEntriesText(list_, system_, source_.Spelling);
}

const std::vector<SignStep>& PracticeSession::SignsOfEntry(int entry) {
  std::optional<std::vector<SignStep>>& signs = entrySigns_[static_cast<size_t>(entry)];
  if (!signs) {
    signs.emplace();
    const std::optional<SpelledSigns> spelled =
        SpelledSignsOfItem(ListPracticeItem(list_, entry, source_.Spelling), system_);
    for (const SpelledSign& sign : spelled.value_or(SpelledSigns{})) signs->push_back(sign.Sign);
  }
  return *signs;
}

double PracticeSession::WeightOf(int entry, const SignWeights& weights) {
  return LearnerModel::PracticeWeight(SignsOfEntry(entry), weights);
}

std::vector<int> PracticeSession::FocusEntries() {
  if (focus_.empty()) return entries_;
  std::vector<int> chosen;
  for (const int entry : entries_) {
    const std::vector<SignStep>& signs = SignsOfEntry(entry);
    if (std::any_of(signs.begin(), signs.end(),
                    [this](const SignStep& sign) { return std::find(focus_.begin(), focus_.end(), sign) != focus_.end(); }))
      chosen.push_back(entry);
  }
  return chosen;
}

std::optional<QString> PracticeSession::SetFocus(const QString& letters) {
  if (numeric_) return std::nullopt;
  const QString text = letters.trimmed();
  std::vector<SignStep> focus;
  if (!text.isEmpty()) {
    const std::optional<SpelledSigns> signs = SignsOfTypedText(text, system_);
    if (!signs || signs->empty()) return kNoFocusWordMessage.arg(text);
    for (const SpelledSign& sign : *signs)
      if (std::find(focus.begin(), focus.end(), sign.Sign) == focus.end()) focus.push_back(sign.Sign);
  }
  const std::vector<SignStep> before = std::exchange(focus_, focus);
  if (FocusEntries().empty()) {
    focus_ = before;
    return kNoFocusWordMessage.arg(text);
  }
  focusText_ = text;
  return std::nullopt;
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
  } else {
    // A focus no word of the range has (the range changed since) draws from them all.
    std::vector<int> candidates = FocusEntries();
    if (candidates.empty()) candidates = entries_;
    if (learner_.IsEmpty()) {
      current_ = ListPracticeItem(list_, picker_.PickEntry(candidates), source_.Spelling);
    } else {
      std::vector<double> weights;
      weights.reserve(candidates.size());
      const SignWeights signWeights = learner_.WeightsAt(now);
      for (const int entry : candidates) weights.push_back(WeightOf(entry, signWeights));
      current_ = ListPracticeItem(list_, picker_.PickWeightedEntry(candidates, weights), source_.Spelling);
    }
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
