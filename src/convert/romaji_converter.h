#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <vector>

// Romaji (Hepburn and Kunrei spellings with a few additions) to half-width katakana.
// The text is read in lower case; a doubled consonant gives ｯ, n before a consonant,
// an apostrophe or the end gives ﾝ, and - . ､ and the space stand for themselves.

// The text with the ASCII capitals lowered, the form the converter reads.
QString LowerRomaji(QStringView text);

// The code page 932 values of the katakana of `lowered`, or nullopt when it is not
// valid romaji (l q v x, digits, a stray apostrophe, a consonant without a vowel).
std::optional<std::vector<uint16_t>> RomajiToCodePageKana(QStringView lowered);
