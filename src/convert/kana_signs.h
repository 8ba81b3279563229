#pragma once

#include "convert/sign_step.h"

#include <QChar>
#include <QStringView>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// Kana are handled as their single-byte codes in the Japanese code page 932, where the
// half-width katakana are 0xA1 to 0xDF (U+FF61 to U+FF9F).

// The code page value of one character of a text; characters that are not half-width
// katakana keep a value no kana sign accepts.
uint16_t CodePageKanaValue(QChar c);

// The half-width katakana of a code page value in 0xA1..0xDF.
QChar HalfWidthKatakana(uint16_t codePageValue);

constexpr int16_t kSmallKana = 2;
constexpr int16_t kVoicedMark = 4;
constexpr int16_t kSemiVoicedMark = 8;
constexpr int16_t kRepeatedKana = 16;

// Turns code page kana values into JSL signs: the 45 basic kana are shapes 1 to 45 and
// the long-vowel mark 46; small kana (and ｦ) take the shape of their large kana with
// the small-kana movement; a voiced or semi-voiced mark adds its movement to the kana
// before it; a kana repeated right after itself is marked for a bounce. Nullopt for
// any other value, and for a mark with no kana before it.
std::optional<std::vector<SignStep>> KanaSigns(std::span<const uint16_t> codePageValues);
