#pragma once

#include <Qt>

// What a box asks of the platform's input method when it is opened with a conversion
// mode: roman input (1 on, 0 off), width (0 full, 1 half) and kind (0 hiragana,
// 1 katakana, 2 alphanumeric); any other value of each leaves that part as it was.
//
// Linux input method frameworks take no conversion mode from the program. What Qt can
// pass on is a hint: alphanumeric input prefers Latin letters, kana input asks for
// no Latin preference. Roman input and width have no hint and are accepted as they
// are; the frameworks keep the user's own choice for them.
Qt::InputMethodHints HintsForConversion(Qt::InputMethodHints current, int roman, int width,
                                        int kind);

// The hints of a box whose input method is closed: keys are taken as typed.
Qt::InputMethodHints ClosedInputMethodHints();
