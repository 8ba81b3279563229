#pragma once

#include "convert/sign_step.h"

#include <QStringView>

// The modifiers of a doubled letter: the first of a run and every later one.
constexpr int16_t kDoubledFirst = 16;
constexpr int16_t kDoubledSecond = 128;

// The signs of the four alphabets: the letters A to Z (either case) become shapes 1 to
// 26, ASL's T (`aslT`) its own shape 27, and anything else is passed over. In a run of
// equal letters the first is marked kDoubledFirst and every later one kDoubledSecond,
// for the slide and bounce the alphabets show a doubled letter with.
SignSequence AlphabetSigns(QStringView text, bool aslT);
