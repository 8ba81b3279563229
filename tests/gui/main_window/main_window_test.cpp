#include "gui/main_window/main_window.h"

#include "gui/dialogs/system_choice_dialog.h"
#include "convert/sign_class.h"
#include "support/file_contents.h"
#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/list_items.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/modal_answer.h"
#include "gui/dialogs/file_dialog.h"
#include "playback/view_controls.h"
#include "shell/program_places.h"

#include <QFontInfo>
#include <QInputMethodEvent>
#include <QScrollArea>
#include <QScopeGuard>
#include <QStatusBar>
#include <QtTest>

namespace {

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

// The input area as the user sees it: the system's name, then each box shown with its
// caption, the Hangul button and the Numeric box.
QString Layout(const MainWindowControls& ui) {
  QStringList parts{ui.systemLabel->text()};
  const auto box = [&parts](const QLabel* label, const QWidget* field, const char* name) {
    const QString caption = label->isHidden() ? QString() : label->text() + u": "_qs;
    parts << caption + (field->isHidden() ? u"-"_qs : QString::fromLatin1(name));
  };
  box(ui.wordLabel, ui.wordBox, "word");
  box(ui.readingLabel, ui.readingBox, "reading");
  if (!ui.hangulModeButton->isHidden()) parts << u"Hangul"_qs;
  if (!ui.numericBox->isHidden()) parts << (ui.numericBox->isChecked() ? u"[x] numeric"_qs : u"[ ] numeric"_qs);
  return parts.join(u" | ");
}

// What an input method commits into a box, as it does the kana or Hangul it composed.
void Commit(QLineEdit& box, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QCoreApplication::sendEvent(&box, &event);
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
    MainWindow& window = *window_;
    QVERIFY(started_);
    QVERIFY(shown.isEmpty());

    QCOMPARE(window_->CurrentSettings().Interface, std::optional(InterfaceLanguage::English));
    QCOMPARE(window_->CurrentSettings().System, SystemId::BritishTwoHanded);
    QCOMPARE(ControlsOf(window).speedBox->text(), QStringLiteral("100"));
    QVERIFY(!MenusOf(window).mnuEdit->isVisible());
    QVERIFY(!MenusOf(window).mnuBmp->isVisible());
    QVERIFY(MenusOf(window).mnuExport->isVisible());
    QCOMPARE(ControlsOf(window).systemLabel->text(), QStringLiteral("British Sign Language (BSL)"));
    QCOMPARE(ControlsOf(window).startButton->text(), QStringLiteral("Start"));
    QCOMPARE(window_->Table().HandCount, int16_t{2});
    QCOMPARE(window_->Table().SignCount, int16_t{28});

    QVERIFY(!QFile::exists(Dir() + kSettingsFileName));
    window.close();
    QCOMPARE(FileContents(Dir() + kSettingsFileName),
             QByteArray("Message, 0 \r\nLanguage, 0 \r\nEnglishFont,Times New Roman, 10 \r\n"
                        "JapaneseFont,System, 10 \r\nKoreanFont,Arial Unicode MS, 12 \r\n"
                        "Speed, 100 \r\nEditable, 0 \r\nMotion,Lifelike\r\n"));
  }

  // A folder where the settings file belongs can be neither read nor replaced; the user
  // is told, rather than finding old settings at the next start.
  void settingsThatCannotBeWrittenAreReportedAtExit() {
    WriteTables();
    QVERIFY(QDir(Dir()).mkdir(kSettingsFileName));
    MessagesDuring([this] { StartWindow(); });
    MainWindow& window = *window_;
    window.show();
    const QStringList shown = MessagesDuring([&window] { window.close(); });
    QCOMPARE(shown, QStringList{"The settings could not be written to " + Dir() + kSettingsFileName});
    QVERIFY(!window.isVisible());
  }

