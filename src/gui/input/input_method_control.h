#pragma once

class QWidget;

// Opening and closing the input method of a box, through Qt's input method support.

// Opens the input method of `box` and asks for a conversion mode (see
// HintsForConversion for what the Linux frameworks can take). 0 when the box takes
// input methods, -1 when it cannot (a box that takes no keyboard focus).
int OpenInputMethod(QWidget& box, int roman, int width, int kind);

// Opens (true) or closes (false) the input method of `box`. A closed box takes keys
// as typed.
void SetInputMethodOpen(QWidget& box, bool open);
