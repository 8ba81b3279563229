#pragma once

#include "convert/word_spelling.h"
#include "signdata/word_list_file.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

// What one practice turn spells and what counts as its answer.
struct PracticeItem {
  QString Text;         // given to the converter
  ListSpelling Spelling = ListSpelling::Text;
  QString Answer;       // shown as the answer: the word, the written form, the digits
  QString Reading;      // the Japanese list's reading; empty otherwise
};

inline const QString kEmptyListMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "The word list is empty"));
inline const QString kNoWordOfLengthMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "No word of the list has that length"));
inline const QString kNoSpellableWordMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "No word of the list can be spelled"));
// A focus on letters no word in reach has, or that are no letters of the system.
inline const QString kNoFocusWordMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "No word of the list has \"%1\" to practise"));

// Picks practice words: every entry of the list equally likely, or as likely as its
// weight; never the same entry twice in a row while there are two or more. The
// generator is seeded by the caller (from the clock in the program, fixed in tests).
class PracticePicker {
 public:
  explicit PracticePicker(uint32_t seed) : generator_(seed) {}

  // The entries of `list` a system spells whole and counts between `shortest` and
  // `longest` signs (0 for no bound), in list order.
  static std::vector<int> EntriesOfLength(const WordList& list, SystemId system, ListSpelling spelling,
                                          int shortest, int longest);

  // One of `entries` (not empty), not the one picked last when there are others.
  int PickEntry(const std::vector<int>& entries);
  // One of `entries` (not empty) with a chance in proportion to its weight in
  // `weights` (one per entry, each above 0), not the one picked last when there are
  // others.
  int PickWeightedEntry(const std::vector<int>& entries, const std::vector<double>& weights);
  // The first of `entries` that was not picked last, if any; it is not taken as picked.
  std::optional<int> FirstNotLast(const std::vector<int>& entries) const;
  // Counts `entry`, chosen by the caller, as the one picked last.
  void Take(int entry) { last_ = entry; }
  // A number from 0 to 99999.
  int PickNumber();

 private:
  std::mt19937 generator_;
  std::optional<int> last_;
};

// The item of list entry `index`: for the Japanese list of the Japanese interface the
// reading is spelled and the written form is the answer; for romaji the katakana it
// becomes is the reading.
PracticeItem ListPracticeItem(const WordList& list, int index, ListSpelling spelling);
PracticeItem NumberPracticeItem(int number);
