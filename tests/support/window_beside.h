#pragma once

#include <QScreen>
#include <QWidget>

// A window opened to work with `owner` stands beside it where the screen has room, and
// always on the screen.
inline bool StandsBeside(const QWidget& window, const QWidget& owner) {
  const QRect screen = owner.screen()->availableGeometry();
  const QRect frame = window.frameGeometry();
  const bool room = frame.width() + owner.frameGeometry().width() + 8 <= screen.width();
  return screen.contains(frame) && (!room || !frame.intersects(owner.frameGeometry()));
}
