#include "shell/input_method_wish.h"

Qt::InputMethodHints HintsForConversion(Qt::InputMethodHints current, int /*roman*/,
                                        int /*width*/, int kind) {
  Qt::InputMethodHints hints = current & ~(Qt::ImhLatinOnly | Qt::ImhNoPredictiveText);
  switch (kind) {
    case 0:
    case 1: return hints & ~Qt::ImhPreferLatin;
    case 2: return hints | Qt::ImhPreferLatin;
    default: return hints;
  }
}

Qt::InputMethodHints ClosedInputMethodHints() {
  return Qt::ImhLatinOnly | Qt::ImhNoPredictiveText;
}
