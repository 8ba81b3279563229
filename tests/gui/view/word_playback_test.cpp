#include "gui/main_window/main_window.h"

#include "gui/view/hand_view.h"
#include "gui/view/playback_bar.h"
#include "playback/playback_engine.h"
#include "playback/script_bounds.h"
#include "shell/caption_table.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"

#include <QLabel>
#include <QSlider>
#include <QStatusBar>
#include <QtTest>

// What a learner does to a word while it plays: pause, step, drag, stop, replay, and
// the letters under the picture.
class WordPlaybackTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private:
  void CopyShippedTables() {
    for (const char* name : {"PositionBSL.csv", "PositionINA.csv", "PositionASL.csv", "PositionJSL.csv", "PositionKSL.csv"})
      QVERIFY(QFile::copy(QStringLiteral(TOVARO_BUILD_DIR "/") + name, Dir() + name));
  }

  // "hello" in ASL at speed 100, started and paused at once.
  MainWindow& StartPausedHello() {
    CopyShippedTables();
    WriteSettingsFile(InterfaceLanguage::English, SystemId::American);
    MainWindow& window = ShowWindow();
    const MainWindowControls ui = ControlsOf(window);
    ui.readingBox->setText(QStringLiteral("hello"));
    ui.speedBox->setText(QStringLiteral("100"));
    ui.readingBox->setFocus();
    ui.startButton->click();
    QTest::keyClick(ui.readingBox, Qt::Key_Space);
    return window;
  }

  static PlaybackBar& Bar(MainWindow& window) { return *window.findChild<PlaybackBar*>("PlaybackBar"); }

  static std::array<float, 6> RightWrist(const MainWindow& window) {
    std::array<float, 6> wrist{};
    for (int i = 0; i < 6; ++i) wrist[static_cast<size_t>(i)] = window.Engine().Hands()[0].pose(i);
    return wrist;
  }

  // Whether the hands shown now lie inside the box the picture is framed on.
  static bool HandsInFraming(MainWindow& window) {
    const std::optional<Box>& framing = window.findChild<HandView*>(QStringLiteral("picSpace"))->Framing();
    const Box hands = HandsBounds(window.Engine().Hands().first(static_cast<size_t>(window.Engine().ShownHands())));
    return framing && !hands.IsEmpty() && framing->min.x <= hands.min.x && framing->min.y <= hands.min.y &&
           framing->min.z <= hands.min.z && framing->max.x >= hands.max.x && framing->max.y >= hands.max.y &&
           framing->max.z >= hands.max.z;
  }

  // What a screen reader reads of the letter strip, and of the picture.
  static QString Spoken(MainWindow& window) {
    return QAccessible::queryAccessibleInterface(window.findChild<QLabel*>(QStringLiteral("lblLetters")))
        ->text(QAccessible::Name);
  }
  static QString PictureDescription(MainWindow& window) {
    return QAccessible::queryAccessibleInterface(window.findChild<QWidget*>(QStringLiteral("picSpace")))
        ->text(QAccessible::Description);
  }

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  // Long captions at the largest interface font took all the bar's room from the
  // slider; the bar grows instead and the slider stays long enough to drag.
  void theSliderKeepsItsLengthBesideLongCaptionsAtALargeFont() {
    PlaybackBar bar;
    bar.SetCaptions(CaptionTable(), InterfaceLanguage::Indonesian);
    bar.SetInterfaceFont(QFont(QStringLiteral("DejaVu Sans"), 20, QFont::Bold));
    bar.resize(bar.minimumSizeHint());
    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QVERIFY(bar.findChild<QSlider*>(QStringLiteral("sldStep"))->width() >= 100);
  }

  void theArrowsAndTheSliderStepSpaceResumesEscapeRestsAndReplayPlaysAgain() {
    MainWindow& window = StartPausedHello();
    const MainWindowControls ui = ControlsOf(window);
    // The status line gives the pace the speed makes.
    QCOMPARE(window.statusBar()->currentMessage(),
             QStringLiteral("5 signs, %1 a second").arg(5 * 60.0 / window.PictureCount(), 0, 'f', 1));
    // Each step shows a sign complete, with its letter marked.
    QTest::keyClick(ui.readingBox, Qt::Key_Right);
    QCOMPARE(Bar(window).LettersText(), QStringLiteral("[h]ello"));
    QCOMPARE(RightWrist(window)[0], window.Table().Frame(8, 0).RightWristPos[0]);
    QCOMPARE(RightWrist(window)[2], window.Table().Frame(8, 0).RightWristPos[2]);
    QTest::keyClick(ui.readingBox, Qt::Key_Right);
    QCOMPARE(Bar(window).LettersText(), QStringLiteral("h[e]llo"));
    QTest::keyClick(ui.readingBox, Qt::Key_Right);
    QCOMPARE(Bar(window).LettersText(), QStringLiteral("he[l]lo"));
    const int thirdSign = window.CurrentPicture();
    const auto thirdPose = RightWrist(window);
    QTest::keyClick(ui.readingBox, Qt::Key_Right);
    QCOMPARE(Bar(window).LettersText(), QStringLiteral("hel[l]o"));
    QTest::keyClick(ui.readingBox, Qt::Key_Left);
    QCOMPARE(window.CurrentPicture(), thirdSign);
    QCOMPARE(Bar(window).LettersText(), QStringLiteral("he[l]lo"));
    QCOMPARE(Spoken(window), QStringLiteral("Letter being signed: he[l]lo"));
    QCOMPARE(PictureDescription(window), QStringLiteral("Signing \"l\""));
    // The keys acted on the word; none reached the box.
    QCOMPARE(ui.readingBox->text(), QStringLiteral("hello"));

    // The practice hides the letters; the check box too.
    window.SetPracticeRunning(true);
    QVERIFY(Bar(window).LettersText().isEmpty());
    QCOMPARE(Spoken(window), QStringLiteral("Letter being signed"));
    QCOMPARE(PictureDescription(window), QStringLiteral("No sign is being spelled"));
    window.SetPracticeRunning(false);
    QCOMPARE(Bar(window).LettersText(), QStringLiteral("he[l]lo"));

    // The slider shows the picture of its step (which picture that is, is the player's
    // own test).
    QSlider& slider = *Bar(window).Slider();
    QCOMPARE(slider.maximum(), window.PictureCount() - 1);
    // The picture was framed on the whole word as it started.
    for (int step : {window.PictureCount() / 2, 3, window.PictureCount() - 1, 0, window.PictureCount() / 3}) {
      slider.setValue(step);
      QVERIFY(window.IsPaused());
      QCOMPARE(window.CurrentPicture(), step);
      QVERIFY(HandsInFraming(window));
    }

    // Paused, the pose and the step hold, the bar says so; Space resumes.
    QVERIFY(window.IsSpelling());
    QVERIFY(window.IsPaused());
    QVERIFY(Bar(window).PausedShown());
    const int picture = window.CurrentPicture();
    const auto pose = RightWrist(window);
    QCOMPARE(Steps().Advance(10), 0);
    QCOMPARE(window.CurrentPicture(), picture);
    QCOMPARE(RightWrist(window), pose);
    QTest::keyClick(ui.readingBox, Qt::Key_Space);
    QVERIFY(!window.IsPaused());
    QVERIFY(!Bar(window).PausedShown());
    QCOMPARE(Steps().Advance(5), 5);
    QCOMPARE(window.CurrentPicture(), picture + 5);

    // Paused again, other keys wait for the word's end; Escape ends it at once and rests
    // the hands, and Replay plays it again.
    QTest::keyClick(ui.readingBox, Qt::Key_Space);
    QTest::keyClick(ui.readingBox, Qt::Key_End);
    QTest::keyClicks(ui.readingBox, QStringLiteral("x"));
    QCOMPARE(ui.readingBox->text(), QStringLiteral("hello"));
    QTest::keyClick(ui.readingBox, Qt::Key_Escape);
    QVERIFY(!window.IsSpelling());
    QVERIFY(Bar(window).LettersText().isEmpty());
    QCOMPARE(Spoken(window), QStringLiteral("Letter being signed"));
    QVERIFY(QAccessible::queryAccessibleInterface(window.findChild<QLabel*>(QStringLiteral("lblLetters")))
                ->text(QAccessible::Description)
                .isEmpty());
    QCOMPARE(RightWrist(window)[0], window.Table().Frame(0, 0).RightWristPos[0]);
    QVERIFY(HandsInFraming(window));  // the word's fit stays with the hands at rest
    // The Natural hands are fitted again with their forearms, and so take more room.
    const Box classic = *window.findChild<HandView*>(QStringLiteral("picSpace"))->Framing();
    ui.naturalHandsBox->click();
    const Box natural = *window.findChild<HandView*>(QStringLiteral("picSpace"))->Framing();
    QVERIFY(natural.min.z < classic.min.z);
    ui.naturalHandsBox->click();
    QTRY_COMPARE(ui.readingBox->text(), QStringLiteral("hellox"));

    // Replay also starts a paused word over.
    Bar(window).ReplayButton()->click();
    QVERIFY(window.IsSpelling());
    QTest::keyClick(ui.readingBox, Qt::Key_Space);
    QVERIFY(Bar(window).ReplayButton()->isEnabled());
    Bar(window).ReplayButton()->click();
    QVERIFY(!window.IsPaused());
    QVERIFY(!Bar(window).PausedShown());
    QVERIFY(!Bar(window).ReplayButton()->isEnabled());
    QCOMPARE(window.CurrentPicture(), -1);

    // Once the word has ended the slider still shows its steps, paused.
    PlayWordToEnd();
    QVERIFY(!window.IsSpelling());
    slider.setValue(thirdSign);
    QVERIFY(window.IsPaused());
    QCOMPARE(window.CurrentPicture(), thirdSign);
    QCOMPARE(Bar(window).LettersText(), QStringLiteral("he[l]lo"));
    QCOMPARE(RightWrist(window), thirdPose);
    const int pictures = window.PictureCount();
    QTest::keyClick(ui.readingBox, Qt::Key_Escape);

    // Slow motion stretches every movement of the next word played.
    window.findChild<QAction*>(QStringLiteral("mnuSlow25"))->trigger();
    Bar(window).ReplayButton()->click();
    QVERIFY(window.PictureCount() > 3 * pictures);
    QTest::keyClick(ui.readingBox, Qt::Key_Escape);
    QVERIFY(!window.IsSpelling());
  }

  // A Hangul syllable is signed letter by letter, and a number digit by digit: the
  // strip marks the syllable and its jamo, or the digit, the picture names the sign.
  void theStripMarksTheJamoInsideItsSyllableAndTheDigitOfANumber() {
    CopyShippedTables();
    WriteSettingsFile(InterfaceLanguage::English, SystemId::KoreanHangul);
    MainWindow& window = ShowWindow();
    const MainWindowControls ui = ControlsOf(window);
    ui.readingBox->setText(QStringLiteral("안녕"));
    ui.readingBox->setFocus();
    ui.startButton->click();
    QTest::keyClick(ui.readingBox, Qt::Key_Space);
    QStringList seen;
    for (int sign = 0; sign < 6; ++sign) {
      QTest::keyClick(ui.readingBox, Qt::Key_Right);
      seen << Bar(window).LettersText();
    }
    QCOMPARE(seen.join(u'|'), QStringLiteral("[안]녕 [ㅇ]ㅏㄴ|[안]녕 ㅇ[ㅏ]ㄴ|[안]녕 ㅇㅏ[ㄴ]|안[녕] [ㄴ]ㅕㅇ|안[녕] ㄴ[ㅕ]ㅇ|안[녕] ㄴㅕ[ㅇ]"));
    QCOMPARE(PictureDescription(window), QStringLiteral("Signing \"ㅇ\""));
    QTest::keyClick(ui.readingBox, Qt::Key_Escape);

    ui.numericBox->click();
    ui.readingBox->setText(QStringLiteral("1984"));
    ui.startButton->click();
    QTest::keyClick(ui.readingBox, Qt::Key_Space);
    seen.clear();
    for (int sign = 0; sign < 4; ++sign) {
      QTest::keyClick(ui.readingBox, Qt::Key_Right);
      seen << Bar(window).LettersText();
    }
    QCOMPARE(seen.join(u'|'), QStringLiteral("[1]984|1[9]84|19[8]4|198[4]"));
  }
};

TOVARO_GUI_TEST(WordPlaybackTest);

#include "word_playback_test.moc"
