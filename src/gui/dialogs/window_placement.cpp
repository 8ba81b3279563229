#include "gui/dialogs/window_placement.h"

#include "shell/side_placement.h"

#include <QScreen>
#include <QWidget>

void PlaceBesideMainWindow(QWidget& window, const QWidget& owner) {
  const QScreen* screen = owner.screen();
  if (!screen) return;
  // A window not shown yet has no frame: its size with the frame the owner has.
  const QSize frameExtra = owner.frameGeometry().size() - owner.size();
  const QSize inner = window.testAttribute(Qt::WA_Resized) ? window.size() : window.sizeHint();
  const QSize size = window.isVisible() ? window.frameGeometry().size() : inner + frameExtra;
  const QPoint frameTopLeft = PlaceBeside(owner.frameGeometry(), size, screen->availableGeometry());
  // move() places the frame's top left corner.
  window.move(frameTopLeft);
}
