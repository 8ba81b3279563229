#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window that works with the main window (a word list, the practice, a chart)
// opens: beside `owner`'s frame, on the side with room for `window` on `screen` (the
// right first, the side a reader looks to next), its top level with the owner's. With
// no room on either side it overlaps the owner's right edge. It always lies on the
// screen, a window taller or wider than the screen at its top left corner.
QPoint PlaceBeside(const QRect& owner, const QSize& window, const QRect& screen);
