#include "gui/input/input_box_behaviour.h"

#include <QEvent>
#include <QLineEdit>
#include <QTimer>

InputBoxBehaviour::InputBoxBehaviour(QLineEdit& wordBox, QLineEdit& readingBox, QLineEdit& speedBox, QObject* parent)
    : QObject(parent), wordBox_(wordBox), readingBox_(readingBox), speedBox_(speedBox) {
  for (QLineEdit* box : {&wordBox_, &readingBox_, &speedBox_}) box->installEventFilter(this);
}

bool InputBoxBehaviour::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &wordBox_ && event->type() == QEvent::MouseButtonPress) {
    wordBox_.clear();
    readingBox_.clear();
  } else if ((watched == &readingBox_ || watched == &speedBox_) && event->type() == QEvent::FocusIn) {
    // After the click that gave the focus has placed the cursor.
    auto* box = static_cast<QLineEdit*>(watched);
    QTimer::singleShot(0, box, &QLineEdit::selectAll);
  }
  return QObject::eventFilter(watched, event);
}
