#pragma once

#include "convert/system_id.h"

#include <QString>
#include <QStringList>

// What typed text goes through before a converter sees it, so that the forms people
// type spell as the form each converter reads:
//  - every system: full-width Latin letters, digits and signs (and the ideographic
//    space) become ASCII;
//  - the alphabets: accented Latin letters fold to their base letters
//    ("héllo" as "hello", "ñ" as "n", "ø" as "o");
//  - JSL read as kana: hiragana and full-width katakana become half-width
//    katakana, so "ありがとう" and "アリガトウ" spell as "ｱﾘｶﾞﾄｳ";
//  - KSL typed in roman letters: text with no capital letter is taken as the
//    Revised Romanization and split into the capitalised syllables the converter
//    reads ("annyeong" as "AnNyeong"); text with capitals is left as it is.
// Half-width text and text of other scripts pass through unchanged.
QString NormalizeTypedText(const QString& text, SystemId system, bool romanized);

// Hiragana and full-width katakana (with the long-vowel mark and Japanese punctuation)
// as half-width katakana; everything else unchanged.
QString HalfWidthKatakana(const QString& text);

// Lower-case Revised Romanization split into syllables, each starting with a capital:
// a consonant between two vowels starts the next syllable, "ng" closes one, and of
// two or more consonants the last initial starts the next syllable. Runs of other
// characters are kept; text that already has a capital letter is returned as it is.
QString CapitalisedKoreanSyllables(const QString& text);

// The characters of `text` an alphabet passes over (digits, punctuation, other
// scripts), each once, in the order they first come; spaces are not counted.
QStringList UnspelledCharacters(const QString& text);

// "Not spelled: 1 2 3" for what an alphabet passes over, or empty when it spells all.
QString UnspelledStatus(const QString& text);
