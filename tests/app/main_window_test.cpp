#include "app/main_window.h"

#include "app/app_state.h"
#include "app/settings_file.h"
#include "app/system_choice_window.h"
#include "convert/sign_class.h"
#include "render/hand_view.h"
#include "support/angle_table_files.h"
#include "support/file_contents.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/modal_answer.h"
#include "ui/clickable_label.h"
#include "ui/file_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

namespace {

void ClickFile(QListWidget& list, const QString& name) {
  const QList<QListWidgetItem*> found = list.findItems(name, Qt::MatchExactly);
  QVERIFY2(found.size() == 1, qPrintable(name));
  list.setCurrentItem(found[0]);
}

// Where on the drawing area a ninth lies: column and row 0..2.
QPoint NinthOf(const QWidget& area, int column, int row) {
  return {area.width() * (2 * column + 1) / 6, area.height() * (2 * row + 1) / 6};
}

// The middle of the lit pixels of a picture, as a fraction of its width and height.
QPointF LitCentre(const QImage& picture) {
  double sumX = 0, sumY = 0, count = 0;
  for (int y = 0; y < picture.height(); ++y)
    for (int x = 0; x < picture.width(); ++x)
      if (qGray(picture.pixel(x, y)) > 30) {
        sumX += x;
        sumY += y;
        ++count;
      }
  if (count == 0) return {-1, -1};
  return {sumX / count / picture.width(), sumY / count / picture.height()};
}

// Presses Start and returns the messages it showed.
QStringList PressStart(frmSpace& window) {
  return MessagesDuring([&window] { window.ui.cmdInput->click(); });
}

}  // namespace

class MainWindowTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  void startsInEnglishWithBslWhenThereIsNoSettingsFile() {
    WriteTables();
    const QStringList shown = MessagesDuring([this] { StartWindow(); });
    frmSpace& window = *window_;
    QVERIFY(started_);
    QCOMPARE(shown, QStringList{"Initial file could not be loaded"});

    QCOMPARE(state_->InterfaceLanguage, int16_t{0});
    QCOMPARE(state_->SystemIndex, int16_t{0});
    QCOMPARE(window.ui.Text1->text(), QStringLiteral("100"));
    QVERIFY(!window.menus.mnuEdit->isVisible());
    QVERIFY(!window.menus.mnuBmp->isVisible());
    QCOMPARE(window.ui.SignLabel->text(), QStringLiteral("British Sign Language (BSL)"));
    QCOMPARE(window.ui.cmdInput->text(), QStringLiteral("Start"));
    QCOMPARE(window.menus.ToolMenus->title(), QStringLiteral("Tool"));
    QCOMPARE(state_->HandCount, int16_t{2});
    QCOMPARE(state_->SignCount, int16_t{28});

