#include "gui/view/user_input_hold.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

bool IsUserInput(const QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::InputMethod:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

UserInputHold::UserInputHold(QObject* parent) : QObject(parent) {}

UserInputHold::~UserInputHold() {
  if (holding_ && QCoreApplication::instance())
    QCoreApplication::instance()->removeEventFilter(this);
}

void UserInputHold::Hold() {
  if (holding_) return;
  holding_ = true;
  QCoreApplication::instance()->installEventFilter(this);
}

void UserInputHold::Release() {
  if (!holding_) return;
  holding_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
  // Posted, so each event reaches its widget through the event loop as it would have.
  auto held = std::move(held_);
  held_.clear();
  for (auto& [receiver, event] : held)
    if (receiver) QCoreApplication::postEvent(receiver, event.release());
}

bool UserInputHold::eventFilter(QObject* watched, QEvent* event) {
  // Only what is addressed to widgets: the application and window objects see the same
  // events on their way to a widget, and those must pass so the widget gets them.
  if (!holding_ || !IsUserInput(*event) || !watched->isWidgetType()) return false;
  const Passage passage = rule_ ? rule_(watched, event) : Passage::Hold;
  if (passage == Passage::Pass) return false;
  if (passage == Passage::Taken) {
    event->accept();
    return true;
  }
  // Accepted, so no shortcut acts now; the key press that follows is held with the rest.
  if (event->type() == QEvent::ShortcutOverride) {
    event->accept();
    return true;
  }
  held_.emplace_back(watched, event->clone());
  return true;
}
