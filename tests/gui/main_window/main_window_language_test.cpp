#include "gui/main_window/main_window.h"

#include "gui/main_window/desktop_program.h"
#include "gui/dialogs/font_dialog.h"
#include "gui/dialogs/language_dialog.h"
#include "shell/settings_file.h"
#include "gui/dialogs/system_choice_dialog.h"
#include "support/file_contents.h"
#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/window_texts.h"
#include "support/modal_answer.h"
#include "gui/dialogs/about_dialog.h"
#include "gui/main_window/clickable_label.h"
#include "gui/practice/practice_window.h"
#include "shell/answer_check.h"
#include "shell/caption_table.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QtTest>

#include "playback/view_controls.h"

#include <algorithm>
#include <utility>

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
    QTest::newRow("Korean") << "ko_KR" << 2;
    QTest::newRow("Indonesian") << "id_ID" << 3;
    QTest::newRow("French") << "fr_FR" << 0;
  }

  void theFirstRunAsksWithAPreselectionFromTheSystem() {
    QFETCH(QString, locale);
    QFETCH(int, preselected);
    WriteFiles(std::nullopt, SystemId::BritishTwoHanded);

    int shownOption = -1;
    AnswerNextModal<LanguageDialog>([&](LanguageDialog& language) {
      const auto options = Children<QRadioButton, 4>(language, "OptionButton1");
      shownOption = static_cast<int>(std::find_if(options.begin(), options.end(),
                                                  [](const QRadioButton* option) { return option->isChecked(); }) -
                                     options.begin());
      Child<QPushButton>(language, "Command1")->click();
    });
    MainWindow& window = StartWindow(locale);
    QVERIFY(started_);
    QCOMPARE(shownOption, preselected);
    QCOMPARE(window_->CurrentSettings().Interface, InterfaceLanguageFromNumber(preselected));
    const QString starts[] = {QStringLiteral("Start"), QStringLiteral("スタート"), QStringLiteral("시작"),
                              QStringLiteral("Mulai")};
    QCOMPARE(ControlsOf(window).startButton->text(), starts[preselected]);

    // The choice is kept, so the next start does not ask.
    window.close();
    QVERIFY(FileContents(Dir() + kSettingsFileName)
                .startsWith(QStringLiteral("Message, %1 \r\n").arg(preselected).toLatin1()));
  }

  void cancellingTheFirstRunEndsTheProgram() {
    WriteFiles(std::nullopt, SystemId::BritishTwoHanded);
    const QByteArray before = FileContents(Dir() + kSettingsFileName);

    AnswerNextModal<LanguageDialog>([](LanguageDialog& language) { Child<QPushButton>(language, "Command2")->click(); });
    MainWindow& window = StartWindow(QStringLiteral("ja_JP"));
    QVERIFY(!started_);
    QVERIFY(!window.isVisible());
    QCOMPARE(window_->CurrentSettings().Interface, std::optional<InterfaceLanguage>());
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

  void theJapaneseInterfaceCaptionsTheMainWindowTheSystemChoiceAndThePractice() {
    WriteFiles(InterfaceLanguage::Japanese, SystemId::JapaneseKana);
    MainWindow& window = StartWindow();
    QVERIFY(started_);
    const MainWindowMenus menus = MenusOf(window);
    const MainWindowControls ui = ControlsOf(window);
    // "View Point" keeps its English caption; the entries the caption table has no row
    // for come from the translation.
    const std::pair<QString, QString> captions[] = {
        {menus.FileMenus->title(), "ファイル"}, {menus.mnuOpen->text(), "開く"}, {menus.mnuExit->text(), "終了"},
        {menus.ToolMenus->title(), "ツール"}, {menus.mnuOption->text(), "指文字言語選択"},
        {menus.mnuList->text(), "単語リスト"}, {menus.mnuQuiz->text(), "練習"},
        {menus.mnuLang->text(), "表示言語の選択"}, {menus.mnuFont->text(), "フォントの選択"},
        {menus.HelpMenus->title(), "ヘルプ"}, {menus.mnuAbout->text(), "バージョン情報"},
        {menus.mnuIndonesianHelp->text(), "インドネシア語"}, {ui.viewPointGroup->title(), "View Point"},
        {ui.homeButton->text(), "ホーム"}, {ui.startButton->text(), "スタート"},
        {ui.viewPointOptions[0]->text(), "読み手"}, {ui.viewPointOptions[1]->text(), "自分"},
        {ui.speedLabel->text(), "速度"}, {ui.percentLabel->text(), "%"}, {ui.numericBox->text(), "数字"},
        {ui.wordLabel->text(), "単語"}, {ui.readingLabel->text(), "振り仮名"},
        {ui.systemLabel->text(), "日本手話 (JSL)"}};
    for (const auto& [shown, expected] : captions) QCOMPARE(shown, expected);
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

    // The learner controls, the menus that drive them and the practice window: each has
    // its own Japanese caption, and a control is read out by the caption it shows.
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
    practice.SetCaptions(CaptionTable(), InterfaceLanguage::Japanese, window.FontObjects()[1]);
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


  void languageOptionRecaptionsEveryWindowAndReloadsTheSystem() {
    WriteFiles(InterfaceLanguage::English, SystemId::JapaneseKana);
    MainWindow& window = StartWindow(QStringLiteral("ja_JP"));
    SystemChoiceDialog& choice = window.OptionWindow();  // a window that already exists follows too
    QCOMPARE(Child<QRadioButton>(choice, "Option1_4")->text(), QStringLiteral("Japanese Sign Language (JSL)"));
    QCOMPARE(ControlsOf(window).readingLabel->text(), QStringLiteral("Katakana"));

    // Each time the language window is answered: the language it offers is the current
    // one (not the system's), every window follows the language chosen with OK, and the
    // system is laid out and loaded again (a table with other signs beside the program
    // tells a reload apart); Cancel keeps the language and reloads nothing, and after a
    // Cancel, OK on the offered language keeps it rather than cancelling.
    const struct {
      int signsBeside;
      int choose;  // -1: the offered option as it is
      bool ok;
      InterfaceLanguage language;
      int16_t signCount;
    } answers[] = {{50, 1, true, InterfaceLanguage::Japanese, 51},
                   {40, 0, false, InterfaceLanguage::Japanese, 51},
                   {40, -1, true, InterfaceLanguage::Japanese, 41},
                   {40, 2, true, InterfaceLanguage::Korean, 41},
                   {40, 3, true, InterfaceLanguage::Indonesian, 41},
                   {40, 0, true, InterfaceLanguage::English, 41}};
    // Start, Tool, the reading's label and the system, in each language by its number.
    const std::array<std::array<QString, 4>, 4> captions{{
        {"Start", "Tool", "Katakana", "Japanese Sign Language (JSL)"},
        {"スタート", "ツール", "振り仮名", "日本手話 (JSL)"},
        {"시작", "도구", "가타카나", "일본 수어 (JSL)"},
        {"Mulai", "Alat", "Katakana", "Bahasa Isyarat Jepang (JSL)"}}};
    for (const auto& answer : answers) {
      const int before = InterfaceLanguageNumber(window_->CurrentSettings().Interface.value());
      QVERIFY(WriteAngleTable(Dir() + "PositionJSL.csv", 1, answer.signsBeside));
      int shownOption = -1;
      AnswerNextModal<LanguageDialog>([&](LanguageDialog& language) {
        const auto options = Children<QRadioButton, 4>(language, "OptionButton1");
      shownOption = static_cast<int>(std::find_if(options.begin(), options.end(),
                                                  [](const QRadioButton* option) { return option->isChecked(); }) -
                                     options.begin());
        if (answer.choose >= 0) QTest::mouseClick(options[static_cast<size_t>(answer.choose)], Qt::LeftButton);
        Child<QPushButton>(language, answer.ok ? "Command1" : "Command2")->click();
      });
      MenusOf(window).mnuLang->trigger();
      QCOMPARE(shownOption, before);
      QCOMPARE(window_->CurrentSettings().Interface, std::optional(answer.language));
      QCOMPARE(window_->Table().SignCount, answer.signCount);
      const auto& expected = captions[static_cast<size_t>(InterfaceLanguageNumber(answer.language))];
      QCOMPARE(ControlsOf(window).startButton->text(), expected[0]);
      QCOMPARE(MenusOf(window).ToolMenus->title(), expected[1]);
      QCOMPARE(ControlsOf(window).readingLabel->text(), expected[2]);
      QCOMPARE(ControlsOf(window).systemLabel->text(), expected[3]);
      // Windows already made follow through Qt's translation (told by an event the
      // program's loop delivers), and so do Qt's own
      // buttons where the system has Qt's translation (Debian has none for Indonesian).
      const QString titles[] = {"Language Option", "表示言語の選択", "화면 언어 선택", "Pilihan Bahasa"};
      // F1 opens the help in the interface language.
      const std::array helps{MenusOf(window).mnuEnglishHelp, MenusOf(window).mnuJapaneseHelp,
                             MenusOf(window).mnuKoreanHelp, MenusOf(window).mnuIndonesianHelp};
      for (size_t i = 0; i < helps.size(); ++i)
        QCOMPARE(helps[i]->shortcut() == QKeySequence(QKeySequence::HelpContents),
                 static_cast<int>(i) == InterfaceLanguageNumber(answer.language));
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
      QCOMPARE(window.LanguageWindow().windowTitle(), titles[InterfaceLanguageNumber(answer.language)]);
      QMessageBox question;
      question.setStandardButtons(QMessageBox::Cancel);
      const QString cancels[] = {"Cancel", "キャンセル", "취소", "Cancel"};
      QCOMPARE(question.button(QMessageBox::Cancel)->text().remove(u'&'),
               cancels[InterfaceLanguageNumber(answer.language)]);
      // JSL words are typed in Japanese with the Japanese interface, in roman letters
      // with any other, until the user chooses otherwise.
      const bool japanese = answer.language == InterfaceLanguage::Japanese;
      QCOMPARE(MenusOf(window).mnuKanaInput->isChecked(), japanese);
      QCOMPARE(ControlsOf(window).wordBox->font(), window.FontObjects()[japanese ? JapaneseFont : EnglishFont]);
      QCOMPARE(Child<QRadioButton>(choice, "Option1_4")->text(), ControlsOf(window).systemLabel->text());
      const QFont& interfaceFont = window.FontObjects()[InterfaceFontIndex(answer.language)];
      QCOMPARE(ControlsOf(window).startButton->font(), interfaceFont);
      QCOMPARE(Child<QPushButton>(choice, "cmdOK")->font(), interfaceFont);
    }

    // Typing JSL words in Japanese is a choice of its own: with the English interface
    // the word box takes Japanese, the word list is the Japanese one, and the choice is
    // kept in the settings file; the interface stays English.
    MenusOf(window).mnuKanaInput->trigger();
    QCOMPARE(window_->CurrentSettings().Kana, std::optional(KanaInput::Japanese));
    QCOMPARE(ControlsOf(window).wordBox->font(), window.FontObjects()[JapaneseFont]);
    QCOMPARE(ControlsOf(window).startButton->text(), QStringLiteral("Start"));
    window.close();
    QVERIFY(FileContents(Dir() + kSettingsFileName).contains("\r\nKanaInput,Japanese"));
  }

  // The main window, its menus and the windows it keeps speak each interface language
  // entirely: nothing the English window says is left in English (but the names that
  // are the same in every language), and back in English everything is as it was.
  void everyTextOfTheMainWindowIsInTheInterfaceLanguage() {
    WriteFiles(InterfaceLanguage::English, SystemId::JapaneseKana, 742);
    MainWindow& window = StartWindow();
    const auto textsOf = [&] {
      QStringList texts = WindowTexts(window);
      texts << WindowTexts(window.OptionWindow()) << WindowTexts(window.LanguageWindow());
      return texts;
    };
    const QStringList english = textsOf();
    // "OK" is the same word in Japanese and Indonesian.
    const QStringList names{"Tovaro", "%", "A", "OK"};
    for (const InterfaceLanguage language :
         {InterfaceLanguage::Japanese, InterfaceLanguage::Korean, InterfaceLanguage::Indonesian, InterfaceLanguage::English}) {
      window.ChooseInterfaceLanguage(language);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
      const QStringList texts = textsOf();
      if (language == InterfaceLanguage::English) {
        // And back, as it was.
        QCOMPARE(QSet<QString>(texts.begin(), texts.end()), QSet<QString>(english.begin(), english.end()));
        continue;
      }
      // The described Japanese interface keeps "View Point" in English.
      QStringList kept = names;
      if (language == InterfaceLanguage::Japanese) kept << "View Point";
      // Words Indonesian writes as English does.
      if (language == InterfaceLanguage::Indonesian) kept << "Katakana" << "Bitmap" << "Status" << "Hangul";
      // The language window names and explains every language in its own words.
      for (const char* note : {"OptionButton1_0", "OptionButton1_1", "OptionButton1_2", "OptionButton1_3", "Image3",
                               "KoreanName", "IndonesianName", "Lbl1", "Img2", "Lbl3", "Img4", "Lbl5", "Lbl6"}) {
        const QWidget* widget = Child<QWidget>(window.LanguageWindow(), note);
        kept << widget->property("text").toString() << widget->accessibleName();
      }
      kept << window.windowTitle();  // the program's name and the table's file
      const QStringList left = EnglishLeft(english, texts, kept);
      QVERIFY2(left.isEmpty(), qPrintable(left.join(QStringLiteral(" | "))));
    }
  }

  void aFontChangeRunsTheSetUpAgain() {
    WriteFiles(InterfaceLanguage::Japanese, SystemId::KoreanHangul);
    MainWindow& window = StartWindow();
    window.Systems().HangulInputMethod();
    QVERIFY(window.Systems().HangulMode());
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
    QCOMPARE(ControlsOf(*window_).handView->View().ViewAzimuth, StartView(1).ViewAzimuth);
    QCOMPARE(ControlsOf(*window_).handView->View().ViewDistance, ViewState{}.ViewDistance);
    QVERIFY(!window.Systems().HangulMode());

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

  void aboutShowsTheProductAndItsVersionAndClosesWithItsButton() {
    WriteFiles(InterfaceLanguage::English, SystemId::BritishTwoHanded);
    MainWindow& window = StartWindow();
    QStringList seen;
    AnswerNextModal<AboutDialog>([&seen](AboutDialog& about) {
      seen << Child<QLabel>(about, "ProductName")->text() << Child<QLabel>(about, "VersionText")->text()
           << Child<QPushButton>(about, "cmdOK")->text();
      QTest::mouseClick(Child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    });
    MenusOf(window).mnuAbout->trigger();
    QCOMPARE(seen, (QStringList{"Tovaro", "Version " TOVARO_VERSION, "OK"}));
    QVERIFY(QStringLiteral(TOVARO_VERSION).contains(u'.'));
    QVERIFY(!window.AboutWindow().isVisible());
    QCOMPARE(window.AboutWindow().result(), int(QDialog::Accepted));
    // Enter presses the one button too (a window left open would be closed, not accepted).
    window.AboutWindow().setResult(QDialog::Rejected);
    AnswerNextModal<AboutDialog>([](AboutDialog& about) { QTest::keyClick(&about, Qt::Key_Return); });
    MenusOf(window).mnuAbout->trigger();
    QCOMPARE(window.AboutWindow().result(), int(QDialog::Accepted));
  }
};

TOVARO_GUI_TEST(MainWindowLanguageTest);

#include "main_window_language_test.moc"
