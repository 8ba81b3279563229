#include "gui/main_window/background_painter.h"

#include "support/gui_test_suites.h"

#include <QGradient>
#include <QImage>
#include <QLabel>
#include <QWidget>
#include <QtTest>

#include <algorithm>
#include <cmath>

namespace {

// Which of red, green and blue leads in a colour.
char Leading(const QColor& colour) {
  if (colour.red() > colour.green() && colour.red() > colour.blue()) return 'R';
  if (colour.green() > colour.red() && colour.green() > colour.blue()) return 'G';
  if (colour.blue() > colour.red() && colour.blue() > colour.green()) return 'B';
  return '-';
}

// The contrast ratio of two colours as the web's accessibility guidelines define it:
// 4.5 is the least for body text, 7 the enhanced level.
double Luminance(const QColor& colour) {
  auto channel = [](double c) {
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
         0.0722 * channel(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double la = Luminance(a);
  const double lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
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

  // The whole window is filled, behind its controls, with light tints of the key's
  // colour on which captions stay legible, differently in each style.
  void everyStyleFillsTheWindowAndLeavesCaptionsLegible() {
    std::vector<QImage> pictures;
    for (const QChar key : {QChar(u'R'), QChar(u'G'), QChar(u'B')}) {
      for (int style = 0; style < 6; ++style) {
        QWidget window;
        window.resize(320, 240);
        PaintBackground(window, style, key);
        QVERIFY(window.autoFillBackground());
        const QImage picture = window.grab().toImage();
        for (int y = 0; y < picture.height(); y += 8) {
          for (int x = 0; x < picture.width(); x += 8) {
            const QColor colour = picture.pixelColor(x, y);
            QCOMPARE(Leading(colour), key.toLatin1());
            const double contrast = Contrast(colour, BackgroundTextColour());
            QVERIFY2(contrast >= 7.0, qPrintable(QStringLiteral("style %1 key %2 at %3,%4: %5")
                                                     .arg(style).arg(key).arg(x).arg(y)
                                                     .arg(contrast)));
          }
        }
        if (key == u'B') pictures.push_back(picture);
        // Style 0 runs from top to bottom.
        if (style == 0) QVERIFY(picture.pixelColor(100, 2) != picture.pixelColor(100, 237));
      }
    }
    // Six styles, six different pictures.
    for (size_t i = 0; i < pictures.size(); ++i)
      for (size_t j = i + 1; j < pictures.size(); ++j) QVERIFY(pictures[i] != pictures[j]);
  }

  void captionsAreDarkEvenUnderALightOnDarkTheme() {
    QWidget window;
    QPalette dark = window.palette();
    dark.setColor(QPalette::WindowText, Qt::white);
    window.setPalette(dark);
    auto* caption = new QLabel(QStringLiteral("Speed"), &window);
    PaintBackground(window, 3, u'R');
    QCOMPARE(caption->palette().color(QPalette::Active, QPalette::WindowText),
             BackgroundTextColour());
    // A disabled caption is greyed, yet still readable on every tint.
    const QColor greyed = caption->palette().color(QPalette::Disabled, QPalette::WindowText);
    for (const QChar key : {QChar(u'R'), QChar(u'G'), QChar(u'B')})
      for (const QGradientStop& stop : BackgroundGradient(0, key).stops())
        QVERIFY2(Contrast(greyed, stop.second) >= 4.5, qPrintable(stop.second.name()));
  }
};

TOVARO_GUI_TEST(BackgroundPainterTest);

#include "background_painter_test.moc"
