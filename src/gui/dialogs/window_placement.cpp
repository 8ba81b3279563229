#include "gui/dialogs/window_placement.h"

#include <QWidget>

void PlaceBesideHand(QWidget& window, const QWidget& owner) {
  const QRect frame = owner.frameGeometry();
  window.move(frame.right() - window.frameGeometry().width(), frame.top() + 40);
}
