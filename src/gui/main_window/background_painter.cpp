#include "gui/main_window/background_painter.h"

#include <QLinearGradient>
#include <QPalette>
#include <QRadialGradient>
#include <QWidget>

QColor BackgroundBaseColour(QChar colourKey) {
  switch (colourKey.toUpper().unicode()) {
    case u'R': return QColor(200, 60, 60);
    case u'G': return QColor(60, 160, 80);
    case u'B': return QColor(60, 90, 200);
    default: return QColor(128, 128, 128);
  }
}

QGradient BackgroundGradient(int style, QChar colourKey) {
  // Light tints of the base colour keep black captions legible everywhere.
  const QColor base = BackgroundBaseColour(colourKey);
  const QColor light = base.lighter(185);
  const QColor pale = QColor::fromHsv(light.hsvHue(), light.hsvSaturation() / 5, 252);
  const QColor tinted = QColor::fromHsv(light.hsvHue(), light.hsvSaturation() / 2, 240);

  QGradient gradient;
  switch (((style % 6) + 6) % 6) {
    case 0: gradient = QLinearGradient(0, 0, 0, 1); break;  // top to bottom
    case 1: gradient = QLinearGradient(0, 1, 0, 0); break;  // bottom to top
    case 2: gradient = QLinearGradient(0, 0, 1, 0); break;  // left to right
    case 3: gradient = QLinearGradient(1, 0, 0, 0); break;  // right to left
    case 4: gradient = QLinearGradient(0, 0, 1, 1); break;  // diagonal
    default: gradient = QRadialGradient(0.5, 0.5, 0.75); break;  // from the centre
  }
  gradient.setCoordinateMode(QGradient::ObjectBoundingMode);
  gradient.setColorAt(0.0, pale);
  gradient.setColorAt(1.0, tinted);
  return gradient;
}

QColor BackgroundTextColour() { return QColor(24, 24, 32); }

void PaintBackground(QWidget& window, int style, QChar colourKey) {
  QPalette palette = window.palette();
  palette.setBrush(QPalette::Window, QBrush(BackgroundGradient(style, colourKey)));
  // The tints are light whatever the desktop's theme, so captions drawn on them are
  // dark whatever the theme too.
  palette.setColor(QPalette::Active, QPalette::WindowText, BackgroundTextColour());
  palette.setColor(QPalette::Inactive, QPalette::WindowText, BackgroundTextColour());
  palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(88, 88, 96));
  window.setPalette(palette);
  window.setAutoFillBackground(true);
}
