#include "gui/main_window/main_window.h"
#include "gui/practice/practice_window.h"
#include "gui/practice/progress_window.h"

#include "convert/system_registry.h"
#include "shell/caption_table.h"
#include "shell/progress_store.h"
#include "shell/spelled_signs.h"
#include "shell/start_flow.h"
#include "support/file_contents.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/window_texts.h"

#include <QAbstractAxis>
#include <QChartView>
#include <QGraphicsTextItem>
#include <QtTest>

// The progress window, opened from Tool → Progress and from the practice window, over
// a progress file the practice kept.
class ProgressWindowTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private:
  static int Code(const char* letter) {
    return SpelledSignsOf(FindSystem(SystemId::American), QString::fromLatin1(letter), 46)->front().Sign.Code;
  }

  // E read as S seven times and five pairs more, less often; two sessions, two reviews.
  void WriteProgress() {
    ProgressStore::Opened opened = ProgressStore::Open(Dir() + kProgressFileName);
    QVERIFY(opened.store);
    const QDateTime at(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC);
    const auto sign = [&](const char* letter, int tries, int right, std::vector<const char*> takenFor) {
      std::vector<int> codes;
      for (const char* other : takenFor) codes.push_back(Code(other));
      return SignProgressRecord{SystemId::American, Code(letter), tries, right, codes, at};
    };
    QVERIFY(opened.store->PutSigns({sign("E", 10, 3, {"S", "S", "S", "S", "S", "S", "S"}),
                                    sign("M", 8, 4, {"N", "N", "N", "A"}), sign("A", 12, 11, {"S"}),
                                    sign("N", 6, 3, {"M", "M"}), sign("T", 5, 5, {})}));
    QVERIFY(opened.store->AddSession({at, SystemId::American, 10, 6, 90}));
    QVERIFY(opened.store->AddSession({at.addDays(1), SystemId::American, 10, 8, 130}));
    QVERIFY(opened.store->PutReview({SystemId::American, u"same"_qs, 0, at, {}}));
    QVERIFY(opened.store->PutReview({SystemId::American, u"name"_qs, 1, at, {}}));
  }

  static ProgressWindow* Shown() {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* progress = qobject_cast<ProgressWindow*>(window); progress && progress->isVisible()) return progress;
    return nullptr;
  }

  static QStringList Column(QTableWidget& table, int column) {
    QStringList texts;
    for (int row = 0; row < table.rowCount(); ++row) texts << table.item(row, column)->text();
    return texts;
  }

  QStringList cutTexts_;

  static QStringList Items(QListWidget& list) {
    QStringList texts;
    for (int row = 0; row < list.count(); ++row) texts << list.item(row)->text();
    return texts;
  }

  // What the practice window, a word into the practice, and the progress window over
  // kept progress say, with the program started in `language`.
  QStringList PracticeTexts(InterfaceLanguage language) {
    TearDownProgram();
    SetUpProgram();
    WriteFiles(language, SystemId::American);
    WriteProgress();
    WriteFileContents(Dir() + u"ENGdefault.txt"_qs, "cat\r\n");
    MainWindow& main = ShowWindow();
    MenusOf(main).mnuQuiz->trigger();
    auto* practice = main.findChild<PracticeWindow*>(u"frmYesNo"_qs);
    if (!practice) return {};
    QTest::mouseClick(practice->findChild<QPushButton*>(u"btnStartPractice"_qs), Qt::LeftButton);
    PlayWordToEnd();
    QTest::mouseClick(practice->findChild<QPushButton*>(u"btnProgress"_qs), Qt::LeftButton);
    ProgressWindow* progress = Shown();
    if (!progress) return {};
    // What the charts of both windows cut to fit, once they are laid out as shown.
    for (QChartView* chart : practice->findChildren<QChartView*>()) {
      chart->grab();
      for (const QGraphicsItem* item : chart->scene()->items())
        if (const auto* text = qgraphicsitem_cast<const QGraphicsTextItem*>(item);
            text && text->isVisible() && text->toPlainText().endsWith(u"..."_qs))
          cutTexts_ << text->toPlainText();
    }
    return progress ? WindowTexts(*practice) + WindowTexts(*progress) : QStringList();
  }

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  // From the menu, in English and in Japanese: the signs weakest first in the chart's
  // table, the five most confused pairs, the speeds of the sessions and the reviews
  // waiting, with every control named; the window leaves the main window usable.
  void theMenuShowsTheSystemsProgress_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("pairs");
    QTest::addRow("English") << 0
                             << QStringList{u"E read as S, 7 times"_qs, u"M read as N, 3 times"_qs, u"N read as M, 2 times"_qs,
                                            u"A read as S, once"_qs, u"M read as A, once"_qs};
    QTest::addRow("Japanese") << 1
                              << QStringList{u"EをSと読んだ（7回）"_qs, u"MをNと読んだ（3回）"_qs, u"NをMと読んだ（2回）"_qs,
                                             u"AをSと読んだ（1回）"_qs, u"MをAと読んだ（1回）"_qs};
  }

  void theMenuShowsTheSystemsProgress() {
    QFETCH(int, language);
    QFETCH(QStringList, pairs);
    const InterfaceLanguage interface = *InterfaceLanguageFromNumber(language);
    WriteFiles(interface, SystemId::American);
    WriteProgress();
    MainWindow& main = ShowWindow();
    MenusOf(main).mnuProgress->trigger();
    ProgressWindow* window = Shown();
    QVERIFY(window);
    QCOMPARE(window->objectName(), u"frmProgress"_qs);
    QVERIFY(!window->isModal());
    const CaptionTable captions;
    QVERIFY(window->windowTitle().startsWith(captions.Caption(ProgressCaption, interface)));

    auto* accuracy = window->findChild<QTableWidget*>(u"tblSignAccuracy"_qs);
    QCOMPARE(Column(*accuracy, 0), (QStringList{u"E"_qs, u"M"_qs, u"N"_qs, u"A"_qs, u"T"_qs}));
    QCOMPARE(Column(*accuracy, 1), (QStringList{u"30"_qs, u"50"_qs, u"50"_qs, u"92"_qs, u"100"_qs}));
    QCOMPARE(accuracy->horizontalHeaderItem(1)->text(), captions.Caption(RightShareAxisCaption, interface));
    QCOMPARE(Items(*window->findChild<QListWidget*>(u"lstConfused"_qs)), pairs);
    QCOMPARE(Column(*window->findChild<QTableWidget*>(u"tblReadingSpeed"_qs), 2), (QStringList{u"90"_qs, u"130"_qs}));
    QCOMPARE(window->findChild<QLabel*>(u"lblReviews"_qs)->text(), captions.Caption(ReviewCountCaption, interface).arg(2));

    for (QWidget* control : window->findChildren<QWidget*>()) {
      if (control->objectName().isEmpty() || control->objectName().startsWith(u"qt_"_qs)) continue;
      QVERIFY2(!QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name).isEmpty(),
               qPrintable(control->objectName()));
    }
    // The charts hold the same numbers as their tables.
    auto* chart = window->findChild<QChartView*>(u"chtSignAccuracy"_qs);
    QCOMPARE(chart->accessibleName(), captions.Caption(SignAccuracyCaption, interface));
    QCOMPARE(chart->chart()->axes(Qt::Horizontal).front()->property("count").toInt(), 5);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  // The practice window's Progress button opens the window over the running practice,
  // as its child so the modal practice leaves it usable; with no progress kept the
  // window says so, and opening it makes no file.
  void theProgressButtonOpensItBesideThePractice() {
    WriteFiles(InterfaceLanguage::English, SystemId::American);
    QVERIFY(WriteFileContents(Dir() + u"ENGdefault.txt"_qs, "cat\r\n"));
    MainWindow& main = ShowWindow();
    MenusOf(main).mnuQuiz->trigger();
    auto* practice = main.findChild<PracticeWindow*>(u"frmYesNo"_qs);
    QVERIFY(practice && practice->isVisible());
    const bool kept = QFile::exists(Dir() + kProgressFileName);
    QTest::mouseClick(practice->findChild<QPushButton*>(u"btnProgress"_qs), Qt::LeftButton);
    ProgressWindow* window = Shown();
    QVERIFY(window);
    QCOMPARE(window->parentWidget(), practice);
    QCOMPARE(window->findChild<QLabel*>(u"lblProgressHeading"_qs)->text(), u"No progress yet"_qs);
    QCOMPARE(Items(*window->findChild<QListWidget*>(u"lstConfused"_qs)), QStringList{u"Nothing confused yet"_qs});
    QCOMPARE(window->findChild<QTableWidget*>(u"tblSignAccuracy"_qs)->rowCount(), 0);
    QCOMPARE(QFile::exists(Dir() + kProgressFileName), kept);
    QTest::mouseClick(window->findChild<QPushButton*>(u"btnClose"_qs), Qt::LeftButton);
    QVERIFY(!window->isVisible());
  }

  // In every interface language both windows show every caption the English ones do,
  // none of them left in English or cut short; an open practice window follows a switch of the
  // language at once.
  void bothWindowsSpeakEachInterfaceLanguage() {
    const QStringList english = PracticeTexts(InterfaceLanguage::English);
    QVERIFY(english.contains(u"Keep this speed"_qs));
    for (const InterfaceLanguage language :
         {InterfaceLanguage::Japanese, InterfaceLanguage::Korean, InterfaceLanguage::Indonesian}) {
      const QStringList translated = PracticeTexts(language);
      // The letters to drill are letters; the word's pace is the main window's status
      // line, which the practice borrows ("Status" is Indonesian too).
      const QStringList kept = english.filter(QRegularExpression(u"^([A-Z] )*[A-Z]$"_qs))
                               << PaceStatus(3, 3) << u"Status: "_qs + PaceStatus(3, 3);
      const QStringList left = EnglishLeft(english, translated, kept);
      QVERIFY2(left.isEmpty(), qPrintable(left.join(u" | ")));
      QCOMPARE(translated.size(), english.size());
    }
    QCOMPARE(cutTexts_, QStringList());

    PracticeTexts(InterfaceLanguage::English);
    auto* keepSpeed = window_->findChild<QCheckBox*>(u"chkKeepSpeed"_qs);
    {
      const InterfaceLanguageScope korean(InterfaceLanguage::Korean);
      QCOMPARE(keepSpeed->text(), u"이 속도 유지"_qs);
      QCOMPARE(keepSpeed->accessibleName(), keepSpeed->text());
    }
    QCOMPARE(keepSpeed->text(), u"Keep this speed"_qs);
  }
};

TOVARO_GUI_TEST(ProgressWindowTest);

#include "progress_window_test.moc"
