#include "gui/input/input_method_control.h"

#include "shell/input_method_wish.h"

#include <QGuiApplication>
#include <QInputMethod>
#include <QWidget>

namespace {

// The framework asks the focused box again for what has changed.
void TellInputMethod(const QWidget& box) {
  if (box.hasFocus()) QGuiApplication::inputMethod()->update(Qt::ImEnabled | Qt::ImHints);
}

}  // namespace

int OpenInputMethod(QWidget& box, int roman, int width, int kind) {
  if (box.focusPolicy() == Qt::NoFocus) return -1;
  box.setAttribute(Qt::WA_InputMethodEnabled, true);
  box.setInputMethodHints(HintsForConversion(box.inputMethodHints(), roman, width, kind));
  TellInputMethod(box);
  return 0;
}

void SetInputMethodOpen(QWidget& box, bool open) {
  // The framework stays reachable, so Hangul or kana the user switches to still
  // arrive; closed asks it to pass keys on as typed.
  box.setAttribute(Qt::WA_InputMethodEnabled, true);
  const Qt::InputMethodHints closed = ClosedInputMethodHints();
  box.setInputMethodHints(open ? box.inputMethodHints() & ~closed : box.inputMethodHints() | closed);
  TellInputMethod(box);
}
