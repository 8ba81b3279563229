#include "shell/practice_picker.h"

std::vector<int> PracticePicker::EntriesOfLength(const WordList& list, SystemId system,
                                                 ListSpelling spelling, int shortest, int longest) {
  std::vector<int> entries;
  for (int i = 0; i < list.Count(); ++i) {
    // A file can hold anything; an entry the system cannot spell whole is never asked.
    const auto codes = SignCodesOfWord(list.Words[i], system, spelling);
    if (!codes || codes->empty()) continue;
    const int length = static_cast<int>(codes->size());
    if (shortest > 0 && length < shortest) continue;
    if (longest > 0 && length > longest) continue;
    entries.push_back(i);
  }
  return entries;
}

int PracticePicker::PickEntry(const std::vector<int>& entries) {
  const int count = static_cast<int>(entries.size());
  if (count == 1) {
    last_ = entries[0];
    return entries[0];
  }
  int lastPosition = -1;
  for (int i = 0; last_ && i < count; ++i)
    if (entries[i] == *last_) lastPosition = i;
  // With the last pick among the entries, draw among the others only.
  const int choices = lastPosition >= 0 ? count - 1 : count;
  int position = std::uniform_int_distribution<int>(0, choices - 1)(generator_);
  if (lastPosition >= 0 && position >= lastPosition) ++position;
  last_ = entries[position];
  return entries[position];
}

int PracticePicker::PickWeightedEntry(const std::vector<int>& entries, const std::vector<double>& weights) {
  std::vector<double> chances = weights;
  if (entries.size() > 1 && last_)
    for (size_t i = 0; i < entries.size(); ++i)
      if (entries[i] == *last_) chances[i] = 0.0;
  const size_t position = std::discrete_distribution<size_t>(chances.begin(), chances.end())(generator_);
  last_ = entries[position];
  return entries[position];
}

std::optional<int> PracticePicker::FirstNotLast(const std::vector<int>& entries) const {
  for (const int entry : entries)
    if (entry != last_) return entry;
  return std::nullopt;
}

int PracticePicker::PickNumber() { return std::uniform_int_distribution<int>(0, 99999)(generator_); }

PracticeItem ListPracticeItem(const WordList& list, int index, ListSpelling spelling) {
  PracticeItem item;
  item.Text = list.Words[index];
  item.Spelling = spelling;
  if (index < list.Written.size()) {
    item.Answer = list.Written[index];
    item.Reading = list.Words[index];
  } else {
    item.Answer = list.Words[index];
  }
  return item;
}

PracticeItem NumberPracticeItem(int number) {
  PracticeItem item;
  item.Text = QString::number(number);
  item.Answer = item.Text;
  return item;
}
