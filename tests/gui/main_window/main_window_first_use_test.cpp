#include "gui/main_window/main_window.h"

#include "gui/dialogs/file_dialog.h"
#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/modal_answer.h"

#include <QFontInfo>
#include <QtTest>

// What a new user meets first: the title, a missing table and a large interface font.
class MainWindowFirstUseTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  void aMissingTableWithTheDialogCancelledKeepsTheSystemThatWasShowing() {
    WriteFiles(InterfaceLanguage::English, SystemId::American);
    QVERIFY(QFile::remove(Dir() + "PositionBSL.csv"));
    MainWindow& window = StartWindow();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionASL.csv"));
    const SignTable asl = window.Table();
    const QString label = ControlsOf(window).systemLabel->text();

    AnswerNextModal<FileDialog>([](FileDialog& dialog) { Child<QPushButton>(dialog, "cmcancel")->click(); });
    const QStringList shown = MessagesDuring([&window] { window.Systems().ChooseSystem(SystemId::BritishTwoHanded); });
    QCOMPARE(shown.size(), 1);
    QCOMPARE(window.CurrentSettings().System, SystemId::American);
    QCOMPARE(ControlsOf(window).systemLabel->text(), label);
    QVERIFY(window.Table() == asl);
    QCOMPARE(window.Table().HandCount, int16_t{1});
    QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionASL.csv"));
    // A table that loads names itself in the title.
    window.Systems().ChooseSystem(SystemId::IndonesianTwoHanded);
    QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionINA.csv"));
  }

  void captionsInALargeFontFitTheirControls() {
    WriteTables();
    Settings large;
    large.Fonts[0].Size = 20;
    QVERIFY(WriteSettings(Dir() + kSettingsFileName, large));
    MainWindow& window = ShowWindow();
    const MainWindowControls ui = ControlsOf(window);
    for (QWidget* control : std::initializer_list<QWidget*>{
             ui.startButton, ui.speedLabel, ui.numericBox, ui.homeButton, ui.viewPointOptions[0],
             ui.viewPointOptions[1], ui.naturalHandsBox, ui.viewPointGroup}) {
      if (!control->isVisible()) continue;
      QVERIFY2(control->width() >= control->minimumSizeHint().width(),
               qPrintable(control->objectName()));
    }
    QWidget& panel = *ui.startButton->parentWidget();
    QVERIFY2(panel.width() >= panel.sizeHint().width(),
             qPrintable(QStringLiteral("%1 < %2").arg(panel.width()).arg(panel.sizeHint().width())));
    // The Windows serif of the default settings resolves to its metric twin.
    QCOMPARE(QFontInfo(QFont(QStringLiteral("Times New Roman"))).family(), QStringLiteral("Liberation Serif"));
  }
};

TOVARO_GUI_TEST(MainWindowFirstUseTest);

#include "main_window_first_use_test.moc"
