#include "gui/input/hidden_text_guard.h"

#include <QEvent>
#include <QLineEdit>

HiddenTextGuard::HiddenTextGuard(QLineEdit& box) : QObject(&box), box_(box) {
  box.installEventFilter(this);
  Follow();
}

bool HiddenTextGuard::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &box_ && (event->type() == QEvent::HideToParent || event->type() == QEvent::ShowToParent))
    Follow();
  return false;
}

void HiddenTextGuard::Follow() {
  // A box with no echo gives a screen reader neither its value nor its text. Only the
  // box's own hiding counts: a box in a closed window is not hidden by itself. The
  // echo mode would also change the input method's hints, which the boxes set for the
  // spelling system, so those are kept.
  const Qt::InputMethodHints hints = box_.inputMethodHints();
  box_.setEchoMode(box_.isHidden() ? QLineEdit::NoEcho : QLineEdit::Normal);
  box_.setInputMethodHints(hints);
}