  void exitWritesWhatChangedAndTheEditingCodeShowsItsMenus() {
    WriteFiles(InterfaceLanguage::English, SystemId::American, 742);
    const QString settingsPath = Dir() + kSettingsFileName;
    QVERIFY(WriteFileContents(settingsPath, FileContents(settingsPath).replace("Message, 0 ", "Message, 7 ")));
    MainWindow& window = StartWindow();
    // A language the interface has no captions for would leave every caption empty: the
    // interface starts in English.
    QCOMPARE(window.CurrentSettings().Interface, std::optional(InterfaceLanguage::English));
    QCOMPARE(ControlsOf(window).startButton->text(), QStringLiteral("Start"));
    QCOMPARE(ControlsOf(window).systemLabel->text(), QStringLiteral("American Sign Language (ASL)"));
    QVERIFY(MenusOf(window).mnuEdit->isVisible());
    QVERIFY(MenusOf(window).mnuBmp->isVisible());
    // Entries whose windows come later are there, and disabled.
    for (QAction* ready : {MenusOf(window).mnuOpen, MenusOf(window).mnuExport, MenusOf(window).mnuBmp,
                           MenusOf(window).mnuOption, MenusOf(window).mnuEdit, MenusOf(window).mnuLang,
                           MenusOf(window).mnuFont, MenusOf(window).mnuAbout, MenusOf(window).mnuEnglishHelp,
                           MenusOf(window).mnuList, MenusOf(window).mnuQuiz})
      QVERIFY2(ready->isEnabled(), qPrintable(ready->objectName()));

    QCOMPARE(ControlsOf(window).handView->View().ViewAzimuth, StartView(1).ViewAzimuth);
    ControlsOf(window).speedBox->setText(QStringLiteral("12.25"));
    // The described motion, chosen in the View menu, plays the next word and is kept
    // as a file without a Motion line.
    auto* lifelike = window.findChild<QAction*>(QStringLiteral("mnuLifelike"));
    QVERIFY(lifelike->isChecked());
    QCOMPARE(window.Signs().Motion(), MotionStyle::Lifelike);
    lifelike->trigger();
    QCOMPARE(window.Signs().Motion(), MotionStyle::Described);
    MenusOf(window).mnuExit->trigger();
    QVERIFY(!window.isVisible());
    const QByteArray written = FileContents(Dir() + kSettingsFileName);
    QVERIFY(written.startsWith("Message, 0 \r\nLanguage, 2 \r\n"));
    QVERIFY(written.contains("Speed, 12.25 \r\n"));
    // The one-handed alphabet was seen from its learner's start all along, which is no
    // change of the view: the file has no View line.
    QVERIFY(written.endsWith("Editable, 742 \r\n"));
  }

