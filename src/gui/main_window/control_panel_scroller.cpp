#include "gui/main_window/control_panel_scroller.h"

#include <QEvent>
#include <QScrollBar>

#include <algorithm>

ControlPanelScroller::ControlPanelScroller(QWidget& panel, int leastWidth, QWidget* parent)
    : QScrollArea(parent), leastWidth_(leastWidth) {
  setObjectName(QStringLiteral("ControlScroller"));
  setAccessibleName(tr("Controls"));
  setFrameShape(QFrame::NoFrame);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setWidgetResizable(true);
  setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Ignored);
  setWidget(&panel);
  // A new interface font widens the panel; the scroller widens with it.
  panel.installEventFilter(this);
}

int ControlPanelScroller::FullWidth() const {
  // The panel is never narrower than it asks to be, with room for the scroll bar whether
  // it shows or not, so the bar never covers a control.
  return std::max(leastWidth_, widget()->sizeHint().width() + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
}

QSize ControlPanelScroller::minimumSizeHint() const { return {FullWidth(), 0}; }

QSize ControlPanelScroller::sizeHint() const {
  return {FullWidth(), widget()->sizeHint().height() + 2 * frameWidth()};
}

void ControlPanelScroller::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) setAccessibleName(tr("Controls"));
  QScrollArea::changeEvent(event);
}

bool ControlPanelScroller::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
  return QScrollArea::eventFilter(watched, event);
}
