#include "gui/editors/number_box.h"

#include "signdata/key_frame_boxes.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWheelEvent>

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) {}

void NumberBox::Step(int direction, Qt::KeyboardModifiers modifiers) {
  const double step = modifiers.testFlag(Qt::ShiftModifier) ? 10.0 : 1.0;
  // As if typed: the change counts as the user's, with the usual change signals.
  const QString stepped = SteppedValueText(text(), direction * step);
  selectAll();
  insert(stepped);
  selectAll();
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
    Step(event->key() == Qt::Key_Up ? 1 : -1, event->modifiers());
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void NumberBox::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  // Shift turns some mice's vertical wheel into a horizontal one.
  const int amount = delta.y() != 0 ? delta.y() : delta.x();
  if (amount == 0) {
    event->ignore();
    return;
  }
  Step(amount > 0 ? 1 : -1, event->modifiers());
  event->accept();
}

void NumberBox::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  // After the click that gave the focus has placed the cursor.
  QTimer::singleShot(0, this, &QLineEdit::selectAll);
}