  void aWrongCaseFourthKeyKeepsWhatCameBeforeIt() {
    WriteTables();
    QVERIFY(WriteFileContents(Dir() + kSettingsFileName,
                      "Message, 1 \r\nLanguage, 2 \r\nEnglishFont,DejaVu Sans, 11 \r\n"
                      "japaneseFont,IPAGothic, 14 \r\nKoreanFont,Gulim, 9 \r\nSpeed, 55 \r\n"
                      "Editable, 742 \r\n"));
    const QStringList shown = MessagesDuring([this] { StartWindow(); });
    MainWindow& window = *window_;
    QCOMPARE(shown, QStringList{"Initial file could not be loaded"});
    // What came before the fourth key is used, and nothing from it on: its font, the
    // speed and the editing code keep their defaults.
    QCOMPARE(window_->CurrentSettings().Interface, std::optional(InterfaceLanguage::Japanese));
    QCOMPARE(window_->CurrentSettings().System, SystemId::American);
    QCOMPARE(window_->CurrentSettings().Fonts[0], (FontDescription{QStringLiteral("DejaVu Sans"), 11}));
    QCOMPARE(window_->CurrentSettings().Fonts[1], DefaultFonts()[1]);
    QCOMPARE(ControlsOf(window).speedBox->text(), QStringLiteral("100"));
    QVERIFY(!MenusOf(window).mnuEdit->isVisible());

    // The interface fonts: bold, and the captions of the Japanese interface in the
    // Japanese font, the system's name underlined.
    QCOMPARE(window.FontObjects()[0].family(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(window.FontObjects()[0].pointSize(), 11);
    QVERIFY(window.FontObjects()[0].bold());
    QVERIFY(ControlsOf(window).systemLabel->font().underline());
    QCOMPARE(ControlsOf(window).systemLabel->font().family(), window.FontObjects()[1].family());
  }

  void eachSystemAndTheNumeralsLayOutTheirBoxesAndCaptions() {
    WriteFiles(InterfaceLanguage::English, SystemId::BritishTwoHanded);
    MainWindow& window = StartWindow();
    const MainWindowControls ui = ControlsOf(window);
    const std::pair<SystemId, const char*> names[] = {
        {SystemId::BritishTwoHanded, "British Sign Language (BSL)"},
        {SystemId::IndonesianTwoHanded, "Indonesian Alphabet"},
        {SystemId::American, "American Sign Language (ASL)"},
        {SystemId::DerivedAmerican, "Derived ASL Alphabet"}};
    for (const auto& [system, name] : names) {
      const bool twoHanded = system == SystemId::BritishTwoHanded || system == SystemId::IndonesianTwoHanded;
      window.Systems().ChooseSystem(system);
      QCOMPARE(Layout(ui), QString::fromLatin1(name) + " | - | Word: reading");
      QCOMPARE(ui.readingBox->font().pointSize(), 12);
      QCOMPARE(ui.readingBox->font().family(), window.FontObjects()[0].family());
      QVERIFY(!ui.readingBox->testAttribute(Qt::WA_InputMethodEnabled));
      QCOMPARE(window_->Table().HandCount, int16_t(twoHanded ? 2 : 1));
      QCOMPARE(window_->Table().ColumnCount, int16_t(twoHanded ? 103 : 52));
      QCOMPARE(window.Signs().CurrentSystem(), std::optional(system));
      QVERIFY(!window_->Systems().NumericMode());
      // A view not turned goes to the start of the table's hands.
      QCOMPARE(ui.handView->View().ViewAzimuth, StartView(twoHanded ? 2 : 1).ViewAzimuth);
    }
    // A view the user turned stays where it is from one table to the other.
    ui.handView->View().ViewElevation = 33.0f;
    window.Systems().ChooseSystem(SystemId::BritishTwoHanded);
    QCOMPARE(ui.handView->View().ViewElevation, 33.0f);
    QCOMPARE(ui.handView->View().ViewAzimuth, StartView(1).ViewAzimuth);

    window.Systems().ChooseSystem(SystemId::JapaneseKana);
    QCOMPARE(Layout(ui), "Japanese Sign Language (JSL) | Word: word | Katakana: reading | [ ] numeric");
    QCOMPARE(ui.readingBox->font(), window.FontObjects()[1]);
    QCOMPARE(ui.wordBox->font(), window.FontObjects()[0]);  // romaji
    QCOMPARE(window_->Signs().NumeralBase(), int16_t{46});
    QCOMPARE(window_->Table().SignCount, int16_t{82});

    window.Systems().ChooseSystem(SystemId::KoreanHangul);
    QCOMPARE(Layout(ui), "Korean Sign Language (KSL) | Word: word | Hangul: reading | Hangul | [ ] numeric");
    QCOMPARE(ui.readingBox->font(), window.FontObjects()[2]);
    QCOMPARE(window_->Signs().NumeralBase(), int16_t{41});

    // Hangul typed straight into the lower box: the word box goes, the picture changes.
    QVERIFY(!window.Systems().HangulMode());
    const qint64 latinPicture = ui.hangulModeButton->icon().cacheKey();
    ui.hangulModeButton->click();
    QVERIFY(window.Systems().HangulMode());
    QCOMPARE(Layout(ui), "Korean Sign Language (KSL) | - | Word: reading | Hangul | [ ] numeric");
    QVERIFY(ui.hangulModeButton->icon().cacheKey() != latinPicture);
    ui.hangulModeButton->click();
    QVERIFY(!window.Systems().HangulMode());
    QCOMPARE(Layout(ui), "Korean Sign Language (KSL) | Word: word | Hangul: reading | Hangul | [ ] numeric");
    QCOMPARE(ui.hangulModeButton->icon().cacheKey(), latinPicture);

    // The Numeric box lays out the numerals, which spell on the table in use
    // (SystemControllerTest), and back; the boxes are emptied and JSL stays the system.
    window.Systems().ChooseSystem(SystemId::JapaneseKana);
    ui.wordBox->setText(QStringLiteral("ka"));
    ui.readingBox->setText(QStringLiteral("ｶ"));
    ui.numericBox->click();
    QCOMPARE(window_->CurrentSettings().System, SystemId::JapaneseKana);
    QCOMPARE(Layout(ui), "Japanese & Korean Numeric | - | Numeric: reading | [x] numeric");
    QVERIFY(ui.wordBox->text().isEmpty());
    QVERIFY(ui.readingBox->text().isEmpty());

    ui.readingBox->setText(QStringLiteral("25"));
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("25"));
    QVERIFY(!window_->Signs().Sequence().empty());
    QVERIFY(window_->Signs().Sequence()[0].Code > 46);

    ui.numericBox->click();
    QCOMPARE(Layout(ui), "Japanese Sign Language (JSL) | Word: word | Katakana: reading | [ ] numeric");
    QVERIFY(ui.readingBox->text().isEmpty());

    // From KSL the numerals hide the Hangul button and bring it back.
    window.Systems().ChooseSystem(SystemId::KoreanHangul);
    ui.numericBox->click();
    QCOMPARE(Layout(ui), "Japanese & Korean Numeric | - | Numeric: reading | [x] numeric");
    QCOMPARE(window_->Signs().NumeralBase(), int16_t{41});
    ui.numericBox->click();
    QCOMPARE(Layout(ui), "Korean Sign Language (KSL) | Word: word | Hangul: reading | Hangul | [ ] numeric");
    QCOMPARE(window.Signs().CurrentSystem(), std::optional(SystemId::KoreanHangul));

    // With the Japanese interface JSL takes a word typed through the input method.
    window.ChooseInterfaceLanguage(InterfaceLanguage::Japanese);
    window.Systems().ChooseSystem(SystemId::JapaneseKana);
    QCOMPARE(ui.wordBox->font(), window.FontObjects()[1]);
  }

  void startSpellsTheBoxAndConversionOfTheSystem() {
    WriteFiles(InterfaceLanguage::English, SystemId::JapaneseKana);
    MainWindow& window = StartWindow();
    const MainWindowControls ui = ControlsOf(window);

    // JSL, English interface: the romaji of the word box.
    ui.wordBox->setText(QStringLiteral("ka"));
    ui.readingBox->setText(QStringLiteral("ｻ"));
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("ka"));
    QCOMPARE(window_->Signs().Sequence()[0].Code, int16_t{6});  // カ
    // Kana in the Katakana box replace the romaji and spell in every form typed; kana
    // in the word box spell too, and what cannot be spelled is named.
    for (const QString& kana : {u"ネコ"_qs, u"ねこ"_qs, u"ﾈｺ"_qs}) {
      ui.readingBox->clear();
      Commit(*ui.readingBox, kana);
      QVERIFY(ui.wordBox->text().isEmpty());
      QVERIFY(PressStart(window).isEmpty());
      QCOMPARE(window.Signs().LastText(), u"ﾈｺ"_qs);
    }
    ui.readingBox->clear();
    Commit(*ui.wordBox, u"ぶどう"_qs);
    QCOMPARE(ui.readingBox->text(), u"ﾌﾞﾄﾞｳ"_qs);
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), u"ﾌﾞﾄﾞｳ"_qs);
    ui.wordBox->setText(u"ネコ猫"_qs);
    QCOMPARE(PressStart(window), QStringList{"Unsupported character(s) in the string: 猫"});
    QCOMPARE(window.Signs().LastText(), u"ﾈｺ猫"_qs);
    ui.readingBox->setText(QStringLiteral("ｻ"));

    // JSL, Japanese interface: the reading box.
    window.ChooseInterfaceLanguage(InterfaceLanguage::Japanese);
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("ｻ"));
    QCOMPARE(window_->Signs().Sequence()[0].Code, int16_t{11});  // サ
    // Rejected text plays nothing and says so, in the interface language; the numerals
    // say what is wrong themselves.
    const int drawn = ui.handView->PicturesDrawn();
    ui.readingBox->setText(QStringLiteral("abc"));
    QCOMPARE(PressStart(window), QStringList{u"表せない文字が含まれています: a b c"_qs});
    ui.numericBox->click();
    ui.readingBox->setText(QStringLiteral("12a"));
    QCOMPARE(PressStart(window), QStringList{u"数字が正しくありません"_qs});
    QCOMPARE(ui.handView->PicturesDrawn(), drawn);
    ui.numericBox->click();
    window.ChooseInterfaceLanguage(InterfaceLanguage::English);

    // KSL in roman letters, then in Hangul.
    window.Systems().ChooseSystem(SystemId::KoreanHangul);
    ui.wordBox->setText(QStringLiteral("Ga"));
    ui.readingBox->setText(QStringLiteral("나"));
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("Ga"));
    QCOMPARE(window_->Signs().Sequence()[0].Code, int16_t{1});  // ㄱ
    // Romanization typed into the box captioned "Word", over the Hangul of an older word,
    // is what Start spells; so is Hangul committed there.
    ui.wordBox->clear();
    QTest::keyClicks(ui.wordBox, u"annyeong"_qs);
    QCOMPARE(ui.readingBox->text(), u"안녕"_qs);
    ui.readingBox->selectAll();
    QTest::keyClicks(ui.readingBox, u"saram"_qs);
    QVERIFY(ui.wordBox->text().isEmpty());
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), u"SaRam"_qs);
    // No word about romanization for a text that converted, only the word's pace.
    QVERIFY2(window.statusBar()->currentMessage().startsWith(u"5 signs, "_qs), qPrintable(window.statusBar()->currentMessage()));
    ui.readingBox->clear();
    Commit(*ui.readingBox, u"안녕"_qs);
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), u"안녕"_qs);
    // Romanization that does not convert says why.
    QTest::keyClicks(ui.wordBox, u"xyz"_qs);
    QCOMPARE(PressStart(window), QStringList{"Unsupported character(s) in the string"});
    QCOMPARE(window.statusBar()->currentMessage(), u"Not spelled: \"xyz\" is not romanized Korean"_qs);
    ui.hangulModeButton->click();
    ui.readingBox->setText(QStringLiteral("나"));
    QVERIFY(PressStart(window).isEmpty());
    QCOMPARE(window.Signs().LastText(), QStringLiteral("나"));
    QCOMPARE(window_->Signs().Sequence()[0].Code, int16_t{3});  // ㄴ

    // An alphabet: the lower box, by Enter as well.
    window.Systems().ChooseSystem(SystemId::American);
    ui.readingBox->setText(QStringLiteral("c"));
    QTest::keyClick(ui.readingBox, Qt::Key_Return);
    QCOMPARE(window.Signs().LastText(), QStringLiteral("c"));
    QCOMPARE(window_->Signs().Sequence()[0].Code, int16_t{3});
  }

  void typedRomajiAndRomanizedKoreanAreShownConverted() {
    WriteFiles(InterfaceLanguage::English, SystemId::JapaneseKana);
    MainWindow& window = ShowWindow();
    const MainWindowControls ui = ControlsOf(window);
    QTest::keyClicks(ui.wordBox, QStringLiteral("gakkou"));
    QCOMPARE(ui.readingBox->text(), QStringLiteral("ｶﾞｯｺｳ"));
    // Not romaji: the last katakana stay.
    QTest::keyClicks(ui.wordBox, QStringLiteral("l"));
    QCOMPARE(ui.readingBox->text(), QStringLiteral("ｶﾞｯｺｳ"));

    // A click into the word box empties both boxes.
    QTest::mouseClick(ui.wordBox, Qt::LeftButton);
    QVERIFY(ui.wordBox->text().isEmpty());
    QVERIFY(ui.readingBox->text().isEmpty());

    window.Systems().ChooseSystem(SystemId::KoreanHangul);
    QTest::keyClicks(ui.wordBox, QStringLiteral("HanGug"));
    QCOMPARE(ui.readingBox->text(), QStringLiteral("한국"));

    // Entering the speed or the lower box selects what it holds, ready to be typed over.
    QTest::mouseClick(ui.speedBox, Qt::LeftButton);
    QTRY_COMPARE(ui.speedBox->selectedText(), QStringLiteral("100"));
    QTest::mouseClick(ui.readingBox, Qt::LeftButton);
    QTRY_COMPARE(ui.readingBox->selectedText(), QStringLiteral("한국"));

    // Typed Hangul is not converted again.
    ui.hangulModeButton->click();
    ui.readingBox->setText(QStringLiteral("나"));
    QTest::keyClicks(ui.wordBox, QStringLiteral("Ga"));
    QCOMPARE(ui.readingBox->text(), QStringLiteral("나"));
  }

  void thePictureStaysCentredTheViewControlsMoveItAndNaturalHandsAreDrawnOrFallBack() {
    WriteFiles(InterfaceLanguage::English, SystemId::American);
    MainWindow& window = ShowWindow();
    const MainWindowControls ui = ControlsOf(window);
    HandView& area = *ui.handView;
    ViewState& view = area.View();
    // A one-handed alphabet is first seen as a watching learner sees it.
    const ViewState learner = StartView(1);
    QCOMPARE(view.ViewAzimuth, learner.ViewAzimuth);
    QCOMPARE(view.ViewElevation, learner.ViewElevation);
    const QImage before = area.Picture();
    QCOMPARE(before.size(), area.size() * area.devicePixelRatio());
    const QPointF centre = LitCentre(before);
    QVERIFY(centre.x() > 0.4 && centre.x() < 0.6);
    window.resize(1200, 900);
    QTRY_VERIFY(area.width() > 700);
    const QImage after = area.Picture();
    QCOMPARE(after.size(), area.size() * area.devicePixelRatio());
    const QPointF moved = LitCentre(after);
    QVERIFY(std::abs(moved.x() - centre.x()) < 0.05);
    QVERIFY(std::abs(moved.y() - centre.y()) < 0.05);

    int drawn = ui.handView->PicturesDrawn();
    QTest::mouseClick(ui.viewPointOptions[1], Qt::LeftButton);
    QCOMPARE(view.ViewAzimuth, 180.1f);
    QCOMPARE(ui.handView->PicturesDrawn(), drawn + 1);
    QTest::mouseClick(ui.viewPointOptions[0], Qt::LeftButton);
    QCOMPARE(view.ViewAzimuth, learner.ViewAzimuth);

    // Each pass of a held button (one a step) turns or tilts the view by 5, or zooms it
    // by half a degree, and redraws; the
    // test lets go after `passes` passes, and no pass comes after.
    ManualStepSource& holdSteps = UseManualSteps(area);
    const auto hold = [&](Qt::MouseButton button, QPoint at, int passes) {
      int done = 0;
      const QMetaObject::Connection counting =
          connect(&area, &HandView::viewChanged, &area, [&] {
            if (++done == passes) QTest::mouseRelease(&area, button, {}, at);
          });
      QTest::mousePress(&area, button, {}, at);
      QCOMPARE(holdSteps.Advance(passes + 5), passes);
      QVERIFY(!area.IsMouseHeld());
      disconnect(counting);
      QCOMPARE(done, passes);
    };

    // What each ninth of the picture does is ViewControls' own test.
    const float start[3] = {view.ViewAzimuth, view.ViewElevation, view.ViewAngle};
    hold(Qt::LeftButton, NinthOf(area, 0, 0), 2);  // top left: turn and tilt
    QCOMPARE(view.ViewAzimuth, start[0] + 10.0f);
    QCOMPARE(view.ViewElevation, start[1] - 10.0f);
    QCOMPARE(view.ViewAngle, start[2]);

    drawn = area.PicturesDrawn();
    hold(Qt::LeftButton, NinthOf(area, 1, 0), 30);  // top middle, past the limit
    QCOMPARE(view.ViewElevation, -90.0f);
    QCOMPARE(area.PicturesDrawn(), drawn + 30);
    hold(Qt::LeftButton, NinthOf(area, 1, 1), 10);  // the middle zooms in
    QCOMPARE(view.ViewAngle, 35.0f);
    hold(Qt::LeftButton, NinthOf(area, 1, 1), 40);  // and stops before the hands fill it
    QCOMPARE(view.ViewAngle, 20.0f);
    hold(Qt::RightButton, NinthOf(area, 1, 1), 4);
    QCOMPARE(view.ViewAngle, 22.0f);

    QTest::mouseClick(ui.homeButton, Qt::LeftButton);
    QCOMPARE(view.ViewAzimuth, learner.ViewAzimuth);
    QCOMPARE(view.ViewElevation, learner.ViewElevation);
    QCOMPARE(view.ViewAngle, 40.0f);
    // Home keeps the chosen view point.
    QTest::mouseClick(ui.viewPointOptions[1], Qt::LeftButton);
    hold(Qt::LeftButton, NinthOf(area, 0, 0), 1);
    QTest::mouseClick(ui.homeButton, Qt::LeftButton);
    QCOMPARE(view.ViewAzimuth, 180.1f);
    QCOMPARE(view.ViewElevation, learner.ViewElevation);
    QVERIFY(ui.viewPointOptions[1]->isChecked());
    // The View menu's Home, Alt+Home, works while the Word box has the focus.
    hold(Qt::LeftButton, NinthOf(area, 1, 2), 1);
    ui.readingBox->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(ui.readingBox->hasFocus(), 1000);
    drawn = area.PicturesDrawn();
    QTest::keyClick(ui.readingBox, Qt::Key_Home, Qt::AltModifier);
    QCOMPARE(view.ViewElevation, learner.ViewElevation);
    QCOMPARE(area.PicturesDrawn(), drawn + 1);
    QCOMPARE(window.findChild<QAction*>(QStringLiteral("mnuHome"))->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Home));

    // Natural hands are chosen in the view-point panel, drawn on a calm ground, fall back
    // to the classic ones with their message when they cannot be drawn, and are kept.
    QCheckBox* box = ui.viewPointGroup->findChild<QCheckBox*>(QStringLiteral("chkNatural"));
    QVERIFY(box != nullptr);
    QCOMPARE(box->accessibleName(), QStringLiteral("Natural hands"));
    QVERIFY(!box->isChecked());
    const QImage classic = area.Picture();
    box->click();
    QCOMPARE(area.Appearance(), HandAppearance::Natural);
    const QImage natural = area.Picture();
    QVERIFY(natural != classic);
    QVERIFY(qGray(natural.pixel(1, 1)) > 10);  // not the classic black
    QVERIFY(LitCentre(natural).x() > 0.2);
    const QStringList shown = MessagesDuring(
        [&ui] { emit ui.handView->naturalHandsUnavailable(QStringLiteral("no shaders here")); }, 1);
    QCOMPARE(shown, QStringList{"no shaders here"});
    QVERIFY(!ui.naturalHandsBox->isChecked());
    QCOMPARE(ui.handView->Appearance(), HandAppearance::Classic);
    QCOMPARE(window.CurrentSettings().Appearance, HandAppearance::Classic);
    box->click();
    window.close();
    QVERIFY(FileContents(Dir() + kSettingsFileName).contains("Editable, 0 \r\nAppearance,Natural\r\n"));
  }

  // Declined, the system shown before stays with its table (SystemControllerTest); the
  // window keeps its title and settings too, and a table that loads names itself.
  void aMissingTableWithTheDialogCancelledKeepsTheTitleAndTheSystem() {
    WriteFiles(InterfaceLanguage::English, SystemId::American);
    QVERIFY(QFile::remove(Dir() + "PositionBSL.csv"));
    MainWindow& window = StartWindow();
    QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionASL.csv"));
    const QString label = ControlsOf(window).systemLabel->text();

    AnswerNextModal<FileDialog>([](FileDialog& dialog) { Child<QPushButton>(dialog, "cmcancel")->click(); });
    const QStringList shown = MessagesDuring([&window] { window.Systems().ChooseSystem(SystemId::BritishTwoHanded); });
    QCOMPARE(shown.size(), 1);
    QCOMPARE(window.CurrentSettings().System, SystemId::American);
    QCOMPARE(ControlsOf(window).systemLabel->text(), label);
    QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionASL.csv"));
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

  // Made as small as 480 × 320, the window keeps the width at which the panel and the
  // playback bar show whole and takes the low height: the picture keeps its own place
  // and the panel beside it scrolls to each of its controls, none cut off.
  void atFourHundredEightyByThreeHundredTwentyEveryControlIsReachedBesideThePicture() {
    WriteTables();
    MainWindow& window = ShowWindow();
    window.Systems().ChooseSystem(SystemId::JapaneseKana);  // the most boxes
    window.resize(480, 320);
    QTRY_COMPARE_WITH_TIMEOUT(window.height(), 320, 2000);
    QCOMPARE(window.width(), std::max(480, window.minimumSizeHint().width()));
    const MainWindowControls ui = ControlsOf(window);
    auto* scroller = window.findChild<QScrollArea*>(QStringLiteral("ControlScroller"));
    QVERIFY(scroller != nullptr);
    QCOMPARE(scroller->accessibleName(), QStringLiteral("Controls"));
    QCoreApplication::processEvents();
    const QRect picture(ui.handView->mapTo(&window, QPoint()), ui.handView->size());
    const QRect panel(scroller->mapTo(&window, QPoint()), scroller->size());
    QVERIFY(!picture.intersects(panel));
    QVERIFY(window.rect().contains(panel));
    const QWidget* viewport = scroller->viewport();
    for (QWidget* control : scroller->widget()->findChildren<QWidget*>()) {
      if (!control->isVisibleTo(&window) || control->focusPolicy() == Qt::NoFocus) continue;
      scroller->ensureWidgetVisible(control, 0, 0);
      const QRect shown(control->mapTo(viewport, QPoint()), control->size());
      QVERIFY2(viewport->rect().contains(shown), qPrintable(control->objectName()));
    }
    for (const char* name : {"cmdReplay", "sldStep", "chkLetters"}) {
      const auto* control = window.findChild<QWidget*>(QString::fromLatin1(name));
      QVERIFY2(window.rect().contains(QRect(control->mapTo(&window, QPoint()), control->size())), name);
    }
  }

  // Installed system-wide: the executable in a read-only bin folder with no data beside
  // it, the data in the read-only share/tovaro of the same prefix, the user's files under
  // the XDG folders.
  void anInstalledProgramStartsFromItsDataAndWritesTheSettingsUnderTheUsersConfigFolder() {
    const QString bin = Dir() + "prefix/bin/";
    const QString data = Dir() + "prefix/share/tovaro/";
    QVERIFY(QDir().mkpath(bin) && QDir().mkpath(data));
    QVERIFY(WriteEverySystemTable(data));
    const QFileDevice::Permissions readOnly =
        QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::ReadOther | QFileDevice::ExeOther;
    QVERIFY(QFile::setPermissions(bin, readOnly) && QFile::setPermissions(data, readOnly));
    const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME"), savedData = qgetenv("XDG_DATA_HOME");
    const auto restored = qScopeGuard([&] {
      QFile::setPermissions(bin, readOnly | QFileDevice::WriteOwner);
      QFile::setPermissions(data, readOnly | QFileDevice::WriteOwner);
      for (const auto& [name, value] : {std::pair{"XDG_CONFIG_HOME", savedConfig}, {"XDG_DATA_HOME", savedData}})
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    });
    qputenv("XDG_CONFIG_HOME", (Dir() + "config").toUtf8());
    qputenv("XDG_DATA_HOME", (Dir() + "home-data").toUtf8());

    const ProgramPlaces places = ProgramPlacesFor(bin);
    QCOMPARE(places.DataFolder, data);
    QVERIFY2(places.SettingsFile().startsWith(Dir() + "config/"), qPrintable(places.SettingsFile()));
    QVERIFY2(places.UserFolder.startsWith(Dir() + "home-data/"), qPrintable(places.UserFolder));
    QVERIFY(QFileInfo(places.UserFolder).isDir());
    {
      MainWindow window(places);
      bool started = false;
      QVERIFY(MessagesDuring([&] { started = window.StartUp(); }).isEmpty());
      QVERIFY(started);
      QCOMPARE(window.windowTitle(), QStringLiteral("Tovaro — PositionBSL.csv"));
      QCOMPARE(window.Table().HandCount, int16_t{2});
      window.show();
      window.close();
    }
    QVERIFY(QFile::exists(places.SettingsFile()));
    QVERIFY(!QFile::exists(bin + kSettingsFileName));
    QVERIFY(!QFile::exists(data + kSettingsFileName));
  }

  void aFailedLoadSaysWhichFileAndWhyThenOpensTheDialog() {
    QVERIFY(WriteAngleTable(Dir() + "mine.csv", 2, 5));
    QVERIFY(WriteFileContents(Dir() + "broken.csv", "not angle data\r\n"));
    QVERIFY(WriteAngleTable(Dir() + "noextension", 2, 7));
    WriteSettingsFile(InterfaceLanguage::English, SystemId::BritishTwoHanded);

    QStringList shown = OpenFile(QStringLiteral("mine.csv"), 0, [this] { StartWindow(); });
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith("Error " + QDir::toNativeSeparators(Dir() + "PositionBSL.csv") +
                                 ": cannot open"),
             qPrintable(shown[0]));
    QCOMPARE(window_->Table().SignCount, int16_t{6});

    // "Open" with a file that does not load names it; nothing else changes.
    shown = OpenFile(QStringLiteral("broken.csv"));
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith("Error " + QDir::toNativeSeparators(Dir() + "broken.csv") + ": "),
             qPrintable(shown[0]));
    QCOMPARE(window_->Table().SignCount, int16_t{6});

    // Under "All Files (*.*)" a file of any name is read as angle data.
    OpenFile(QStringLiteral("noextension"), 1);
    QCOMPARE(window_->Table().SignCount, int16_t{8});

    // Cancelling loads nothing and says nothing.
    QVERIFY(OpenFile(QString()).isEmpty());
    QCOMPARE(window_->Table().SignCount, int16_t{8});
  }

  void startUpShowsTheRestPoseTypingGoesToTheWordBoxAndTheSystemIsChosen() {
    WriteFiles(InterfaceLanguage::English, SystemId::American);
    MainWindow& window = ShowWindow();
    // Slot 0 of the test tables holds its wrist at height 0, every other slot higher.
    QCOMPARE(window_->Engine().Hands()[0].pose(2), 0.0f);
    QCOMPARE(window_->Engine().Hands()[0].Arthro(1, 1, 1), 0.0f);
    window.Systems().FocusWordBox();
    QCOMPARE(window.focusWidget(), ControlsOf(window).readingBox);
    QTest::keyClicks(window.focusWidget(), "abc");
    QCOMPARE(ControlsOf(window).readingBox->text(), QStringLiteral("abc"));

    // JSL with the English interface is typed in romaji, in the upper box.
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& choice) {
      Child<QRadioButton>(choice, "Option1_4")->setChecked(true);
      Child<QPushButton>(choice, "cmdOK")->click();
    });
    MenusOf(window).mnuOption->trigger();
    QCOMPARE(window.focusWidget(), ControlsOf(window).wordBox);

    // The system label opens the choice too, with the system in use marked.
    ControlsOf(window).readingBox->setText(QStringLiteral("ｶ"));
    bool marked = false;
    AnswerNextModal<SystemChoiceDialog>([&](SystemChoiceDialog& choice) {
      marked = Child<QRadioButton>(choice, "Option1_4")->isChecked();
      QTest::mouseClick(Child<QRadioButton>(choice, "Option1_5"), Qt::LeftButton);
      Child<QPushButton>(choice, "cmdOK")->click();
    });
    QTest::mouseClick(ControlsOf(window).systemLabel, Qt::LeftButton);
    QVERIFY(marked);
    QCOMPARE(window_->CurrentSettings().System, SystemId::KoreanHangul);
    QCOMPARE(ControlsOf(window).systemLabel->text(), QStringLiteral("Korean Sign Language (KSL)"));
    QCOMPARE(window.Signs().CurrentSystem(), std::optional(SystemId::KoreanHangul));
    QVERIFY(ControlsOf(window).readingBox->text().isEmpty());
    QCOMPARE(window_->Table().HandCount, int16_t{1});

    // Closing the choice keeps the system and still reloads it.
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& choice) { choice.close(); });
    MenusOf(window).mnuOption->trigger();
    QCOMPARE(window_->CurrentSettings().System, SystemId::KoreanHangul);
  }

  void aWordPlaysAtItsSpeedAPictureAStepHoldingInputAndClosingStopsIt() {
    WriteFiles(InterfaceLanguage::English, SystemId::American);
    MainWindow& window = ShowWindow();
    const MainWindowControls ui = ControlsOf(window);
    QSignalSpy swapped(ui.handView, &HandView::frameSwapped);
    ui.readingBox->setText(QStringLiteral("ab"));

    // A speed below 1 plays nothing (how the box is read: StartSpeed in start_flow_test).
    ui.speedBox->setText(QStringLiteral("0.5"));
    int drawn = ui.handView->PicturesDrawn();
    QCOMPARE(PressStart(window), QStringList{"Invalid speed value!"});
    QCOMPARE(ui.handView->PicturesDrawn(), drawn);
    ui.speedBox->setText(QStringLiteral("1"));  // delay 4000: 4 steps per shape

    // Typed while the word plays, the keys wait for its end and are not lost.
    ui.speedBox->setFocus();
    ui.speedBox->selectAll();
    drawn = ui.handView->PicturesDrawn();
    ui.startButton->click();
    QVERIFY(window.IsSpelling());
    QTest::keyClicks(ui.speedBox, QStringLiteral("25"));
    QCOMPARE(ui.speedBox->text(), QStringLiteral("1"));
    PlayWordToEnd();
    // Two shapes of five pictures each, one a step, every one presented on screen.
    QCOMPARE(ui.handView->PicturesDrawn(), drawn + 10);
    QTRY_VERIFY(swapped.count() >= 10);
    QTRY_COMPARE(ui.speedBox->text(), QStringLiteral("25"));

    // Asked to close in the middle of a word, the window stops it at once.
    ui.speedBox->setText(QStringLiteral("1"));
    drawn = ui.handView->PicturesDrawn();
    ui.startButton->click();
    QCOMPARE(Steps().Advance(3), 3);
    QVERIFY(window.IsSpelling());
    window.close();
    QVERIFY(!window.isVisible());
    QVERIFY(!window.IsSpelling());
    QVERIFY(!Steps().IsRunning());
    QCOMPARE(ui.handView->PicturesDrawn(), drawn + 3);
    QVERIFY(QFile::exists(Dir() + kSettingsFileName));
  }

 private:
  // Presses Start, plays the word to its end and returns the messages it showed.
  QStringList PressStart(MainWindow& window) {
    const QStringList shown =
        MessagesDuring([&window] { ControlsOf(window).startButton->click(); });
    PlayWordToEnd();
    return shown;
  }

  // The angle-data file window, opened by "Open" or by `opening`, answered with the file
  // `name` listed under the type `type`, or with Cancel when `name` is empty; returns the
  // messages shown.
  QStringList OpenFile(const QString& name, int type = 0, const std::function<void()>& opening = {}) {
    AnswerNextModal<FileDialog>([name, type](FileDialog& dialog) {
      QCOMPARE(Child<QLabel>(dialog, "Label")->text(), QStringLiteral("File Load"));
      QCOMPARE(Items(*Child<QComboBox>(dialog, "Combo1")), (QStringList{"Angle Data (*.csv)", "All Files (*.*)"}));
      Child<QComboBox>(dialog, "Combo1")->setCurrentIndex(type);
      if (!name.isEmpty()) ClickItem(*Child<QListWidget>(dialog, "File1"), name);
      Child<QPushButton>(dialog, name.isEmpty() ? "cmcancel" : "cmload")->click();
    });
    if (opening) return MessagesDuring(opening);
    return MessagesDuring([this] { MenusOf(*window_).mnuOpen->trigger(); });
  }
};

TOVARO_GUI_TEST(MainWindowTest);

#include "main_window_test.moc"
