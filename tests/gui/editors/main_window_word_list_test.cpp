#include "gui/main_window/main_window.h"
#include "gui/editors/reading_list_editor.h"
#include "gui/editors/word_list_editor.h"
#include "gui/view/playback_bar.h"

#include "support/file_contents.h"
#include "support/gui_test_suites.h"
#include "support/list_items.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/modal_answer.h"

#include <QtTest>

// The Word List Edit menu opens the editor of the current system with its list, and
// the editor works with the main window.
class MainWindowWordListTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  void TheMenuOpensTheListOfTheSystem() {
    struct Case {
      InterfaceLanguage language;
      SystemId system;
      const char* file;
      QByteArray contents;
      QStringList shown;
      bool readingEditor;
    };
    const Case cases[] = {
        {InterfaceLanguage::English, SystemId::American, "ENGdefault.txt", "cat\r\ndog\r\n", {u"cat"_qs, u"dog"_qs}, false},
        {InterfaceLanguage::Japanese, SystemId::IndonesianTwoHanded, "INAdefault.txt", "ibu\r\n", {u"ibu"_qs}, false},
        {InterfaceLanguage::English, SystemId::JapaneseKana, "RomajiDefault.txt", "gakkou\r\n", {u"gakkou"_qs}, false},
        {InterfaceLanguage::Japanese, SystemId::JapaneseKana, "JSLdefault.txt", u"ｲﾇ,犬\r\n"_qs.toUtf8(), {u"犬"_qs}, true},
        {InterfaceLanguage::English, SystemId::KoreanHangul, "KSLdefault.html", "<p>&#54620;</p>\r\n", {u"한"_qs}, false},
    };
    for (const Case& c : cases) {
      TearDownProgram();
      SetUpProgram();
      WriteFiles(c.language, c.system);
      QVERIFY(WriteFileContents(Dir() + QString::fromLatin1(c.file), c.contents));
      MainWindow& window = StartWindow();
      QStringList shown;
      if (c.readingEditor)
        AnswerNextModal<ReadingListEditor>([&shown](ReadingListEditor& editor) {
          shown = Items(*editor.findChild<QListWidget*>(u"List2"_qs));
        });
      else
        AnswerNextModal<WordListEditor>([&shown](WordListEditor& editor) {
          shown = Items(*editor.findChild<QListWidget*>(u"List1"_qs));
        });
      MenusOf(window).mnuList->trigger();
      QCOMPARE(shown, c.shown);
    }
  }

  void AMissingListIsToldAndSavingCreatesIt() {
    WriteFiles(InterfaceLanguage::English, SystemId::American);
    MainWindow& window = StartWindow();
    bool empty = false;
    AnswerNextModal<WordListEditor>([&empty](WordListEditor& editor) {
      empty = editor.Words().Count() == 0;
      editor.findChild<QLineEdit*>(u"Text1"_qs)->setText(u"hello"_qs);
      editor.findChild<QPushButton*>(u"cmdAdd"_qs)->click();
      editor.findChild<QPushButton*>(u"cmdSave"_qs)->click();
      editor.findChild<QPushButton*>(u"cmdClose"_qs)->click();
    });
    const QStringList messages = MessagesDuring([&window] { MenusOf(window).mnuList->trigger(); });
    QCOMPARE(messages, QStringList{u"The word list could not be read: "_qs + Dir() +
                                   u"ENGdefault.txt: the file does not exist"_qs});
    QVERIFY(empty);
    QCOMPARE(FileContents(Dir() + u"ENGdefault.txt"_qs), QByteArray("hello\r\n"));
  }

  void TheHangulButtonSwitchesBothWindows() {
    WriteFiles(InterfaceLanguage::English, SystemId::KoreanHangul);
    QVERIFY(WriteFileContents(Dir() + u"KSLdefault.html"_qs, "<p>&#54620;</p>\r\n"));
    MainWindow& window = StartWindow();
    QVERIFY(!window.Systems().HangulMode());
    bool labelShownBefore = false, labelShownAfter = true;
    AnswerNextModal<WordListEditor>([&](WordListEditor& editor) {
      labelShownBefore = editor.findChild<QLabel*>(u"Label1"_qs)->isVisible();
      editor.findChild<QToolButton*>(u"MethodBtn"_qs)->click();
      labelShownAfter = editor.findChild<QLabel*>(u"Label1"_qs)->isVisible();
      editor.reject();
    });
    MenusOf(window).mnuList->trigger();
    QVERIFY(labelShownBefore);
    QVERIFY(!labelShownAfter);
    QVERIFY(window.Systems().HangulMode());
    QVERIFY(ControlsOf(window).readingBox->isVisibleTo(&window));
    QVERIFY(!ControlsOf(window).wordBox->isVisibleTo(&window));
  }

  void ADoubleClickedWordIsSpelledOnTheHandAndShownAsTheWordSpelled() {
    WriteFiles(InterfaceLanguage::English, SystemId::JapaneseKana);
    QVERIFY(WriteFileContents(Dir() + u"RomajiDefault.txt"_qs, "kitte\r\n"));
    MainWindow& window = StartWindow();
    const MainWindowControls ui = ControlsOf(window);
    ui.wordBox->setText(u"neko"_qs);
    ui.readingBox->setText(u"ﾈｺ"_qs);
    bool spelling = false;
    AnswerNextModal<WordListEditor>([&](WordListEditor& editor) {
      // The first click selects; only the double click spells.
      auto* list = editor.findChild<QListWidget*>(u"List1"_qs);
      const QPoint place = list->visualItemRect(list->item(0)).center();
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place);
      QVERIFY(!window.IsSpelling());
      QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, place);
      spelling = window.IsSpelling();
      PlayWordToEnd();
      editor.reject();
    });
    MenusOf(window).mnuList->trigger();
    QVERIFY(spelling);
    QCOMPARE(window.Signs().KatakanaString(), u"ｷｯﾃ"_qs);

    // The boxes, the letters and Replay follow the word spelled, not the one typed.
    QCOMPARE(ui.wordBox->text(), u"kitte"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｷｯﾃ"_qs);
    PlaybackBar& bar = *window.findChild<PlaybackBar*>(u"PlaybackBar"_qs);
    QCOMPARE(bar.LettersText(), u"ｷｯ[ﾃ]"_qs);
    bar.ReplayButton()->click();
    QVERIFY(window.IsSpelling());
    Steps().Advance(1);
    QCOMPARE(bar.LettersText(), u"[ｷ]ｯﾃ"_qs);
    PlayWordToEnd();

    // Another system starts with an empty line of letters.
    window.Systems().ChooseSystem(SystemId::American);
    QVERIFY(bar.LettersText().isEmpty());
  }
};
TOVARO_GUI_TEST(MainWindowWordListTest);

#include "main_window_word_list_test.moc"
