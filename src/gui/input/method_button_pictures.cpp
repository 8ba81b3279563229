#include "gui/input/method_button_pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

namespace {

// Strokes are given on a 32 × 32 grid and scaled to the picture.
constexpr double kGrid = 32.0;

QPixmap Blank(int size, const QColor& tint) {
  QPixmap picture(size, size);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kGrid, size / kGrid);
  painter.setPen(QPen(QColor(40, 40, 60), 1.0));
  painter.setBrush(tint);
  painter.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
  return picture;
}

QPainter& StrokePainter(QPainter& painter, int size) {
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / kGrid, size / kGrid);
  painter.setPen(QPen(QColor(20, 20, 40), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.setBrush(Qt::NoBrush);
  return painter;
}

}  // namespace

QPixmap RomanInputPicture(int size) {
  QPixmap picture = Blank(size, QColor(235, 240, 255));
  QPainter painter(&picture);
  StrokePainter(painter, size);
  QPainterPath letter;
  letter.moveTo(8, 26);
  letter.lineTo(16, 6);
  letter.lineTo(24, 26);
  painter.drawPath(letter);
  painter.drawLine(QPointF(11.2, 18.5), QPointF(20.8, 18.5));
  return picture;
}

QPixmap HangulInputPicture(int size) {
  QPixmap picture = Blank(size, QColor(255, 240, 230));
  QPainter painter(&picture);
  StrokePainter(painter, size);
  // ㅎ
  painter.drawLine(QPointF(10, 5), QPointF(14, 5));
  painter.drawLine(QPointF(6, 9), QPointF(18, 9));
  painter.drawEllipse(QPointF(12, 14.5), 3.6, 3.2);
  // ㅏ
  painter.drawLine(QPointF(23, 4), QPointF(23, 20));
  painter.drawLine(QPointF(23, 12), QPointF(27, 12));
  // ㄴ
  QPainterPath nieun;
  nieun.moveTo(8, 21.5);
  nieun.lineTo(8, 27.5);
  nieun.lineTo(26, 27.5);
  painter.drawPath(nieun);
  return picture;
}
