#include "gui/main_window/main_window.h"

#include "gl/offscreen_renderer.h"
#include "gui/view/hand_surface_window.h"
#include "gui/view/hand_view.h"
#include "gui/view/picture_name_dialog.h"
#include "gui/view/playback_bar.h"
#include "gui/view/reference_chart_window.h"
#include "playback/playback_engine.h"
#include "playback/view_controls.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/window_texts.h"

#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMenuBar>
#include <QOpenGLContext>
#include <QToolButton>
#include <QWheelEvent>
#include <QTextDocumentFragment>
#include <QtTest>

// The view presets, the wheel, the mirror and the reference chart, and what of them
// the next run remembers; the window the hands are drawn on.
class ViewAndChartTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private:
  static QAction* Action(const QWidget& window, const char* name) {
    return window.findChild<QAction*>(QString::fromLatin1(name));
  }

  static void Wheel(QWidget& area, int eighths) {
    const QPointF at(area.width() / 2.0, area.height() / 2.0);
    QWheelEvent event(at, area.mapToGlobal(at), QPoint(), QPoint(0, eighths), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&area, &event);
  }

  static HandSurfaceWindow* SurfaceOf(const HandView& area) {
    for (QWindow* window : QGuiApplication::allWindows())
      if (auto* surface = qobject_cast<HandSurfaceWindow*>(window);
          surface && area.window()->windowHandle()->isAncestorOf(surface))
        return surface;
    return nullptr;
  }

  // What the chart, the Play and View menus, the playback bar, the hands and the
  // picture name windows say, with the program started in `language`.
  QStringList ViewTexts(InterfaceLanguage language) {
    TearDownProgram();
    SetUpProgram();
    WriteFiles(language, SystemId::American);
    MainWindow& window = ShowWindow();
    Action(window, "mnuChart")->trigger();
    QStringList texts = WindowTexts(window.View().ChartWindow());
    for (const char* name : {"PlayMenus", "ViewMenus"})
      texts += WindowTexts(*window.findChild<QMenu*>(QString::fromLatin1(name)));
    texts += WindowTexts(*window.findChild<PlaybackBar*>()) + WindowTexts(*ControlsOf(window).handView);
    for (const auto purpose : {PictureNameDialog::Purpose::FolderName, PictureNameDialog::Purpose::FileName})
      texts += WindowTexts(PictureNameDialog(purpose, &window));
    return texts;
  }

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  void presetsWheelAndMirrorMoveTheCameraAndSurviveARestartAndTheChartFollowsThem() {
    WriteFiles(InterfaceLanguage::English, SystemId::American);
    MainWindow& window = ShowWindow();
    HandView& area = *ControlsOf(window).handView;
    ViewState& view = area.View();

    // Each entry of the View menu applies its preset (whose angles are ViewPresets' own
    // test) and redraws.
    const std::pair<const char*, ViewPreset> presets[] = {
        {"mnuFront", ViewPreset::Front}, {"mnuSignersEye", ViewPreset::SignersEye}, {"mnuAbove", ViewPreset::Above},
        {"mnuRightSide", ViewPreset::RightSide}, {"mnuLeftSide", ViewPreset::LeftSide}};
    for (const auto& [name, preset] : presets) {
      ViewState expected = view;
      ApplyViewPreset(expected, preset);
      const int drawn = area.PicturesDrawn();
      Action(window, name)->trigger();
      QCOMPARE(view.ViewAzimuth, expected.ViewAzimuth);
      QCOMPARE(view.ViewElevation, expected.ViewElevation);
      QCOMPARE(area.PicturesDrawn(), drawn + 1);
    }
    Wheel(area, 120);
    QCOMPARE(view.ViewAngle, 39.5f);

    Action(window, "mnuLeftHanded")->trigger();
    QVERIFY(view.Mirrored);
    QVERIFY(window.CurrentSettings().LeftHanded);
    QVERIFY(Action(window, "mnuLeftHanded")->isChecked());
    window.close();

    window_.reset();
    MainWindow& again = ShowWindow();
    const ViewState& restored = ControlsOf(again).handView->View();
    QCOMPARE(restored.ViewAzimuth, 90.1f);
    QCOMPARE(restored.ViewElevation, 10.0f);
    QCOMPARE(restored.ViewAngle, 39.5f);
    QVERIFY(restored.Mirrored);
    QVERIFY(Action(again, "mnuLeftHanded")->isChecked());

    // The reference chart: a cell for every filled slot but the rest pose; a click plays it.
    Action(again, "mnuChart")->trigger();
    ReferenceChartWindow& chart = again.View().ChartWindow();
    QVERIFY(chart.isVisible());
    QCOMPARE(chart.objectName(), QStringLiteral("ChartFrm"));
    int signs = 0;
    for (int slot = 1; slot < again.Table().SignCount; ++slot) signs += again.Table().KeyFrameCount(slot) > 0;
    QCOMPARE(chart.CellCount(), signs);

    QToolButton* cell = chart.findChild<QToolButton*>(QStringLiteral("chartCell3"));
    QVERIFY(cell);
    QVERIFY(!cell->accessibleName().isEmpty());
    QCOMPARE(QTextDocumentFragment::fromHtml(cell->toolTip()).toPlainText(), u"Play "_qs + cell->accessibleName());
    cell->click();
    QVERIFY(again.IsSpelling());
    PlayWordToEnd();
    QCOMPARE(again.Engine().Hands()[0].pose(2), 3.0f);  // the test tables hold slot 3's wrist at height 3

    // It follows the mirror (on since the restart).
    const QImage plain = cell->icon().pixmap(cell->iconSize()).toImage();
    Action(again, "mnuLeftHanded")->trigger();
    cell = chart.findChild<QToolButton*>(QStringLiteral("chartCell3"));
    const QImage mirrored = cell->icon().pixmap(cell->iconSize()).toImage();
    QVERIFY(plain != mirrored);
    QCOMPARE(mirrored.convertToFormat(QImage::Format_RGB32), plain.mirrored(true, false).convertToFormat(QImage::Format_RGB32));

    // It follows the system: BSL's table has its own signs.
    again.Systems().ChooseSystem(SystemId::BritishTwoHanded);
    signs = 0;
    for (int slot = 1; slot < again.Table().SignCount; ++slot) signs += again.Table().KeyFrameCount(slot) > 0;
    QCOMPARE(chart.CellCount(), signs);

    // Escape closes it, from any of its cells.
    QVERIFY(chart.CellCount() > 0);
    QTest::keyClick(chart.findChildren<QToolButton*>().first(), Qt::Key_Escape);
    QVERIFY(!chart.isVisible());
  }

  void theWindowShowsTheOffscreenRenderersPictureOfTheSameStepAndTakesTheMouse() {
    WriteFiles(InterfaceLanguage::English, SystemId::BritishTwoHanded);
    MainWindow& window = ShowWindow();
    const MainWindowControls ui = ControlsOf(window);
    HandView& area = *ui.handView;
    HandSurfaceWindow* surface = SurfaceOf(area);
    QVERIFY(surface != nullptr);
    QTRY_COMPARE(surface->size(), area.size());
    QSignalSpy swapped(&area, &HandView::frameSwapped);

    // Both appearances, in the middle of a two-handed word, framed on it: the same
    // pixels, byte for byte, as the offscreen renderer draws from the same view.
    for (const HandAppearance appearance : {HandAppearance::Classic, HandAppearance::Natural}) {
      QString message;
      QCOMPARE(area.SetAppearance(appearance, &message), appearance);
      ui.readingBox->setText(QStringLiteral("ab"));
      ui.speedBox->setText(QStringLiteral("1"));  // four steps a shape
      ui.startButton->click();
      QVERIFY(window.IsSpelling());
      const int presented = static_cast<int>(swapped.count());
      QCOMPARE(Steps().Advance(6), 6);
      QTRY_VERIFY(swapped.count() > presented);

      const QImage shown = area.Picture();
      QVERIFY(area.Framing().has_value());
      QImage offscreenPicture;
      {
        // A thread has one current context at a time: the window's is let go, and
        // the offscreen one goes before the window draws again.
        if (QOpenGLContext* current = QOpenGLContext::currentContext()) current->doneCurrent();
        QString error;
        const std::unique_ptr<OffscreenRenderer> offscreen = OffscreenRenderer::Create(area.Width(), area.Height(), &error);
        QVERIFY2(offscreen, qPrintable(error));
        QCOMPARE(offscreen->SetAppearance(appearance, &message), appearance);
        offscreen->View() = area.View();
        offscreen->SetFraming(area.Framing());
        offscreen->DrawHands(HandScene{window.Engine().Hands(), window.Engine().ShownHands()});
        offscreenPicture = offscreen->Image();
      }
      QCOMPARE(shown.size(), offscreenPicture.size());
      QVERIFY(shown == offscreenPicture);
      PlayWordToEnd();
    }

    // The mouse on the window is the mouse on the area: a held button and the wheel.
    const QPoint middle(surface->width() / 2, surface->height() / 2);
    QTest::mousePress(surface, Qt::LeftButton, {}, middle);
    QVERIFY(area.IsMouseHeld());
    QTest::mouseRelease(surface, Qt::LeftButton, {}, middle);
    QVERIFY(!area.IsMouseHeld());
    const float angle = area.View().ViewAngle;
    QWheelEvent wheel(middle, surface->mapToGlobal(QPointF(middle)), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(surface, &wheel);
    QCOMPARE(area.View().ViewAngle, angle - 0.5f);
  }

  // In every interface language the view's windows show every text the English ones
  // do, none of them left in English (but the letters of the chart's cells, the
  // window name "Form1", and "OK" where it is the language's own); an open window
  // follows a switch of the language at once.
  void theViewSpeaksEachInterfaceLanguage() {
    const QStringList english = ViewTexts(InterfaceLanguage::English);
    QVERIFY(english.contains(u"Paused"_qs));
    const QStringList kept = english.filter(QRegularExpression(u"^[A-Za-z]$"_qs)) << u"Form1"_qs << u"OK"_qs;
    for (const InterfaceLanguage language :
         {InterfaceLanguage::Japanese, InterfaceLanguage::Korean, InterfaceLanguage::Indonesian}) {
      const QStringList translated = ViewTexts(language);
      const QStringList left = EnglishLeft(english, translated, kept);
      QVERIFY2(left.isEmpty(), qPrintable(left.join(u" | ")));
      QCOMPARE(translated.size(), english.size());
    }

    ViewTexts(InterfaceLanguage::English);
    auto* paused = window_->findChild<QLabel*>(u"lblPaused"_qs);
    const HandView& hands = *ControlsOf(*window_).handView;
    PictureNameDialog name(PictureNameDialog::Purpose::FileName, window_.get());
    auto* cell = window_->View().ChartWindow().findChild<QToolButton*>(u"chartCell3"_qs);
    {
      const InterfaceLanguageScope korean(InterfaceLanguage::Korean);
      QCOMPARE(cell->accessibleName(), u"글자 3"_qs);
      QCOMPARE(QTextDocumentFragment::fromHtml(cell->toolTip()).toPlainText(), u"글자 3 재생"_qs);
      QCOMPARE(paused->text(), u"일시 정지됨"_qs);
      QCOMPARE(hands.accessibleName(), u"지문자를 하는 손"_qs);
      QCOMPARE(hands.accessibleDescription(), u"표시 중인 글자가 없습니다"_qs);
      QCOMPARE(name.findChild<QLineEdit*>(u"Text1"_qs)->placeholderText(), u"파일 이름"_qs);
      QCOMPARE(name.findChild<QPushButton*>(u"Command2"_qs)->text(), u"취소"_qs);
    }
    QCOMPARE(paused->text(), u"Paused"_qs);
  }
};

TOVARO_GUI_TEST(ViewAndChartTest);

#include "view_and_chart_test.moc"
