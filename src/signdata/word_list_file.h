#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The word lists the practice picks from and the list editors edit. Three formats:
//   Plain    one word per line ("ENGdefault.txt", "INAdefault.txt", "RomajiDefault.txt")
//   Reading  "reading,word" per line: the kana that is spelled, then the word as
//            written ("JSLdefault.txt")
//   Html     one <p> per word, every UTF-16 code unit a decimal reference such as
//            "&#54617;" ("KSLdefault.html")
// All are written in UTF-8 with CR LF line ends; the readers also take Shift_JIS.
enum class WordListFormat { Plain, Reading, Html };

// Limits that keep a hostile or mistaken file from flooding the editor and the practice;
// the lists shipped hold a few hundred words of a few letters each.
constexpr int kLongestListWord = 200;        // UTF-16 code units
constexpr int kMostListWords = 100000;
constexpr qint64 kLargestWordListFile = 8 << 20;  // bytes

// A list: Words is what is spelled (the readings of the Japanese list); Written, for
// the Japanese list only, holds each word as written, at the same index.
struct WordList {
  QStringList Words;
  QStringList Written;

  int Count() const { return static_cast<int>(Words.size()); }
  friend bool operator==(const WordList&, const WordList&) = default;
};

// A list read, or why it could not be ("Word list line 3: ..." or a file error).
struct WordListLoad {
  bool ok = true;
  WordList list;
  QString reason;
};

// The format of a file by its name: ".html" is HTML, "JSLdefault.txt" is reading and
// word, anything else plain lines.
WordListFormat FormatOfWordListFile(const QString& path);

// Cuts `text` at every `delimiter` and trims each piece of surrounding blanks. An empty
// text gives no piece, an empty delimiter the whole text, and a text without the
// delimiter no piece either (callers that want the whole text then take it themselves).
QStringList SplitText(const QString& text, const QString& delimiter);

// Parsing and formatting of already decoded text. Plain and reading lists end at the
// end of the text or at the first empty line; each line is one entry, its first
// comma-separated field (the reading list: its first two), surrounding quotes and
// blanks removed. An HTML word is stored when the next "<p>" or "</p>" is met or the
// text ends; a reference that is not a number or is above 65535 fails the whole read,
// and so does a word (or written form) longer than kLongestListWord ("Word list line 3:
// the word is longer than 200 characters") or a list of more than kMostListWords words
// ("the list holds more than 100000 words").
WordListLoad ParseWordList(const QString& text, WordListFormat format);
QString FormatWordList(const WordList& list, WordListFormat format);

// Reads the file at `path` (UTF-8, else Shift_JIS): a regular file of at most
// kLargestWordListFile bytes. A word longer than kLongestListWord or more than
// kMostListWords words fail the read, as ParseWordList does. The reason of a failure
// does not name the file; WordListReadMessage does.
WordListLoad LoadWordListFile(const QString& path, WordListFormat format);
// Writes the list through a temporary file and a rename, so a failed save leaves the
// old file whole. False, with the reason in *error, on failure.
bool SaveWordListFile(const QString& path, const WordList& list, WordListFormat format,
                      QString* error = nullptr);

// "The word list could not be read: <file>: <reason>"
QString WordListReadMessage(const QString& path, const QString& reason);
// "The word list could not be saved: <file>: <reason>"
QString WordListSaveMessage(const QString& path, const QString& reason);
