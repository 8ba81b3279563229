#include "gui/main_window/main_window.h"
#include "gui/practice/practice_chart.h"
#include "gui/practice/practice_window.h"

#include "convert/sign_class.h"
#include "shell/practice_history.h"
#include "shell/progress_store.h"
#include "support/fifo_trap.h"
#include "support/file_contents.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/modal_answer.h"

#include <QScreen>
#include <QtTest>

#include <sys/stat.h>

// The practice run from the Practice menu on the main window.
class PracticeTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private:
  PracticeWindow* Window(MainWindow& main) { return main.findChild<PracticeWindow*>(u"frmYesNo"_qs); }

  template <typename Control>
  Control* Find(MainWindow& main, const char* name) {
    return Window(main)->findChild<Control*>(QString::fromLatin1(name));
  }

  // What a screen reader reads of a control: its name, or all it can read of its text.
  static QString Spoken(QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
  }
  static QString Readable(QWidget* control) {
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(control);
    QAccessibleTextInterface* text = reader->textInterface();
    return reader->text(QAccessible::Value) + (text ? text->text(0, text->characterCount()) : QString());
  }

  MainWindow& StartWithList(const QByteArray& list) {
    WriteFiles(InterfaceLanguage::English, SystemId::American);
    WriteFileContents(Dir() + u"ENGdefault.txt"_qs, list);
    MainWindow& main = StartWindow();
    main.show();
    return main;
  }

  // The practice of "cat" and "dog" (or another list) started, its first word played.
  MainWindow& StartPractice(bool typedAnswers = false, const QByteArray& list = "cat\r\ndog\r\n") {
    MainWindow& main = StartWithList(list);
    MenusOf(main).mnuQuiz->trigger();
    Find<QCheckBox>(main, "chkTypedAnswer")->setChecked(typedAnswers);
    QTest::mouseClick(Find<QPushButton>(main, "btnStartPractice"), Qt::LeftButton);
    PlayWordToEnd();
    return main;
  }

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  void TheAnswerShowsOnlyWhileHeldAndEndRestoresTheBoxes() {
    MainWindow& main = StartWithList("cat\r\n");
    const MainWindowControls ui = ControlsOf(main);
    MenusOf(main).mnuQuiz->trigger();
    QVERIFY(Window(main)->isVisible());
    QVERIFY(!ui.readingBox->isVisible());
    // Its long reading-speed line wraps, so beside a main window of its first size the
    // window stays on the screen.
    QVERIFY(main.screen()->availableGeometry().contains(Window(main)->frameGeometry()));
    // Nothing is spelled before Start, so the options can be set first.
    QCOMPARE(main.Signs().LastText(), QString());
    QVERIFY(!Find<QPushButton>(main, "Yes")->isEnabled());
    QTest::mouseClick(Find<QPushButton>(main, "btnStartPractice"), Qt::LeftButton);
    QVERIFY(!Find<QPushButton>(main, "btnStartPractice")->isVisible());
    QVERIFY(Find<QPushButton>(main, "Yes")->isEnabled());
    QVERIFY(!ui.readingLabel->isVisible());  // no caption over the hidden box
    QCOMPARE(main.Signs().LastText(), u"cat"_qs);
    // The status gives the pace of the word, beside the speed in percent.
    QVERIFY2(Find<QLabel>(main, "Label1")->text().startsWith(u"3 signs, "_qs), qPrintable(Find<QLabel>(main, "Label1")->text()));
    PlayWordToEnd();
    QCOMPARE(ui.readingBox->text(), u"cat"_qs);
    // Hidden boxes give the answer to no one.
    for (QLineEdit* box : {ui.wordBox, ui.readingBox}) QVERIFY2(!Readable(box).contains(u"cat"_qs), qPrintable(Readable(box)));

    auto* answer = Find<QPushButton>(main, "Answer");
    QTest::mousePress(answer, Qt::LeftButton);
    QVERIFY(ui.readingBox->isVisible());
    QVERIFY(Readable(ui.readingBox).contains(u"cat"_qs));
    QVERIFY(ui.readingLabel->isVisible());
    QVERIFY(!ui.wordBox->isVisible());
    QTest::mouseRelease(answer, Qt::LeftButton);
    QVERIFY(!ui.readingBox->isVisible());

    // Closing by the frame is End; the main window takes the practice's speed only
    // when it is kept.
    Find<QLineEdit>(main, "Text1")->setText(u"150"_qs);
    Find<QCheckBox>(main, "chkKeepSpeed")->setChecked(true);
    Window(main)->close();
    QVERIFY(!Window(main)->isVisible());
    QVERIFY(ui.readingBox->isVisible());
    QCOMPARE(ui.readingBox->text(), QString());
    QCOMPARE(ui.speedBox->text(), u"150"_qs);
  }

  void TypedAnswersAreScoredAndTheSessionIsRecorded() {
    MainWindow& main = StartPractice(true);
    Find<QCheckBox>(main, "chkAdaptSpeed")->setChecked(true);
    auto* answer = Find<QLineEdit>(main, "txtAnswer");
    const QString word = main.Signs().LastText();
    answer->setText(u" "_qs + word.toUpper());
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(Find<QLabel>(main, "lblResult")->text(), u"\u2714 "_qs + word);
    QCOMPARE(Find<QLabel>(main, "lblScore")->text(), u"Right 1 / 1, streak 1"_qs);
    QCOMPARE(Spoken(Find<QLabel>(main, "lblResult")), u"Result: \u2714 "_qs + word);
    QCOMPARE(Spoken(Find<QLabel>(main, "lblScore")), u"Score: Right 1 / 1, streak 1"_qs);
    QCOMPARE(Find<QLineEdit>(main, "Text1")->text(), u"110"_qs);
    // The running session is the chart's newest bar.
    auto* chart = Window(main)->findChild<PracticeChart*>(u"PracticeChart"_qs);
    QCOMPARE(chart->Sessions().size(), size_t(1));
    QCOMPARE(chart->Sessions().back().Asked, 1);
    QCOMPARE(chart->Sessions().back().Right, 1);

    // What is typed in the pause after a result is for no word: Enter goes on at once.
    answer->setText(u"dog"_qs);
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(answer->text(), QString());
    QCOMPARE(Find<QLabel>(main, "lblScore")->text(), u"Right 1 / 1, streak 1"_qs);
    PlayWordToEnd();
    QCOMPARE(Spoken(Find<QLabel>(main, "lblResult")), u"Result"_qs);
    const QString second = main.Signs().LastText();
    answer->setText(u"zebra"_qs);
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(Find<QLabel>(main, "lblResult")->text(),
             u"\u2718 It was \"%1\"; you typed \"zebra\""_qs.arg(second));
    QCOMPARE(Find<QLabel>(main, "lblScore")->text(), u"Right 1 / 2, streak 0"_qs);
    QCOMPARE(Find<QLineEdit>(main, "Text1")->text(), u"99"_qs);
    QCOMPARE(chart->Sessions().back().Asked, 2);

    // Repeat does not score twice.
    QTest::mouseClick(Find<QPushButton>(main, "Repeat"), Qt::LeftButton);
    PlayWordToEnd();
    answer->setText(second);
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(Find<QLabel>(main, "lblScore")->text(), u"Right 1 / 2, streak 0"_qs);

    QTest::mouseClick(Find<QPushButton>(main, "No"), Qt::LeftButton);
    const std::vector<PracticeSessionRecord> history = ReadPracticeHistory(Dir() + kPracticeHistoryFileName).Records;
    QCOMPARE(history.size(), size_t(1));
    QCOMPARE(history[0].System, SystemId::American);
    QCOMPARE(history[0].Asked, 2);
    QCOMPARE(history[0].Right, 1);
    // The adapted speed was not kept: the main window's stays.
    QCOMPARE(ControlsOf(main).speedBox->text(), u"100"_qs);
    // The options are kept for the next start.
    QVERIFY(main.CurrentSettings().PracticeTypedAnswer);
    QVERIFY(main.CurrentSettings().PracticeAdaptSpeed);
  }

  // The answers, the missed word and the session outlive the program: a new main
  // window on the same folder finds them in the progress file, which took the older
  // history in once and left it in place.
  void ThePracticeIsKeptInTheProgressFileAcrossARestart() {
    const PracticeSessionRecord older{QDateTime(QDate(2026, 1, 5), QTime(9, 0), Qt::UTC), SystemId::American, 4, 3, 100};
    QVERIFY(AppendPracticeRecord(Dir() + kPracticeHistoryFileName, older));
    // Six words, so the missed one coming first is no chance.
    MainWindow& main = StartPractice(true, "cat\r\ndog\r\nemu\r\nfox\r\ngnu\r\nyak\r\n");
    auto* readingSpeed = Find<QLabel>(main, "lblReadingSpeed");
    QVERIFY2(readingSpeed->text().startsWith(u"This word "_qs) && readingSpeed->text().contains(u" letters/s at 100 %"_qs),
             qPrintable(readingSpeed->text()));
    QCOMPARE(Spoken(readingSpeed), u"Reading speed: "_qs + readingSpeed->text());
    auto* answer = Find<QLineEdit>(main, "txtAnswer");
    const QString missed = main.Signs().LastText();
    answer->setText(u"zebra"_qs);
    QTest::keyClick(answer, Qt::Key_Return);
    QTest::mouseClick(Find<QPushButton>(main, "Yes"), Qt::LeftButton);
    PlayWordToEnd();
    const QString read = main.Signs().LastText();
    QVERIFY(read != missed);
    answer->setText(read);
    QTest::keyClick(answer, Qt::Key_Return);
    QVERIFY2(readingSpeed->text().contains(u"you read "_qs) || readingSpeed->text().contains(u"not known yet"_qs),
             qPrintable(readingSpeed->text()));
    QTest::mouseClick(Find<QPushButton>(main, "No"), Qt::LeftButton);
    window_.reset();

    MainWindow& again = StartWindow();
    again.show();
    {
      ProgressStore::Opened opened = ProgressStore::Open(Dir() + kProgressFileName);
      QVERIFY(opened.store);
      const std::vector<PracticeAnswerRecord> answers = opened.store->Answers();
      QCOMPARE(answers.size(), size_t(2));
      QCOMPARE(answers[0].Word, missed);
      QCOMPARE(answers[0].Typed, u"zebra"_qs);
      QVERIFY(!answers[0].Right);
      QCOMPARE(answers[1].Word, read);
      QVERIFY(answers[1].Right && answers[1].Pace > 0.0);
      QCOMPARE(opened.store->Sessions().size(), size_t(2));
      QCOMPARE(opened.store->Reviews(SystemId::American).size(), size_t(1));
      QVERIFY(!opened.store->Signs(SystemId::American).empty());
    }
    QVERIFY(QFileInfo::exists(Dir() + kPracticeHistoryFileName));
    MenusOf(again).mnuQuiz->trigger();
    auto* chart = Window(again)->findChild<PracticeChart*>(u"PracticeChart"_qs);
    QCOMPARE(chart->Sessions().size(), size_t(2));
    QCOMPARE(chart->Sessions().front(), older);
    Find<QCheckBox>(again, "chkTypedAnswer")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>(again, "btnStartPractice"), Qt::LeftButton);
    // The word missed comes back first.
    QCOMPARE(again.Signs().LastText(), missed);
    PlayWordToEnd();
    QTest::mouseClick(Find<QPushButton>(again, "No"), Qt::LeftButton);
  }

  // A progress file that cannot be read is set aside, said so, and the practice runs.
  void AnUnreadableProgressFileIsToldAndThePracticeRuns() {
    MainWindow& main = StartWithList("cat\r\n");
    WriteFileContents(Dir() + kProgressFileName, "not a database");
    const QStringList told = MessagesDuring([&main] { MenusOf(main).mnuQuiz->trigger(); });
    QCOMPARE(told.size(), 1);
    QVERIFY2(told[0].contains(u"could not be read"_qs), qPrintable(told[0]));
    QVERIFY(Window(main)->isVisible());
    QTest::mouseClick(Find<QPushButton>(main, "btnStartPractice"), Qt::LeftButton);
    QCOMPARE(main.Signs().LastText(), u"cat"_qs);
    PlayWordToEnd();
    QTest::mouseClick(Find<QPushButton>(main, "No"), Qt::LeftButton);
  }

  // Text that looks like markup is shown as it is written, and what it names is not
  // fetched (a FIFO would hang the window): a list entry, which cannot be spelled and is
  // told of when the practice starts, and a typed answer, which the result repeats.
  void MarkupInAListOrAnAnswerIsShownAsText() {
    QTemporaryDir folder;
    const QString pipe = folder.filePath(u"x.png"_qs);
    FifoTrap trap(pipe);
    QVERIFY(trap.IsSet());
    const QString markup = u"<img src="_qs + pipe + u">cat"_qs;
    const auto told = AnswerNextMessageBox();
    MainWindow& main = StartPractice(true, "cat\r\n" + markup.toUtf8() + "\r\n");
    QVERIFY(told->Shown);
    QCOMPARE(told->Text, u"1 word(s) of the list cannot be spelled and are never asked:\n\""_qs + markup + u'"');
    QCOMPARE(main.Signs().LastText(), u"cat"_qs);
    auto* answer = Find<QLineEdit>(main, "txtAnswer");
    answer->setText(markup);
    QTest::keyClick(answer, Qt::Key_Return);
    QLabel* result = Find<QLabel>(main, "lblResult");
    QVERIFY(result->text().contains(markup));
    result->grab();
    QVERIFY(!trap.Opened());
  }

  void AWrongAnswerNamesTheLettersMisread() {
    MainWindow& main = StartPractice(true);
    auto* answer = Find<QLineEdit>(main, "txtAnswer");
    const QString word = main.Signs().LastText();  // "cat" or "dog"
    const QString typed = word.left(1) + u'u' + word.mid(2);
    answer->setText(typed);
    QTest::keyClick(answer, Qt::Key_Return);
    const QString result =
        u"\u2718 It was \"%1\"; you typed \"%2\"\nYou read U for %3"_qs.arg(word, typed, word.mid(1, 1).toUpper());
    QCOMPARE(Find<QLabel>(main, "lblResult")->text(), result);
    QCOMPARE(Spoken(Find<QLabel>(main, "lblResult")), u"Result: "_qs + result);
    // The sign shown and the one read, side by side, each named; gone with the next word.
    QVERIFY(Window(main)->SignPairShown());
    const QLabel* shownSign = Window(main)->findChild<QLabel*>(u"picShownSign"_qs);
    const QLabel* readSign = Window(main)->findChild<QLabel*>(u"picReadSign"_qs);
    QVERIFY(!shownSign->pixmap().isNull() && !readSign->pixmap().isNull());
    QVERIFY(shownSign->pixmap().toImage() != readSign->pixmap().toImage());
    QCOMPARE(Spoken(const_cast<QLabel*>(shownSign)), u"Sign shown: "_qs + word.mid(1, 1).toUpper());
    QCOMPARE(Spoken(const_cast<QLabel*>(readSign)), u"Sign you read: U"_qs);
    QTest::mouseClick(Find<QPushButton>(main, "Yes"), Qt::LeftButton);
    QVERIFY(!Window(main)->SignPairShown());
  }

  // A history that is no regular file (a FIFO would block the start for ever, /dev/zero
  // would never end) is refused when the practice starts, told once, and the practice
  // runs and ends without touching it.
  void AHistoryThatIsNotARegularFileIsToldOnceAndThePracticeRuns_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("FIFO") << u"fifo"_qs;
    QTest::newRow("/dev/zero") << u"zero"_qs;
    QTest::newRow("folder") << u"folder"_qs;
  }
  void AHistoryThatIsNotARegularFileIsToldOnceAndThePracticeRuns() {
    QFETCH(QString, kind);
    const QString history = Dir() + kPracticeHistoryFileName;
    if (kind == u"fifo"_qs) QCOMPARE(::mkfifo(QFile::encodeName(history).constData(), 0600), 0);
    if (kind == u"zero"_qs) QVERIFY(QFile::link(u"/dev/zero"_qs, history));
    if (kind == u"folder"_qs) QVERIFY(QDir(Dir()).mkdir(kPracticeHistoryFileName));
    MainWindow& main = StartWithList("cat\r\n");
    const QStringList told = MessagesDuring([&main] { MenusOf(main).mnuQuiz->trigger(); });
    QCOMPARE(told, QStringList{u"The practice history is not a regular file: "_qs + history});
    Find<QCheckBox>(main, "chkTypedAnswer")->setChecked(true);
    QTest::mouseClick(Find<QPushButton>(main, "btnStartPractice"), Qt::LeftButton);
    QCOMPARE(main.Signs().LastText(), u"cat"_qs);
    PlayWordToEnd();
    auto* answer = Find<QLineEdit>(main, "txtAnswer");
    answer->setText(main.Signs().LastText());
    QTest::keyClick(answer, Qt::Key_Return);
    QCOMPARE(Find<QLabel>(main, "lblScore")->text(), u"Right 1 / 1, streak 1"_qs);
    const QStringList atEnd = MessagesDuring([&] { QTest::mouseClick(Find<QPushButton>(main, "No"), Qt::LeftButton); });
    QCOMPARE(atEnd, QStringList{});
    QVERIFY(!QFileInfo(history).isFile());
  }

  void ASpeedChangedInTheWindowIsUsedAndAnInvalidOneEndsThePractice() {
    MainWindow& main = StartPractice();
    const QString first = main.Signs().LastText();
    QTest::mouseClick(Find<QPushButton>(main, "Repeat"), Qt::LeftButton);
    QCOMPARE(main.Signs().LastText(), first);
    PlayWordToEnd();
    // Continue after Repeat picks anew, never the same word twice in a row, at the
    // speed set in the window.
    Find<QLineEdit>(main, "Text1")->setText(u"250"_qs);
    QTest::mouseClick(Find<QPushButton>(main, "Yes"), Qt::LeftButton);
    QVERIFY(main.Signs().LastText() != first);
    QCOMPARE(ControlsOf(main).speedBox->text(), u"250"_qs);
    QCOMPARE(main.Signs().Delay(), int16_t(4000 / 250));
    PlayWordToEnd();

    Find<QLineEdit>(main, "Text1")->setText(u"0"_qs);
    const QStringList messages =
        MessagesDuring([&] { QTest::mouseClick(Find<QPushButton>(main, "Yes"), Qt::LeftButton); });
    QCOMPARE(messages, QStringList{u"Invalid speed value!"_qs});
    QVERIFY(!Window(main)->isVisible());
    QVERIFY(ControlsOf(main).readingBox->isVisible());
    QCOMPARE(ControlsOf(main).speedBox->text(), u"100"_qs);
  }

  void AnEmptyOrMissingListDoesNotStart() {
    MainWindow& main = StartWithList("");
    QStringList messages = MessagesDuring([&main] { MenusOf(main).mnuQuiz->trigger(); });
    QCOMPARE(messages, QStringList{u"The word list is empty"_qs});
    QVERIFY(!Window(main)->isVisible());
    QVERIFY(ControlsOf(main).readingBox->isVisible());

    QFile::remove(Dir() + u"ENGdefault.txt"_qs);
    messages = MessagesDuring([&main] { MenusOf(main).mnuQuiz->trigger(); });
    QCOMPARE(messages, QStringList{u"The word list could not be read: "_qs + Dir() +
                                   u"ENGdefault.txt: the file does not exist"_qs});
    QVERIFY(ControlsOf(main).readingBox->isVisible());
  }

  void TheNumeralsPractiseNumbers() {
    WriteFiles(InterfaceLanguage::Japanese, SystemId::JapaneseKana);
    MainWindow& main = StartWindow();
    main.show();
    ControlsOf(main).numericBox->click();
    QVERIFY(main.Systems().NumericMode());
    MenusOf(main).mnuQuiz->trigger();
    QTest::mouseClick(Find<QPushButton>(main, "btnStartPractice"), Qt::LeftButton);
    PlayWordToEnd();
    const QString spelled = main.Signs().LastText();
    QVERIFY2(QRegularExpression(u"^[0-9]{1,5}$"_qs).match(spelled).hasMatch(), qPrintable(spelled));
    QCOMPARE(ControlsOf(main).readingBox->text(), spelled);
    auto* readingSpeed = Find<QLabel>(main, "lblReadingSpeed");
    QVERIFY2(readingSpeed->text().startsWith(u"この単語は毎秒 "_qs), qPrintable(readingSpeed->text()));
    QCOMPARE(Spoken(readingSpeed), u"読み取り速度: "_qs + readingSpeed->text());
    QTest::mouseClick(Find<QPushButton>(main, "No"), Qt::LeftButton);
    QVERIFY(ControlsOf(main).readingBox->isVisible());
  }
};
TOVARO_GUI_TEST(PracticeTest);

#include "practice_test.moc"
