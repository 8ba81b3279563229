#include "ui/background_painter.h"

#include <QGradient>
#include <QImage>
#include <QWidget>
#include <QtTest>

namespace {

// Which of red, green and blue leads in a colour.
char Leading(const QColor& colour) {
  if (colour.red() > colour.green() && colour.red() > colour.blue()) return 'R';
  if (colour.green() > colour.red() && colour.green() > colour.blue()) return 'G';
  if (colour.blue() > colour.red() && colour.blue() > colour.green()) return 'B';
  return '-';
}

}  // namespace

class BackgroundPainterTest : public QObject {
  Q_OBJECT

 private slots:
  void eachKeyNamesItsBaseColour() {
    QCOMPARE(Leading(BackgroundBaseColour(u'R')), 'R');
    QCOMPARE(Leading(BackgroundBaseColour(u'G')), 'G');
    QCOMPARE(Leading(BackgroundBaseColour(u'B')), 'B');
    QCOMPARE(Leading(BackgroundBaseColour(u'b')), 'B');
    QCOMPARE(Leading(BackgroundBaseColour(u'X')), '-');
    for (int style = -1; style <= 6; ++style) {
      const QGradient gradient = BackgroundGradient(style, u'G');
      QCOMPARE(gradient.coordinateMode(), QGradient::ObjectBoundingMode);
      for (const QGradientStop& stop : gradient.stops()) QCOMPARE(Leading(stop.second), 'G');
    }
  }

  void fillsTheWindowBehindItsControls() {
    for (const QChar key : {QChar(u'R'), QChar(u'B')}) {
      QWidget window;
      window.resize(200, 120);
      PaintBackground(window, 0, key);
      QVERIFY(window.autoFillBackground());
      const QImage picture = window.grab().toImage();
      // Light tints throughout, so black captions stay legible, and the key's colour leads.
      for (const QPoint& at : {QPoint(5, 5), QPoint(100, 60), QPoint(195, 115)}) {
        const QColor colour = picture.pixelColor(at);
        QCOMPARE(Leading(colour), key.toLatin1());
        QVERIFY2(colour.lightness() > 180, qPrintable(colour.name()));
      }
      // The gradient runs from top to bottom in style 0.
      QVERIFY(picture.pixelColor(100, 2) != picture.pixelColor(100, 117));
    }
  }
};

int RunBackgroundPainterTest(int argc, char** argv) {
  BackgroundPainterTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "background_painter_test.moc"
