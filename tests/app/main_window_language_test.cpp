#include "app/main_window.h"

#include "app/app_state.h"
#include "app/desktop_program.h"
#include "app/font_window.h"
#include "app/language_window.h"
#include "app/settings_file.h"
#include "app/system_choice_window.h"
#include "support/file_contents.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/modal_answer.h"
#include "ui/about_window.h"
#include "ui/clickable_label.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

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
    AnswerNextModal<FrmLang>([&](FrmLang& language) {
      shownOption = language.OptionButton1[1]->isChecked() ? 1 : 0;
      language.Command1->click();
    });
    frmSpace& window = StartWindow(locale);
    QVERIFY(started_);
    QCOMPARE(shownOption, preselected);
    QCOMPARE(state_->InterfaceLanguage, int16_t(preselected));
    QCOMPARE(window.ui.cmdInput->text(),
             preselected == 1 ? QStringLiteral("スタート") : QStringLiteral("Start"));

    // The choice is kept, so the next start does not ask.
    window.close();
    QVERIFY(FileContents(Dir() + kSettingsFileName)
                .startsWith(preselected == 1 ? "Message, 1 \r\n" : "Message, 0 \r\n"));
  }

  void cancellingTheFirstRunEndsTheProgram() {
    WriteFiles(-1, 0);
    const QByteArray before = FileContents(Dir() + kSettingsFileName);

    AnswerNextModal<FrmLang>([](FrmLang& language) { language.Command2->click(); });
    frmSpace& window = StartWindow(QStringLiteral("ja_JP"));
    QVERIFY(!started_);
    QVERIFY(!window.isVisible());
    QCOMPARE(state_->InterfaceLanguage, int16_t{-1});
    window_.reset();

    // The program itself ends there, without showing its window or writing the settings,
    // so the next start asks again.
    bool shown = false;
    AnswerNextModal<FrmLang>([](FrmLang& language) { QTest::keyClick(&language, Qt::Key_Escape); });
    const int exitCode = RunDesktopProgram(Dir(), [&shown](frmSpace& program) {
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
    frmSpace& window = StartWindow();
    QVERIFY(started_);
    const frmSpaceMenus& menus = window.menus;
    QCOMPARE(menus.FileMenus->title(), QStringLiteral("ファイル"));
    QCOMPARE(menus.mnuOpen->text(), QStringLiteral("Open"));
    QCOMPARE(menus.mnuExit->text(), QStringLiteral("終了"));
    QCOMPARE(menus.ToolMenus->title(), QStringLiteral("ツール"));
    QCOMPARE(menus.mnuOption->text(), QStringLiteral("指文字言語選擇"));
    QCOMPARE(menus.mnuList->text(), QStringLiteral("單語リスト"));
    QCOMPARE(menus.mnuQuiz->text(), QStringLiteral("練習"));
    QCOMPARE(menus.mnuLang->text(), QStringLiteral("Language Option"));
    QCOMPARE(menus.mnuFont->text(), QStringLiteral("Font Selection"));
    QCOMPARE(menus.HelpMenus->title(), QStringLiteral("ヘルプ"));
    QCOMPARE(menus.mnuAbout->text(), QStringLiteral("バージョン情報"));
    QCOMPARE(menus.mnuIndonesianHelp->text(), QStringLiteral("インドネシア語"));

    const frmSpaceControls& ui = window.ui;
    QCOMPARE(ui.Frame1->title(), QStringLiteral("View Point"));  // row 10 has no Japanese
    QCOMPARE(ui.cmdHome->text(), QStringLiteral("ホーム"));
    QCOMPARE(ui.cmdInput->text(), QStringLiteral("スタート"));
    QCOMPARE(ui.Option1[0]->text(), QStringLiteral("讀み手"));
    QCOMPARE(ui.Option1[1]->text(), QStringLiteral("自分"));
    QCOMPARE(ui.Label4->text(), QStringLiteral("速度"));
    QCOMPARE(ui.Label3->text(), QStringLiteral("%"));
    QCOMPARE(ui.CheckBoxNumeric->text(), QStringLiteral("數字"));
    QCOMPARE(ui.Label1->text(), QStringLiteral("單語"));
    QCOMPARE(ui.Label2->text(), QStringLiteral("振り假名"));
    QCOMPARE(ui.SignLabel->text(), QStringLiteral("日本手話 (JSL)"));
    for (QWidget* control : std::initializer_list<QWidget*>{ui.cmdInput, ui.Frame1, ui.Label4})
      QCOMPARE(control->font(), window.FontObjects()[1]);

    // The system choice, shown from the menu, in Japanese and in the interface font.
    QStringList options;
    AnswerNextModal<frmOption>([&options](frmOption& choice) {
      for (QRadioButton* option : choice.Option1) options << option->text();
      choice.cmdOK->click();
    });
    menus.mnuOption->trigger();
    QCOMPARE(options, (QStringList{"イギリス手話 (BSL)", "インドネシア指文字", "アメリカ手話 (ASL)",
                                   "派生 ASL アルファベット", "日本手話 (JSL)", "韓國手話 (KSL)"}));
    QCOMPARE(window.OptionWindow().cmdOK->font(), window.FontObjects()[1]);
  }

  void languageOptionRecaptionsEveryWindowAndReloadsTheSystem() {
    WriteFiles(0, 4);
    frmSpace& window = StartWindow(QStringLiteral("ja_JP"));
    frmOption& choice = window.OptionWindow();  // a window that already exists follows too
    QCOMPARE(choice.Option1[4]->text(), QStringLiteral("Japanese Sign Language (JSL)"));
    QCOMPARE(window.ui.Label2->text(), QStringLiteral("Katakana"));

    state_->SignCount = 5;
    int shownOption = -1;
    AnswerNextModal<FrmLang>([&](FrmLang& language) {
      shownOption = language.OptionButton1[1]->isChecked() ? 1 : 0;
      QTest::mouseClick(language.OptionButton1[1], Qt::LeftButton);
      language.Command1->click();
    });
    window.menus.mnuLang->trigger();
    QCOMPARE(shownOption, 0);  // the current language, not the system's
    QCOMPARE(state_->InterfaceLanguage, int16_t{1});
    QCOMPARE(window.ui.cmdInput->text(), QStringLiteral("スタート"));
    QCOMPARE(window.menus.ToolMenus->title(), QStringLiteral("ツール"));
    QCOMPARE(window.ui.cmdInput->font(), window.FontObjects()[1]);
    QCOMPARE(choice.Option1[4]->text(), QStringLiteral("日本手話 (JSL)"));
    QCOMPARE(choice.cmdOK->font(), window.FontObjects()[1]);
    // The system was laid out and loaded again for the new language.
    QCOMPARE(window.ui.Label2->text(), QStringLiteral("振り假名"));
    QCOMPARE(window.ui.SignLabel->text(), QStringLiteral("日本手話 (JSL)"));
    QCOMPARE(state_->SignCount, int16_t{82});

    // Cancel keeps the language and reloads nothing.
    state_->SignCount = 5;
    AnswerNextModal<FrmLang>([](FrmLang& language) {
      language.OptionButton1[0]->click();
      language.Command2->click();
    });
    window.menus.mnuLang->trigger();
    QCOMPARE(state_->InterfaceLanguage, int16_t{1});
    QCOMPARE(window.ui.cmdInput->text(), QStringLiteral("スタート"));
    QCOMPARE(state_->SignCount, int16_t{5});

    // After a Cancel, OK on the offered language keeps it rather than cancelling.
    AnswerNextModal<FrmLang>([](FrmLang& language) { language.Command1->click(); });
    window.menus.mnuLang->trigger();
    QCOMPARE(state_->InterfaceLanguage, int16_t{1});
    QCOMPARE(state_->SignCount, int16_t{82});

    // And back to English.
    AnswerNextModal<FrmLang>([](FrmLang& language) {
      language.OptionButton1[0]->click();
      language.Command1->click();
    });
    window.menus.mnuLang->trigger();
    QCOMPARE(state_->InterfaceLanguage, int16_t{0});
    QCOMPARE(window.ui.cmdInput->text(), QStringLiteral("Start"));
    QCOMPARE(window.ui.Label2->text(), QStringLiteral("Katakana"));
    QCOMPARE(choice.Option1[4]->text(), QStringLiteral("Japanese Sign Language (JSL)"));
    QCOMPARE(window.ui.cmdInput->font(), window.FontObjects()[0]);
  }

  void aFontChangeRunsTheSetUpAgain() {
    WriteFiles(1, 5);
    frmSpace& window = StartWindow();
    window.HangulInputMethod();
    QVERIFY(window.HangulMode());
    state_->View.ViewAzimuth = 77.0f;
    state_->View.ViewDistance = 300.0f;

    QStringList listed;
    AnswerNextModal<frmFont>([&listed](frmFont& fonts) {
      for (int i = 0; i < fonts.CmbJp->count(); ++i) listed << fonts.CmbJp->itemText(i);
      fonts.CmbJp->setEditText(QStringLiteral("IPAGothic"));
      fonts.TxtJp->setText(QStringLiteral("15"));
      fonts.CmbKr->setEditText(QStringLiteral("NanumGothic"));
      fonts.TxtKr->setText(QStringLiteral("13"));
      fonts.btnOK->click();
    });
    window.menus.mnuFont->trigger();
    QCOMPARE(listed, (QStringList{"IPAGothic", "IPAMincho"}));
    QCOMPARE(state_->Fonts[JapaneseFont], (FontDescription{QStringLiteral("IPAGothic"), 15}));
    QCOMPARE(state_->Fonts[KoreanFont], (FontDescription{QStringLiteral("NanumGothic"), 13}));

    // The set-up ran again: new font objects on every control, the view reset, and the
    // system laid out afresh in roman-letter Korean.
    const QFont& japanese = window.FontObjects()[JapaneseFont];
    QCOMPARE(japanese.family(), QStringLiteral("IPAGothic"));
    QCOMPARE(japanese.pointSize(), 15);
    QVERIFY(japanese.bold());
    QCOMPARE(window.ui.cmdInput->font(), japanese);
    QCOMPARE(window.ui.SignLabel->font().pointSize(), 15);
    QCOMPARE(window.ui.FuriganaTxt->font(), window.FontObjects()[KoreanFont]);
    QCOMPARE(window.FontObjects()[KoreanFont].pointSize(), 13);
    QCOMPARE(state_->View.ViewAzimuth, ViewState{}.ViewAzimuth);
    QCOMPARE(state_->View.ViewDistance, ViewState{}.ViewDistance);
    QVERIFY(!window.HangulMode());

    // A Cancel stores nothing and leaves the view alone (a refused size is the font
    // window's own test: it stays open until the user cancels).
    state_->View.ViewAzimuth = 77.0f;
    AnswerNextModal<frmFont>([](frmFont& fonts) {
      fonts.TxtJp->setText(QStringLiteral("30"));
      fonts.btnCancel->click();
    });
    window.menus.mnuFont->trigger();
    QCOMPARE(state_->Fonts[JapaneseFont].Size, int16_t{15});
    QCOMPARE(state_->View.ViewAzimuth, 77.0f);

    // Kept at exit.
    window.close();
    QVERIFY(FileContents(Dir() + kSettingsFileName).contains("JapaneseFont,IPAGothic, 15 \r\n"));
  }

  void aboutShowsTheProductAndItsVersion() {
    WriteFiles(0, 0);
    frmSpace& window = StartWindow();
    QStringList seen;
    AnswerNextModal<frmAbout>([&seen](frmAbout& about) {
      seen << about.ProductName->text() << about.VersionText->text();
      about.cmdOK->click();
    });
    window.menus.mnuAbout->trigger();
    QCOMPARE(seen, (QStringList{"Tovaro", "Version " TOVARO_VERSION}));
    QVERIFY(!window.AboutWindow().isVisible());
  }
};

TOVARO_GUI_TEST(MainWindowLanguageTest);

#include "main_window_language_test.moc"
