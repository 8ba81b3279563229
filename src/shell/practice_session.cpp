#include "shell/practice_session.h"

PracticeSession::PracticeSession(SystemId system, bool numeric, InterfaceLanguage interfaceLanguage, WordList list,
                                 uint32_t seed)
    : system_(system),
      numeric_(numeric),
      source_(WordListOfSystem(system, interfaceLanguage)),
      list_(std::move(list)),
      picker_(seed) {}

std::optional<QString> PracticeSession::SetLengthRange(int shortest, int longest) {
  if (numeric_) return std::nullopt;
  if (list_.Count() == 0) return kEmptyListMessage;
  entries_ = PracticePicker::EntriesOfLength(list_, system_, source_.Spelling, shortest, longest);
  if (entries_.empty()) return kNoWordOfLengthMessage;
  return std::nullopt;
}

const PracticeItem& PracticeSession::PickNext() {
  current_ = numeric_ ? NumberPracticeItem(picker_.PickNumber())
                      : ListPracticeItem(list_, picker_.PickEntry(entries_), source_.Spelling);
  score_.NextWord();
  return current_;
}

bool PracticeSession::Answer(const QString& typed, int speed) {
  const bool right = AnswerMatches(typed, current_, SpellingSystem());
  if (!score_.Answered()) speedSum_ += speed;
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
