#pragma once

#include "convert/spelled_letters.h"
#include "convert/word_spelling.h"

#include <QString>

#include <cstdint>
#include <optional>

class MessageSink;
class SignClass;

// Spells a word of a list on the hand, as the practice and the list editors do: with
// the system of the list whatever the numerals box says, converted the way the list is
// written, at the speed of the speed box. The sign front end is left set to the system
// it was set to before. Bad speed or an unspellable word is told to `messages`. The
// letters of the word played, in the characters it is read in (the katakana of romaji);
// nothing when nothing plays.
std::optional<SpelledLetters> PlayListWord(SignClass& signs, MessageSink& messages, SystemId listSystem, ListSpelling spelling,
                  const QString& word, const QString& speedText);
