#include "gui/main_window/label_follows_box.h"

#include <QEvent>
#include <QLabel>

LabelFollowsBox::LabelFollowsBox(QLabel& label, QWidget& box) : QObject(&label), label_(label) {
  box.installEventFilter(this);
}

bool LabelFollowsBox::eventFilter(QObject* watched, QEvent* event) {
  // The "to parent" events come whenever the box is shown or hidden itself, also while
  // the window is not on screen; those of the window's own showing do not.
  if (event->type() == QEvent::ShowToParent) label_.show();
  if (event->type() == QEvent::HideToParent) label_.hide();
  return QObject::eventFilter(watched, event);
}
