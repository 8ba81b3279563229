#pragma once

#include "convert/system_id.h"

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// How a listed word is given to a converter: as typed (alphabets, half-width katakana,
// Hangul) or as romaji (the Japanese list of the English interface).
enum class ListSpelling { Text, Romaji };

// The sign codes a word becomes in a system, or nothing when the system cannot
// spell it whole (an alphabet would pass over an accented letter or a digit). The numeral slots count from the system's usual base.
std::optional<std::vector<int16_t>> SignCodesOfWord(const QString& word, SystemId system,
                                                    ListSpelling spelling);
