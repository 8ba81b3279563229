#pragma once

#include "convert/word_spelling.h"
#include "shell/kana_input.h"
#include "signdata/word_list_file.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <optional>
#include <vector>

// Which list serves a system, how its words are spelled, and what may go into it.

struct WordListSource {
  QString FileName;          // beside the program
  WordListFormat Format;
  bool ReadingEditor;        // the Japanese editor with word and reading
  ListSpelling Spelling;
};

// The list of a system the user chooses (the numerals use their own), typed as
// `kanaInput` says for the kana system.
WordListSource WordListOfSystem(SystemId system, KanaInput kanaInput);

inline const QString kWordSeparatorMessage = QString::fromUtf8(QT_TRANSLATE_NOOP("Messages", "A word must not contain a comma or a double quote"));

// "\"cat\" is already in the list"
QString AlreadyInListMessage(const QString& word);

// Whether `words` holds `word`, in any case.
bool ListHolds(const QStringList& words, const QString& word);

// A word offered to a list: trimmed and, when it can go in, the form stored; otherwise
// the message that says why not.
struct ListWordCheck {
  bool ok = false;
  QString word;
  QString message;
};

// Checks one word for the list of `system`: no comma, double quote or line break
// ("A word must not contain a comma or a double quote"), and spelled by the system
// ("Unsupported character(s) in the string"). The word is stored as Start would spell
// it: full-width forms narrowed, accents folded for the alphabets ("naïve" as "naive").
// An empty word is not ok and has no message.
ListWordCheck CheckListWord(const QString& typed, SystemId system, ListSpelling spelling);

// The same for the Japanese list: the reading, given in hiragana, katakana or
// half-width katakana, is stored in half-width katakana; the written word must hold
// no separator either.
struct ReadingWordCheck {
  bool ok = false;
  QString reading;
  QString written;
  QString message;
};
ReadingWordCheck CheckReadingWord(const QString& reading, const QString& written);

// Hiragana and full-width katakana (with their voiced forms and the long vowel mark)
// turned into half-width katakana; everything else is left as it is.
QString HalfWidthKatakanaOf(const QString& text);

// Words read from a text file for a list: one per line ("reading,word" per line for
// the Japanese list); empty lines are passed over.
struct RefusedLine {
  int line = 0;
  QString text;
  QString reason;
};
// A line added in another form than it was written ("naïve" as "naive").
struct ChangedLine {
  int line = 0;
  QString text;
  QString stored;
};
struct WordImport {
  WordList added;
  std::vector<ChangedLine> changed;
  std::vector<RefusedLine> refused;
};
// A word `existing` holds already, or an earlier line of the same text, is refused.
WordImport ImportWords(const QString& text, const WordListSource& source, SystemId system,
                       const WordList& existing = {});

// "3 words added." with the words added, the lines added in another form, and one line
// for each refused line (the first 20 of each).
QString ImportReportText(const WordImport& import);

// The entries of a list the system cannot spell whole (a Latin letter in the Korean
// list, a control character), which the practice never asks: "2 word(s) of the list
// cannot be spelled and are never asked:" and one line each (the first 20), characters
// that show nothing written as "U+202E". Empty when every entry can be spelled.
QString UnspellableEntriesText(const WordList& list, SystemId system, ListSpelling spelling);
