#include "gui/main_window.h"

#include "gui/desktop_program.h"
#include "gui/font_dialog.h"
#include "gui/language_dialog.h"
#include "shell/settings_file.h"
#include "gui/system_choice_dialog.h"
#include "support/file_contents.h"
#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/modal_answer.h"
#include "gui/about_dialog.h"
#include "gui/clickable_label.h"
#include "gui/practice_window.h"
#include "shell/answer_check.h"
#include "shell/caption_table.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include <algorithm>

class MainWindowLanguageTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  // Which note each locale marks is the language window's own test; here the system's
  // locale reaches it at start-up and the choice is kept.
  void theFirstRunAsksWithAPreselectionFromTheSystem_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("preselected");
    QTest::newRow("Japanese") << "ja_JP" << 1;
    QTest::newRow("French") << "fr_FR" << 0;
  }

  void theFirstRunAsksWithAPreselectionFromTheSystem() {
    QFETCH(QString, locale);
    QFETCH(int, preselected);
    WriteFiles(-1, 0);

    int shownOption = -1;
    AnswerNextModal<LanguageDialog>([&](LanguageDialog& language) {
      shownOption = Child<QRadioButton>(language, "OptionButton1_1")->isChecked() ? 1 : 0;
      Child<QPushButton>(language, "Command1")->click();
    });
    MainWindow& window = StartWindow(locale);
    QVERIFY(started_);
    QCOMPARE(shownOption, preselected);
    QCOMPARE(window_->CurrentSettings().InterfaceLanguage, int16_t(preselected));
    QCOMPARE(ControlsOf(window).startButton->text(),
             preselected == 1 ? QStringLiteral("スタート") : QStringLiteral("Start"));

    // The choice is kept, so the next start does not ask.
    window.close();
    QVERIFY(FileContents(Dir() + kSettingsFileName)
                .startsWith(preselected == 1 ? "Message, 1 \r\n" : "Message, 0 \r\n"));
  }

  void cancellingTheFirstRunEndsTheProgram() {
    WriteFiles(-1, 0);
    const QByteArray before = FileContents(Dir() + kSettingsFileName);

    AnswerNextModal<LanguageDialog>([](LanguageDialog& language) { Child<QPushButton>(language, "Command2")->click(); });
    MainWindow& window = StartWindow(QStringLiteral("ja_JP"));
    QVERIFY(!started_);
    QVERIFY(!window.isVisible());
    QCOMPARE(window_->CurrentSettings().InterfaceLanguage, int16_t{-1});
    window_.reset();

    // The program itself ends there, without showing its window or writing the settings,
    // so the next start asks again.
    bool shown = false;
    AnswerNextModal<LanguageDialog>([](LanguageDialog& language) { QTest::keyClick(&language, Qt::Key_Escape); });
    const int exitCode = RunDesktopProgram(Dir(), [&shown](MainWindow& program) {
      shown = true;
      program.close();
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    });
    QVERIFY(!shown);
    QCOMPARE(exitCode, 0);
    QCOMPARE(FileContents(Dir() + kSettingsFileName), before);
  }

  void theJapaneseInterfaceCaptionsTheMainWindowAndTheSystemChoice() {
    WriteFiles(1, 4);
    MainWindow& window = StartWindow();
    QVERIFY(started_);
    const MainWindowMenus menus = MenusOf(window);
    QCOMPARE(menus.FileMenus->title(), QStringLiteral("ファイル"));
    QCOMPARE(menus.mnuOpen->text(), QStringLiteral("Open"));
    QCOMPARE(menus.mnuExit->text(), QStringLiteral("終了"));
    QCOMPARE(menus.ToolMenus->title(), QStringLiteral("ツール"));
    QCOMPARE(menus.mnuOption->text(), QStringLiteral("指文字言語選択"));
    QCOMPARE(menus.mnuList->text(), QStringLiteral("単語リスト"));
    QCOMPARE(menus.mnuQuiz->text(), QStringLiteral("練習"));
    QCOMPARE(menus.mnuLang->text(), QStringLiteral("Language Option"));
    QCOMPARE(menus.mnuFont->text(), QStringLiteral("Font Selection"));
    QCOMPARE(menus.HelpMenus->title(), QStringLiteral("ヘルプ"));
    QCOMPARE(menus.mnuAbout->text(), QStringLiteral("バージョン情報"));
    QCOMPARE(menus.mnuIndonesianHelp->text(), QStringLiteral("インドネシア語"));

    const MainWindowControls ui = ControlsOf(window);
    QCOMPARE(ui.viewPointGroup->title(), QStringLiteral("View Point"));  // row 10 has no Japanese
    QCOMPARE(ui.homeButton->text(), QStringLiteral("ホーム"));
    QCOMPARE(ui.startButton->text(), QStringLiteral("スタート"));
    QCOMPARE(ui.viewPointOptions[0]->text(), QStringLiteral("読み手"));
    QCOMPARE(ui.viewPointOptions[1]->text(), QStringLiteral("自分"));
    QCOMPARE(ui.speedLabel->text(), QStringLiteral("速度"));
    QCOMPARE(ui.percentLabel->text(), QStringLiteral("%"));
    QCOMPARE(ui.numericBox->text(), QStringLiteral("数字"));
    QCOMPARE(ui.wordLabel->text(), QStringLiteral("単語"));
    QCOMPARE(ui.readingLabel->text(), QStringLiteral("振り仮名"));
    QCOMPARE(ui.systemLabel->text(), QStringLiteral("日本手話 (JSL)"));
    for (QWidget* control : std::initializer_list<QWidget*>{ui.startButton, ui.viewPointGroup, ui.speedLabel})
      QCOMPARE(control->font(), window.FontObjects()[1]);

    // The system choice, shown from the menu, in Japanese and in the interface font.
    QStringList options;
    AnswerNextModal<SystemChoiceDialog>([&options](SystemChoiceDialog& choice) {
      for (QRadioButton* option : Children<QRadioButton, 6>(choice, "Option1")) options << option->text();
      Child<QPushButton>(choice, "cmdOK")->click();
    });
    menus.mnuOption->trigger();
    QCOMPARE(options, (QStringList{"イギリス手話 (BSL)", "インドネシア指文字", "アメリカ手話 (ASL)",
                                   "派生 ASL アルファベット", "日本手話 (JSL)", "韓国手話 (KSL)"}));
    QCOMPARE(Child<QPushButton>(window.OptionWindow(), "cmdOK")->font(), window.FontObjects()[1]);
  }

  void languageOptionRecaptionsEveryWindowAndReloadsTheSystem() {
    WriteFiles(0, 4);
    MainWindow& window = StartWindow(QStringLiteral("ja_JP"));
    SystemChoiceDialog& choice = window.OptionWindow();  // a window that already exists follows too
    QCOMPARE(Child<QRadioButton>(choice, "Option1_4")->text(), QStringLiteral("Japanese Sign Language (JSL)"));
    QCOMPARE(ControlsOf(window).readingLabel->text(), QStringLiteral("Katakana"));

    // A table with fewer signs beside the program tells a reload apart.
    QVERIFY(WriteAngleTable(Dir() + "PositionJSL.csv", 1, 50));
    int shownOption = -1;
    AnswerNextModal<LanguageDialog>([&](LanguageDialog& language) {
      shownOption = Child<QRadioButton>(language, "OptionButton1_1")->isChecked() ? 1 : 0;
      QTest::mouseClick(Child<QRadioButton>(language, "OptionButton1_1"), Qt::LeftButton);
      Child<QPushButton>(language, "Command1")->click();
    });
    MenusOf(window).mnuLang->trigger();
    QCOMPARE(shownOption, 0);  // the current language, not the system's
    QCOMPARE(window_->CurrentSettings().InterfaceLanguage, int16_t{1});
    QCOMPARE(ControlsOf(window).startButton->text(), QStringLiteral("スタート"));
    QCOMPARE(MenusOf(window).ToolMenus->title(), QStringLiteral("ツール"));
    QCOMPARE(ControlsOf(window).startButton->font(), window.FontObjects()[1]);
    QCOMPARE(Child<QRadioButton>(choice, "Option1_4")->text(), QStringLiteral("日本手話 (JSL)"));
    QCOMPARE(Child<QPushButton>(choice, "cmdOK")->font(), window.FontObjects()[1]);
    // The system was laid out and loaded again for the new language.
    QCOMPARE(ControlsOf(window).readingLabel->text(), QStringLiteral("振り仮名"));
    QCOMPARE(ControlsOf(window).systemLabel->text(), QStringLiteral("日本手話 (JSL)"));
    QCOMPARE(window_->Table().SignCount, int16_t{51});

    // Cancel keeps the language and reloads nothing.
    QVERIFY(WriteAngleTable(Dir() + "PositionJSL.csv", 1, 40));
    AnswerNextModal<LanguageDialog>([](LanguageDialog& language) {
      Child<QRadioButton>(language, "OptionButton1_0")->click();
      Child<QPushButton>(language, "Command2")->click();
    });
    MenusOf(window).mnuLang->trigger();
    QCOMPARE(window_->CurrentSettings().InterfaceLanguage, int16_t{1});
    QCOMPARE(ControlsOf(window).startButton->text(), QStringLiteral("スタート"));
    QCOMPARE(window_->Table().SignCount, int16_t{51});

    // After a Cancel, OK on the offered language keeps it rather than cancelling.
    AnswerNextModal<LanguageDialog>([](LanguageDialog& language) { Child<QPushButton>(language, "Command1")->click(); });
    MenusOf(window).mnuLang->trigger();
    QCOMPARE(window_->CurrentSettings().InterfaceLanguage, int16_t{1});
    QCOMPARE(window_->Table().SignCount, int16_t{41});

    // And back to English.
    AnswerNextModal<LanguageDialog>([](LanguageDialog& language) {
      Child<QRadioButton>(language, "OptionButton1_0")->click();
      Child<QPushButton>(language, "Command1")->click();
    });
    MenusOf(window).mnuLang->trigger();
    QCOMPARE(window_->CurrentSettings().InterfaceLanguage, int16_t{0});
    QCOMPARE(ControlsOf(window).startButton->text(), QStringLiteral("Start"));
    QCOMPARE(ControlsOf(window).readingLabel->text(), QStringLiteral("Katakana"));
    QCOMPARE(Child<QRadioButton>(choice, "Option1_4")->text(), QStringLiteral("Japanese Sign Language (JSL)"));
    QCOMPARE(ControlsOf(window).startButton->font(), window.FontObjects()[0]);
  }

  void aFontChangeRunsTheSetUpAgain() {
    WriteFiles(1, 5);
    MainWindow& window = StartWindow();
    window.HangulInputMethod();
    QVERIFY(window.HangulMode());
    ControlsOf(*window_).handView->View().ViewAzimuth = 77.0f;
    ControlsOf(*window_).handView->View().ViewDistance = 300.0f;

    QStringList listed;
    AnswerNextModal<FontDialog>([&listed](FontDialog& fonts) {
      for (int i = 0; i < fonts.CmbJp->count(); ++i) listed << fonts.CmbJp->itemText(i);
      fonts.CmbJp->setEditText(QStringLiteral("IPAGothic"));
      fonts.TxtJp->setText(QStringLiteral("15"));
      fonts.CmbKr->setEditText(QStringLiteral("NanumGothic"));
      fonts.TxtKr->setText(QStringLiteral("13"));
      fonts.btnOK->click();
    });
    MenusOf(window).mnuFont->trigger();
    QCOMPARE(listed, (QStringList{"IPAGothic", "IPAMincho"}));
    QCOMPARE(window_->CurrentSettings().Fonts[JapaneseFont], (FontDescription{QStringLiteral("IPAGothic"), 15}));
    QCOMPARE(window_->CurrentSettings().Fonts[KoreanFont], (FontDescription{QStringLiteral("NanumGothic"), 13}));

    // The set-up ran again: new font objects on every control, the view reset, and the
    // system laid out afresh in roman-letter Korean.
    const QFont& japanese = window.FontObjects()[JapaneseFont];
    QCOMPARE(japanese.family(), QStringLiteral("IPAGothic"));
    QCOMPARE(japanese.pointSize(), 15);
    QVERIFY(japanese.bold());
    QCOMPARE(ControlsOf(window).startButton->font(), japanese);
    QCOMPARE(ControlsOf(window).systemLabel->font().pointSize(), 15);
    QCOMPARE(ControlsOf(window).readingBox->font(), window.FontObjects()[KoreanFont]);
    QCOMPARE(window.FontObjects()[KoreanFont].pointSize(), 13);
    QCOMPARE(ControlsOf(*window_).handView->View().ViewAzimuth, ViewState{}.ViewAzimuth);
    QCOMPARE(ControlsOf(*window_).handView->View().ViewDistance, ViewState{}.ViewDistance);
    QVERIFY(!window.HangulMode());

    // A Cancel stores nothing and leaves the view alone (a refused size is the font
    // window's own test: it stays open until the user cancels).
    ControlsOf(*window_).handView->View().ViewAzimuth = 77.0f;
    AnswerNextModal<FontDialog>([](FontDialog& fonts) {
      fonts.TxtJp->setText(QStringLiteral("30"));
      fonts.btnCancel->click();
    });
    MenusOf(window).mnuFont->trigger();
    QCOMPARE(window_->CurrentSettings().Fonts[JapaneseFont].Size, int16_t{15});
    QCOMPARE(ControlsOf(*window_).handView->View().ViewAzimuth, 77.0f);

    // Kept at exit.
    window.close();
    QVERIFY(FileContents(Dir() + kSettingsFileName).contains("JapaneseFont,IPAGothic, 15 \r\n"));
  }

  // The learner controls, the menus that drive them and the practice window, under the
  // Japanese interface: each has its own Japanese caption, and a control is read out by
  // the caption it shows.
  void theJapaneseInterfaceCaptionsTheLearnerAndPracticeControls() {
    WriteFiles(1, 4);
    MainWindow& window = StartWindow();
    QVERIFY(started_);
    const CaptionTable captions;
    const auto japanese = [](const QString& text) {
      return !text.isEmpty() && std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x3000; });
    };
    // The entries that name their keys keep them after a tab.
    const auto caption = [](const QAction* action) { return action->text().section(u'\t', 0, 0); };
    for (const char* name : {"mnuExport", "mnuReplay", "mnuPause", "mnuStop", "mnuStepBack", "mnuStepForward",
                             "mnuFront", "mnuSignersEye", "mnuLeftSide", "mnuRightSide", "mnuAbove",
                             "mnuLeftHanded", "mnuChart"}) {
      const auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
      QVERIFY2(action != nullptr, name);
      QVERIFY2(japanese(caption(action)), name);
    }
    QCOMPARE(window.findChild<QAction*>("mnuPause")->text(), QStringLiteral("一時停止／再開\tSpace"));
    for (const char* name : {"PlayMenus", "SlowMotionMenus", "ViewMenus"}) {
      const auto* menu = window.findChild<QMenu*>(QString::fromLatin1(name));
      QVERIFY2(menu != nullptr && japanese(menu->title()), name);
    }
    for (const char* name : {"chkNatural", "cmdReplay", "chkLetters"}) {
      const auto* button = window.findChild<QAbstractButton*>(QString::fromLatin1(name));
      QVERIFY2(button != nullptr && japanese(button->text()), name);
      QCOMPARE(button->accessibleName(), button->text());
    }
    QCOMPARE(window.findChild<QCheckBox*>("chkNatural")->text(), QStringLiteral("自然な手"));
    QCOMPARE(window.findChild<QCheckBox*>("chkLetters")->text(), QStringLiteral("文字を表示"));

    window.findChild<QAction*>("mnuChart")->trigger();
    QWidget* chart = window.findChild<QWidget*>("ChartFrm");
    QVERIFY(chart != nullptr);
    QVERIFY(japanese(chart->windowTitle()));
    QCOMPARE(chart->accessibleName(), chart->windowTitle());
    chart->close();

    PracticeWindow practice;
    practice.SetCaptions(captions, 1, window.FontObjects()[1]);
    for (const char* name : {"chkTypedAnswer", "chkAdaptSpeed"}) {
      const auto* box = practice.findChild<QCheckBox*>(QString::fromLatin1(name));
      QVERIFY2(japanese(box->text()), name);
      QCOMPARE(box->accessibleName(), box->text());
    }
    QCOMPARE(practice.findChild<QCheckBox*>("chkTypedAnswer")->text(), QStringLiteral("答えを入力する"));
    QCOMPARE(practice.findChild<QCheckBox*>("chkAdaptSpeed")->text(), QStringLiteral("速度を自動調整"));
    QCOMPARE(practice.findChild<QLineEdit*>("txtAnswer")->accessibleName(), QStringLiteral("あなたの答え"));
    for (const char* name : {"spnShortest", "spnLongest"}) {
      const auto* box = practice.findChild<QSpinBox*>(QString::fromLatin1(name));
      QVERIFY2(japanese(box->accessibleName()) && japanese(box->specialValueText()), name);
    }
    for (const QLabel* label : practice.findChildren<QLabel*>())
      if (!label->text().isEmpty() && label->text() != QStringLiteral("%"))
        QVERIFY2(japanese(label->text()), qPrintable(label->text()));
    PracticeScore score;
    score.Count(true);
    practice.ShowScore(score);
    QCOMPARE(practice.findChild<QLabel*>("lblScore")->text(), QStringLiteral("正解 1 / 1、連続 1"));
    practice.ShowResult(false, QStringLiteral("ねこ"), QStringLiteral("ねご"));
    QCOMPARE(practice.findChild<QLabel*>("lblResult")->text(), QStringLiteral("\u2718 正解は「ねこ」、入力は「ねご」"));
  }

  void aboutShowsTheProductAndItsVersion() {
    WriteFiles(0, 0);
    MainWindow& window = StartWindow();
    QStringList seen;
    AnswerNextModal<AboutDialog>([&seen](AboutDialog& about) {
      seen << Child<QLabel>(about, "ProductName")->text() << Child<QLabel>(about, "VersionText")->text();
      Child<QPushButton>(about, "cmdOK")->click();
    });
    MenusOf(window).mnuAbout->trigger();
    QCOMPARE(seen, (QStringList{"Tovaro", "Version " TOVARO_VERSION}));
    QVERIFY(!window.AboutWindow().isVisible());
  }
};

TOVARO_GUI_TEST(MainWindowLanguageTest);

#include "main_window_language_test.moc"
