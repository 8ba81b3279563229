#include "shell/side_placement.h"

#include <algorithm>

QPoint PlaceBeside(const QRect& owner, const QSize& window, const QRect& screen) {
  // A small gap keeps the two frames from looking like one window.
  constexpr int kGap = 8;
  int left = owner.right() + 1 + kGap;
  if (left + window.width() - 1 > screen.right()) {
    const int besideLeft = owner.left() - kGap - window.width();
    left = besideLeft >= screen.left() ? besideLeft : screen.right() + 1 - window.width();
  }
  const auto clamp = [](int start, int length, int low, int high) {
    // A window longer than the screen starts at the screen's start, so its title shows.
    return std::max(low, std::min(start, high + 1 - length));
  };
  return {clamp(left, window.width(), screen.left(), screen.right()),
          clamp(owner.top(), window.height(), screen.top(), screen.bottom())};
}
