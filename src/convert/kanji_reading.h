#pragma once

#include <QString>

#include <memory>
#include <optional>

namespace MeCab {
class Model;
}

// The reading of written Japanese in half-width katakana, as the kana converter reads
// it: kanji are looked up in MeCab's IPA dictionary, kana and single-byte text are
// taken as they are.
//
// Opening the dictionary takes a while, so one reader serves a whole session.
class KanjiReader {
 public:
  KanjiReader();
  ~KanjiReader();
  KanjiReader(const KanjiReader&) = delete;
  KanjiReader& operator=(const KanjiReader&) = delete;

  // False when the dictionary could not be opened; Problem() then says why.
  bool IsAvailable() const { return model_ != nullptr; }
  const QString& Problem() const { return problem_; }

  // The reading of `text`, or nullopt when a word of it is not in the dictionary (or
  // the dictionary is not there). Empty text reads as empty.
  std::optional<QString> Reading(const QString& text) const;

 private:
  std::unique_ptr<MeCab::Model> model_;
  QString problem_;
};

// Committed text that needs no dictionary: after narrowing (full-width to ASCII, kana
// to half-width katakana) every character is a single byte in the old Japanese
// encodings, which are ASCII, Latin-1 and the half-width katakana. The narrowed text,
// or nullopt when it holds kanji or other wide characters.
std::optional<QString> SingleByteForm(const QString& text);

// The message a reading that cannot be found gives.
QString NoReadingMessage(const QString& text);