    QVERIFY(!QFile::exists(Dir() + kSettingsFileName));
    window.close();
    QCOMPARE(FileContents(Dir() + kSettingsFileName),
             QByteArray("Message, 0 \r\nLanguage, 0 \r\nEnglishFont,Times New Roman, 10 \r\n"
                        "JapaneseFont,System, 10 \r\nKoreanFont,Arial Unicode MS, 12 \r\n"
                        "Speed, 100 \r\nEditable, 0 \r\n"));
  }

  // A folder where the settings file belongs can be neither read nor replaced; the user
  // is told, rather than finding old settings at the next start.
  void settingsThatCannotBeWrittenAreReportedAtExit() {
    WriteTables();
    QVERIFY(QDir(Dir()).mkdir(kSettingsFileName));
    MessagesDuring([this] { StartWindow(); });
    frmSpace& window = *window_;
    window.show();
    const QStringList shown = MessagesDuring([&window] { window.close(); });
    QCOMPARE(shown, QStringList{"The settings could not be written to " + Dir() + kSettingsFileName});
    QVERIFY(!window.isVisible());
  }

  void exitWritesWhatChangedAndTheEditingCodeShowsItsMenus() {
    WriteFiles(0, 2, 742);
    frmSpace& window = StartWindow();
    QVERIFY(window.menus.mnuEdit->isVisible());
    QVERIFY(window.menus.mnuBmp->isVisible());
    // Entries whose windows come later are there, and disabled.
    for (QAction* later : {window.menus.mnuEdit, window.menus.mnuBmp, window.menus.mnuList,
                           window.menus.mnuQuiz, window.menus.mnuEnglishHelp})
      QVERIFY2(!later->isEnabled(), qPrintable(later->objectName()));
    for (QAction* ready : {window.menus.mnuOpen, window.menus.mnuOption, window.menus.mnuLang,
                           window.menus.mnuFont, window.menus.mnuAbout})
      QVERIFY2(ready->isEnabled(), qPrintable(ready->objectName()));

    window.ui.Text1->setText(QStringLiteral("12.25"));
    window.menus.mnuExit->trigger();
    QVERIFY(!window.isVisible());
    const QByteArray written = FileContents(Dir() + kSettingsFileName);
    QVERIFY(written.contains("Language, 2 \r\n"));
    QVERIFY(written.contains("Speed, 12.25 \r\n"));
    QVERIFY(written.endsWith("Editable, 742 \r\n"));
  }

  void aWrongCaseFourthKeyKeepsWhatCameBeforeIt() {
    WriteTables();
    QVERIFY(WriteFileContents(Dir() + kSettingsFileName,
                      "Message, 1 \r\nLanguage, 2 \r\nEnglishFont,DejaVu Sans, 11 \r\n"
                      "japaneseFont,IPAGothic, 14 \r\nKoreanFont,Gulim, 9 \r\nSpeed, 55 \r\n"
                      "Editable, 742 \r\n"));
    const QStringList shown = MessagesDuring([this] { StartWindow(); });
    frmSpace& window = *window_;
    QCOMPARE(shown, QStringList{"Initial file could not be loaded"});

    QCOMPARE(state_->InterfaceLanguage, int16_t{1});
    QCOMPARE(state_->SystemIndex, int16_t{2});
    QCOMPARE(state_->Fonts[0], (FontDescription{QStringLiteral("DejaVu Sans"), 11}));
    QCOMPARE(state_->Fonts[1], DefaultFonts()[1]);
    QCOMPARE(state_->Fonts[2], DefaultFonts()[2]);
    QCOMPARE(window.ui.Text1->text(), QStringLiteral("100"));
    QCOMPARE(state_->EditableCode, int16_t{0});
    QVERIFY(!window.menus.mnuEdit->isVisible());

    // The interface fonts: bold, and the captions of the Japanese interface in the
    // Japanese font, the system's name underlined.
    QCOMPARE(window.FontObjects()[0].family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(window.FontObjects()[0].pointSize(), 11);
    QVERIFY(window.FontObjects()[0].bold());
    QCOMPARE(window.ui.cmdInput->font(), window.FontObjects()[1]);
    QVERIFY(window.ui.SignLabel->font().underline());
    QCOMPARE(window.ui.SignLabel->font().family(), window.FontObjects()[1].family());
  }

  void anInterfaceLanguageWithoutCaptionsStartsInEnglish() {
    // A language the interface has no captions for would leave every caption empty.
    WriteFiles(7, 2);
    frmSpace& window = StartWindow();
    QCOMPARE(state_->InterfaceLanguage, int16_t{0});
    QCOMPARE(window.ui.cmdInput->text(), QStringLiteral("Start"));
    QCOMPARE(window.ui.SignLabel->text(), QStringLiteral("Amerian Sign Language (ASL)"));
  }

  void theSpeedIsReadLenientlyRoundedAndCapped() {
    WriteFiles(0, 2);
    frmSpace& window = StartWindow();
    window.ui.FuriganaTxt->setText(QStringLiteral("ab"));

    window.ui.Text1->setText(QStringLiteral("0.5"));
    QCOMPARE(PressStart(window), QStringList{"Invalid speed value!"});
    QCOMPARE(window.ui.picSpace->PicturesDrawn(), 0);

    const std::pair<const char*, int16_t> speeds[] = {
        {"1.5", 2000}, {"2.5", 2000}, {"12abc", 333}, {"40000", 0}, {"7", 571}};
    for (const auto& [text, delay] : speeds) {
      window.ui.Text1->setText(QString::fromLatin1(text));
      const int before = window.ui.picSpace->PicturesDrawn();
      QVERIFY2(PressStart(window).isEmpty(), text);
      QCOMPARE(window.Signs().Delay(), delay);
      QVERIFY2(window.ui.picSpace->PicturesDrawn() > before, text);
    }
  }

  void eachSystemLaysOutItsBoxesAndCaptions() {
    WriteFiles(0, 0);
    frmSpace& window = StartWindow();
    const frmSpaceControls& ui = window.ui;
    const char* names[] = {"British Sign Language (BSL)", "Indonesian Alphabet",
                           "Amerian Sign Language (ASL)", "Derived ASL Alphabet"};
    for (int16_t system = 0; system <= 3; ++system) {
      state_->SystemIndex = system;
      window.PositionInitializeRoutine(system);
      QCOMPARE(ui.SignLabel->text(), QString::fromLatin1(names[system]));
      QVERIFY(ui.InputArea->isHidden());
      QVERIFY(ui.Label1->isHidden());
      QVERIFY(!ui.FuriganaTxt->isHidden());
      QCOMPARE(ui.Label2->text(), QStringLiteral("Word"));
      QVERIFY(ui.MethodBtn->isHidden());
      QVERIFY(ui.CheckBoxNumeric->isHidden());
      QCOMPARE(ui.FuriganaTxt->font().pointSize(), 12);
      QCOMPARE(ui.FuriganaTxt->font().family(), window.FontObjects()[0].family());
      QVERIFY(!ui.FuriganaTxt->testAttribute(Qt::WA_InputMethodEnabled));
      QCOMPARE(state_->HandCount, int16_t(system <= 1 ? 2 : 1));
      QCOMPARE(state_->ColumnCount, int16_t(system <= 1 ? 103 : 52));
      QCOMPARE(window.Signs().LanguageIndex(), int{system});
      QVERIFY(!state_->NumericMode);
    }

    state_->SystemIndex = 4;
    window.PositionInitializeRoutine(4);
    QCOMPARE(ui.SignLabel->text(), QStringLiteral("Japanese Sign Language (JSL)"));
    QVERIFY(!ui.InputArea->isHidden());
    QVERIFY(!ui.Label1->isHidden());
    QCOMPARE(ui.Label1->text(), QStringLiteral("Word"));
    QCOMPARE(ui.Label2->text(), QStringLiteral("Katakana"));
    QVERIFY(ui.MethodBtn->isHidden());
    QVERIFY(!ui.CheckBoxNumeric->isHidden());
    QVERIFY(!ui.CheckBoxNumeric->isChecked());
    QCOMPARE(ui.FuriganaTxt->font(), window.FontObjects()[1]);
    QCOMPARE(ui.InputArea->font(), window.FontObjects()[0]);  // romaji
    QCOMPARE(state_->NumeralBase, int16_t{46});
    QCOMPARE(state_->SignCount, int16_t{82});

    state_->SystemIndex = 5;
    window.PositionInitializeRoutine(5);
    QCOMPARE(ui.SignLabel->text(), QStringLiteral("Korean Sign Language (KSL)"));
    QVERIFY(!ui.InputArea->isHidden());
    QVERIFY(ui.Label1->isHidden());
    QCOMPARE(ui.Label2->text(), QStringLiteral("Word"));
    QVERIFY(!ui.MethodBtn->isHidden());
    QVERIFY(!ui.CheckBoxNumeric->isHidden());
    QCOMPARE(ui.FuriganaTxt->font(), window.FontObjects()[2]);
    QCOMPARE(state_->NumeralBase, int16_t{41});

    // Hangul typed straight into the lower box: the word box goes, the picture changes.
    QVERIFY(!window.HangulMode());
    ui.MethodBtn->click();
    QVERIFY(window.HangulMode());
    QVERIFY(ui.InputArea->isHidden());
    QCOMPARE(ui.MethodBtn->icon().cacheKey(), ui.PicHan.cacheKey());
    ui.MethodBtn->click();
    QVERIFY(!window.HangulMode());
    QVERIFY(!ui.InputArea->isHidden());
    QCOMPARE(ui.MethodBtn->icon().cacheKey(), ui.PicA.cacheKey());

    // With the Japanese interface JSL takes a word typed through the input method.
    state_->InterfaceLanguage = 1;
    state_->SystemIndex = 4;
    window.PositionInitializeRoutine(4);
    QCOMPARE(ui.SignLabel->text(), QStringLiteral("日本手話 (JSL)"));
    QCOMPARE(ui.Label2->text(), QStringLiteral("振り假名"));
    QCOMPARE(ui.InputArea->font(), window.FontObjects()[1]);
    QVERIFY(ui.InputArea->testAttribute(Qt::WA_InputMethodEnabled));
  }

  void theNumericBoxSwitchesToTheNumeralsAndBack() {
    WriteFiles(0, 4);
    frmSpace& window = StartWindow();
    const frmSpaceControls& ui = window.ui;
    ui.InputArea->setText(QStringLiteral("ka"));
    ui.FuriganaTxt->setText(QStringLiteral("ｶ"));

    ui.CheckBoxNumeric->click();
    QVERIFY(state_->NumericMode);
    QCOMPARE(window.Signs().LanguageIndex(), 6);
    QCOMPARE(state_->SystemIndex, int16_t{4});
    QCOMPARE(ui.SignLabel->text(), QStringLiteral("Japanese & Korean Numeric"));
    QCOMPARE(ui.Label2->text(), QStringLiteral("Numeric"));
    QVERIFY(ui.InputArea->isHidden());
    QVERIFY(ui.CheckBoxNumeric->isChecked());
    QVERIFY(ui.MethodBtn->isHidden());
    QVERIFY(ui.InputArea->text().isEmpty());
    QVERIFY(ui.FuriganaTxt->text().isEmpty());

    ui.FuriganaTxt->setText(QStringLiteral("25"));
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("25"));
    QVERIFY(state_->SignSequenceCount > 0);
    QVERIFY(state_->SignSequence[0].Code > 46);

    ui.CheckBoxNumeric->click();
    QVERIFY(!state_->NumericMode);
    QCOMPARE(window.Signs().LanguageIndex(), 4);
    QCOMPARE(ui.SignLabel->text(), QStringLiteral("Japanese Sign Language (JSL)"));
    QVERIFY(!ui.InputArea->isHidden());
    QVERIFY(ui.FuriganaTxt->text().isEmpty());

    // From KSL the numerals hide the Hangul button and bring it back.
    state_->SystemIndex = 5;
    window.PositionInitializeRoutine(5);
    ui.CheckBoxNumeric->click();
    QVERIFY(ui.MethodBtn->isHidden());
    QCOMPARE(state_->NumeralBase, int16_t{41});
    ui.CheckBoxNumeric->click();
    QVERIFY(!ui.MethodBtn->isHidden());
    QCOMPARE(window.Signs().LanguageIndex(), 5);
  }

  void startSpellsTheBoxAndConversionOfTheSystem() {
    WriteFiles(0, 4);
    frmSpace& window = StartWindow();
    const frmSpaceControls& ui = window.ui;

    // JSL, English interface: the romaji of the word box.
    ui.InputArea->setText(QStringLiteral("ka"));
    ui.FuriganaTxt->setText(QStringLiteral("ｻ"));
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("ka"));
    QCOMPARE(state_->SignSequence[0].Code, int16_t{6});  // カ

    // JSL, Japanese interface: the reading box.
    state_->InterfaceLanguage = 1;
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("ｻ"));
    QCOMPARE(state_->SignSequence[0].Code, int16_t{11});  // サ
    state_->InterfaceLanguage = 0;

    // KSL in roman letters, then in Hangul.
    state_->SystemIndex = 5;
    window.PositionInitializeRoutine(5);
    ui.InputArea->setText(QStringLiteral("Ga"));
    ui.FuriganaTxt->setText(QStringLiteral("나"));
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("Ga"));
    QCOMPARE(state_->SignSequence[0].Code, int16_t{1});  // ㄱ
    ui.MethodBtn->click();
    ui.FuriganaTxt->setText(QStringLiteral("나"));
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("나"));
    QCOMPARE(state_->SignSequence[0].Code, int16_t{3});  // ㄴ

    // An alphabet: the lower box, by Enter as well.
    state_->SystemIndex = 2;
    window.PositionInitializeRoutine(2);
    ui.FuriganaTxt->setText(QStringLiteral("c"));
    QTest::keyClick(ui.FuriganaTxt, Qt::Key_Return);
    QCOMPARE(window.Signs().LastText(), QStringLiteral("c"));
    QCOMPARE(state_->SignSequence[0].Code, int16_t{3});
  }

  void rejectedTextPlaysNothingAndSaysSo() {
    WriteFiles(1, 4);  // the Japanese interface spells the reading box
    frmSpace& window = StartWindow();
    window.ui.FuriganaTxt->setText(QStringLiteral("ｶ"));
    QVERIFY(PressStart(window).isEmpty());
    const int drawn = window.ui.picSpace->PicturesDrawn();

    window.ui.FuriganaTxt->setText(QStringLiteral("abc"));
    QCOMPARE(PressStart(window), QStringList{"Unsupported character(s) in the string"});
    QCOMPARE(window.ui.picSpace->PicturesDrawn(), drawn);

    // The numerals say what is wrong themselves, once.
    window.ui.CheckBoxNumeric->click();
    window.ui.FuriganaTxt->setText(QStringLiteral("12a"));
    QCOMPARE(PressStart(window), QStringList{"Invalid number"});
    QCOMPARE(window.ui.picSpace->PicturesDrawn(), drawn);
  }

  void typedRomajiAndRomanizedKoreanAreShownConverted() {
    WriteFiles(0, 4);
    frmSpace& window = ShowWindow();
    const frmSpaceControls& ui = window.ui;
    QTest::keyClicks(ui.InputArea, QStringLiteral("gakkou"));
    QCOMPARE(ui.FuriganaTxt->text(), QStringLiteral("ｶﾞｯｺｳ"));
    // Not romaji: the last katakana stay.
    QTest::keyClicks(ui.InputArea, QStringLiteral("l"));
    QCOMPARE(ui.FuriganaTxt->text(), QStringLiteral("ｶﾞｯｺｳ"));

    // A click into the word box empties both boxes.
    QTest::mouseClick(ui.InputArea, Qt::LeftButton);
    QVERIFY(ui.InputArea->text().isEmpty());
    QVERIFY(ui.FuriganaTxt->text().isEmpty());

    state_->SystemIndex = 5;
    window.PositionInitializeRoutine(5);
    QTest::keyClicks(ui.InputArea, QStringLiteral("HanGug"));
    QCOMPARE(ui.FuriganaTxt->text(), QStringLiteral("한국"));

    // Entering the speed or the lower box selects what it holds, ready to be typed over.
    QTest::mouseClick(ui.Text1, Qt::LeftButton);
    QTRY_COMPARE(ui.Text1->selectedText(), QStringLiteral("100"));
    QTest::mouseClick(ui.FuriganaTxt, Qt::LeftButton);
    QTRY_COMPARE(ui.FuriganaTxt->selectedText(), QStringLiteral("한국"));

    // Typed Hangul is not converted again.
    ui.MethodBtn->click();
    ui.FuriganaTxt->setText(QStringLiteral("나"));
    QTest::keyClicks(ui.InputArea, QStringLiteral("Ga"));
    QCOMPARE(ui.FuriganaTxt->text(), QStringLiteral("나"));
  }

  void theViewControlsTurnTiltAndZoom() {
    WriteFiles(0, 2);
    frmSpace& window = ShowWindow();
    const frmSpaceControls& ui = window.ui;
    ViewState& view = state_->View;

    int drawn = ui.picSpace->PicturesDrawn();
    QTest::mouseClick(ui.Option1[1], Qt::LeftButton);
    QCOMPARE(view.ViewAzimuth, 180.1f);
    QCOMPARE(ui.picSpace->PicturesDrawn(), drawn + 1);
    QTest::mouseClick(ui.Option1[0], Qt::LeftButton);
    QCOMPARE(view.ViewAzimuth, 0.1f);

    // Each pass of a held button changes the view by 5 and redraws; the test lets go
    // after `passes` passes.
    HandView& area = *ui.picSpace;
    const auto hold = [&](Qt::MouseButton button, QPoint at, int passes) {
      int done = 0;
      const std::function<void()> redraw = area.ViewChanged;
      area.ViewChanged = [&, redraw] {
        redraw();
        if (++done == passes) QTest::mouseRelease(&area, button, {}, at);
      };
      QTest::mousePress(&area, button, {}, at);
      area.ViewChanged = redraw;
      QCOMPARE(done, passes);
      QVERIFY(!area.MouseHeld);
    };

    const float start[3] = {view.ViewAzimuth, view.ViewElevation, view.ViewAngle};
    hold(Qt::LeftButton, NinthOf(area, 0, 0), 2);  // top left: turn and tilt
    QCOMPARE(view.ViewAzimuth, start[0] + 10.0f);
    QCOMPARE(view.ViewElevation, start[1] - 10.0f);
    QCOMPARE(view.ViewAngle, start[2]);
    hold(Qt::RightButton, NinthOf(area, 2, 1), 3);  // right middle: turn back
    QCOMPARE(view.ViewAzimuth, start[0] + 25.0f);
    hold(Qt::LeftButton, NinthOf(area, 1, 2), 1);  // bottom middle
    QCOMPARE(view.ViewElevation, start[1] - 5.0f);
    hold(Qt::LeftButton, NinthOf(area, 1, 1), 3);  // the middle zooms in
    QCOMPARE(view.ViewAngle, start[2] - 15.0f);

    drawn = area.PicturesDrawn();
    hold(Qt::LeftButton, NinthOf(area, 1, 0), 30);  // top middle, past the limit
    QCOMPARE(view.ViewElevation, -90.0f);
    QCOMPARE(area.PicturesDrawn(), drawn + 30);
    hold(Qt::LeftButton, NinthOf(area, 1, 1), 10);
    QCOMPARE(view.ViewAngle, 0.0f);
    hold(Qt::RightButton, NinthOf(area, 1, 1), 40);
    QCOMPARE(view.ViewAngle, 180.0f);

    QTest::mouseClick(ui.cmdHome, Qt::LeftButton);
    QCOMPARE(view.ViewAzimuth, 0.1f);
    QCOMPARE(view.ViewElevation, 20.0f);
    QCOMPARE(view.ViewAngle, 40.0f);
  }

  void thePictureStaysCentredWhenTheWindowIsResized() {
    WriteFiles(0, 2);
    frmSpace& window = ShowWindow();
    HandView& area = *window.ui.picSpace;
    window.Engine().Redraw(0);
    const QImage before = area.grabFramebuffer();
    QCOMPARE(before.size(), area.size() * area.devicePixelRatio());
    const QPointF centre = LitCentre(before);
    QVERIFY(centre.x() > 0.4 && centre.x() < 0.6);

    window.resize(1200, 900);
    QTRY_VERIFY(area.width() > 700);
    const QImage after = area.grabFramebuffer();
    QCOMPARE(after.size(), area.size() * area.devicePixelRatio());
    const QPointF moved = LitCentre(after);
    QVERIFY(std::abs(moved.x() - centre.x()) < 0.05);
    QVERIFY(std::abs(moved.y() - centre.y()) < 0.05);
  }

  void aFailedLoadSaysWhichFileAndWhyThenOpensTheDialog() {
    QVERIFY(WriteAngleTable(Dir() + "mine.csv", 2, 5));
    QVERIFY(WriteFileContents(Dir() + "broken.csv", "not angle data\r\n"));
    QVERIFY(WriteAngleTable(Dir() + "noextension", 2, 7));
    WriteSettingsFile(0, 0);

    QString title;
    QStringList types;
    AnswerNextModal<Obtain_FilePath2>([&](Obtain_FilePath2& dialog) {
      title = dialog.Label->text();
      for (int i = 0; i < dialog.Combo1->count(); ++i) types << dialog.Combo1->itemText(i);
      ClickFile(*dialog.File1, QStringLiteral("mine.csv"));
      dialog.cmload->click();
    });
    QStringList shown = MessagesDuring([this] { StartWindow(); });
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith("Error " + QDir::toNativeSeparators(Dir() + "PositionBSL.csv") +
                                 ": cannot open"),
             qPrintable(shown[0]));
    QCOMPARE(title, QStringLiteral("File Load"));
    QCOMPARE(types, (QStringList{"Angle Data (*.csv)", "All Files (*.*)"}));
    QCOMPARE(state_->SignCount, int16_t{6});

    // "Open" with a file that does not load names it; nothing else changes.
    AnswerNextModal<Obtain_FilePath2>([](Obtain_FilePath2& dialog) {
      ClickFile(*dialog.File1, QStringLiteral("broken.csv"));
      dialog.cmload->click();
    });
    shown = MessagesDuring([this] { window_->menus.mnuOpen->trigger(); });
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith("Error " + QDir::toNativeSeparators(Dir() + "broken.csv") + ": "),
             qPrintable(shown[0]));
    QCOMPARE(state_->SignCount, int16_t{6});

    // Under "All Files (*.*)" a file of any name is read as angle data.
    AnswerNextModal<Obtain_FilePath2>([](Obtain_FilePath2& dialog) {
      dialog.Combo1->setCurrentIndex(1);
      ClickFile(*dialog.File1, QStringLiteral("noextension"));
      dialog.cmload->click();
    });
    window_->menus.mnuOpen->trigger();
    QCOMPARE(state_->SignCount, int16_t{8});

    // Cancelling loads nothing and says nothing.
    AnswerNextModal<Obtain_FilePath2>([](Obtain_FilePath2& dialog) { dialog.cmcancel->click(); });
    QVERIFY(MessagesDuring([this] { window_->menus.mnuOpen->trigger(); }).isEmpty());
    QCOMPARE(state_->SignCount, int16_t{8});
  }

  void startUpShowsTheRestPoseAndTypingGoesToTheWordBox() {
    WriteFiles(0, 2);
    frmSpace& window = ShowWindow();
    // Slot 0 of the test tables holds its wrist at height 0, every other slot higher.
    QCOMPARE(state_->Hands[0]->pose(2), 0.0f);
    QCOMPARE(state_->Hands[0]->Arthro(1, 1, 1), 0.0f);
    window.FocusWordBox();
    QCOMPARE(window.focusWidget(), window.ui.FuriganaTxt);
    QTest::keyClicks(window.focusWidget(), "abc");
    QCOMPARE(window.ui.FuriganaTxt->text(), QStringLiteral("abc"));

    // JSL with the English interface is typed in romaji, in the upper box.
    AnswerNextModal<frmOption>([](frmOption& choice) {
      choice.Option1[4]->setChecked(true);
      choice.cmdOK->click();
    });
    window.menus.mnuOption->trigger();
    QCOMPARE(window.focusWidget(), window.ui.InputArea);
  }

  void theSystemLabelOpensTheSystemChoice() {
    WriteFiles(0, 0);
    frmSpace& window = ShowWindow();
    window.ui.FuriganaTxt->setText(QStringLiteral("abc"));
    bool marked = false;
    AnswerNextModal<frmOption>([&](frmOption& choice) {
      marked = choice.Option1[0]->isChecked();
      QTest::mouseClick(choice.Option1[5], Qt::LeftButton);
      choice.cmdOK->click();
    });
    QTest::mouseClick(window.ui.SignLabel, Qt::LeftButton);
    QVERIFY(marked);
    QCOMPARE(state_->SystemIndex, int16_t{5});
    QCOMPARE(window.ui.SignLabel->text(), QStringLiteral("Korean Sign Language (KSL)"));
    QCOMPARE(window.Signs().LanguageIndex(), 5);
    QVERIFY(window.ui.FuriganaTxt->text().isEmpty());
    QCOMPARE(state_->HandCount, int16_t{1});

    // Closing the choice keeps the system and still reloads it.
    AnswerNextModal<frmOption>([](frmOption& choice) { choice.close(); });
    window.menus.mnuOption->trigger();
    QCOMPARE(state_->SystemIndex, int16_t{5});
  }

  void aWordPlaysAtSixtyStepsASecondAndTheWindowClosesAfterIt() {
    WriteFiles(0, 2);
    frmSpace& window = ShowWindow();
    QSignalSpy swapped(window.ui.picSpace, &QOpenGLWidget::frameSwapped);
    window.ui.FuriganaTxt->setText(QStringLiteral("ab"));
    window.ui.Text1->setText(QStringLiteral("1"));  // delay 4000: 4 steps per shape

    // Asked to close in the middle of the word, the window waits for its end.
    bool askedWhilePlaying = false;
    QTimer::singleShot(60, &window, [&] {
      askedWhilePlaying = true;
      window.close();
    });
    window.ui.cmdInput->click();
    QVERIFY(askedWhilePlaying);
    QVERIFY(!window.isVisible());
    QVERIFY(QFile::exists(Dir() + kSettingsFileName));
    // Two shapes of five pictures each, every one presented on screen.
    QCOMPARE(window.ui.picSpace->PicturesDrawn(), 10);
    QVERIFY(swapped.count() >= 10);
  }
};

TOVARO_GUI_TEST(MainWindowTest);

#include "main_window_test.moc"
