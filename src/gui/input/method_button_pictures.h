#pragma once

#include <QPixmap>

// The two pictures of the Hangul button: a roman "A" while Korean is typed in roman
// letters, and the syllable 한 while it is typed in Hangul. They are drawn from strokes
// so they look the same whatever fonts the machine has.
QPixmap RomanInputPicture(int size);
QPixmap HangulInputPicture(int size);
