#include "gui/main_window/main_window.h"

#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QStatusBar>
#include <QtTest>

namespace {

// What an input method sends while the user types: the composition so far...
void Preedit(QLineEdit& box, const QString& text) {
  QInputMethodEvent event(text, {});
  QCoreApplication::sendEvent(&box, &event);
}

// ...and the text it commits, which ends the composition.
void Commit(QLineEdit& box, const QString& text) {
  QInputMethodEvent event;
  event.setCommitString(text);
  QCoreApplication::sendEvent(&box, &event);
}

// Composing syllable by syllable: each list is one composition, its last entry committed.
void Compose(QLineEdit& box, std::initializer_list<QStringList> syllables) {
  for (const QStringList& steps : syllables) {
    for (const QString& step : steps) Preedit(box, step);
    Commit(box, steps.last());
  }
}

// Typing `kana` and converting it to `written`, as Mozc does.
void TypeAndConvert(QLineEdit& box, const QString& kana, const QString& written) {
  for (qsizetype length = 1; length <= kana.size(); ++length) Preedit(box, kana.left(length));
  Preedit(box, written);
  Commit(box, written);
}

}  // namespace

class ReadingCaptureTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private:
  // JSL with the Japanese interface: the word box takes its readings.
  MainWindowControls StartJapanese() {
    WriteFiles(InterfaceLanguage::Japanese, SystemId::JapaneseKana);
    MainWindow& window = ShowWindow();
    const MainWindowControls ui = ControlsOf(window);
    ui.wordBox->setFocus();
    return ui;
  }

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  void theKanaTypedBeforeAConversionOrTheDictionaryGiveTheReading() {
    const MainWindowControls ui = StartJapanese();
    TypeAndConvert(*ui.wordBox, u"かんじ"_qs, u"漢字"_qs);
    QCOMPARE(ui.wordBox->text(), u"漢字"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｶﾝｼﾞ"_qs);
    // A conversion at the start of the word puts its reading in front.
    ui.wordBox->setCursorPosition(0);
    TypeAndConvert(*ui.wordBox, u"しゅわ"_qs, u"手話"_qs);
    QCOMPARE(ui.wordBox->text(), u"手話漢字"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｼｭﾜｶﾝｼﾞ"_qs);
    // Another word behind it, converted to other kanji with kana.
    ui.wordBox->end(false);
    TypeAndConvert(*ui.wordBox, u"かんじ"_qs, u"感じ"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｼｭﾜｶﾝｼﾞｶﾝｼﾞ"_qs);
    // Romaji committed in alphanumeric mode, and kana committed as they are.
    Commit(*ui.wordBox, u"ａｂｃ"_qs);
    Commit(*ui.wordBox, u"ありがとう"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｼｭﾜｶﾝｼﾞｶﾝｼﾞABCｱﾘｶﾞﾄｳ"_qs);

    // Kanji without a composition, committed or pasted, are read from the dictionary.
    ui.wordBox->clear();
    ui.readingBox->clear();
    Commit(*ui.wordBox, u"手話"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｼｭﾜ"_qs);

    ui.wordBox->clear();
    ui.readingBox->clear();
    QGuiApplication::clipboard()->setText(u"手話"_qs);
    QTest::keyClick(ui.wordBox, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(ui.wordBox->text(), u"手話"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｼｭﾜ"_qs);

    // A kanji the dictionary does not know leaves the reading box and says so.
    Commit(*ui.wordBox, u"𠀋"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｼｭﾜ"_qs);
    QCOMPARE(window_->statusBar()->currentMessage(), u"𠀋 の読みが分かりません。かなで入力してください"_qs);
  }

  void backspaceThatEmptiesTheWordBoxEmptiesTheReadingBoxAndTheInputMethodFollowsTheLanguage() {
    const MainWindowControls ui = StartJapanese();
    TypeAndConvert(*ui.wordBox, u"て"_qs, u"手"_qs);
    TypeAndConvert(*ui.wordBox, u"わ"_qs, u"話"_qs);
    QCOMPARE(ui.readingBox->text(), u"ﾃﾜ"_qs);
    QTest::keyClick(ui.wordBox, Qt::Key_Backspace);
    QCOMPARE(ui.readingBox->text(), u"ﾃﾜ"_qs);
    QTest::keyClick(ui.wordBox, Qt::Key_Backspace);
    QVERIFY(ui.wordBox->text().isEmpty());
    QVERIFY(ui.readingBox->text().isEmpty());

    // Keys the input method passes on (it is closed) go in as typed, not upper-cased.
    QTest::keyClicks(ui.wordBox, u"ab"_qs);
    QCOMPARE(ui.readingBox->text(), u"ab"_qs);

    // The input method is open only for Japanese words.
    ui.wordBox->clear();
    QVERIFY(ui.wordBox->testAttribute(Qt::WA_InputMethodEnabled));
    QVERIFY(!(ui.wordBox->inputMethodHints() & Qt::ImhLatinOnly));
    window_->ChooseInterfaceLanguage(InterfaceLanguage::English);
    QVERIFY(ui.wordBox->inputMethodHints() & Qt::ImhLatinOnly);
    // Romaji are converted live, not captured.
    Commit(*ui.wordBox, u"ka"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｶ"_qs);
  }

  void enterStartsTheWordUnlessACompositionAndTextWaitsForTheWord() {
    const MainWindowControls ui = StartJapanese();
    ui.readingBox->setText(u"ｶ"_qs);
    Preedit(*ui.wordBox, u"しゅわ"_qs);
    QTest::keyClick(ui.wordBox, Qt::Key_Return);
    QVERIFY(!window_->IsSpelling());
    QVERIFY(window_->Signs().LastText().isEmpty());
    ui.readingBox->clear();
    Commit(*ui.wordBox, u"しゅわ"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｼｭﾜ"_qs);
    QTest::keyClick(ui.wordBox, Qt::Key_Return);
    QCOMPARE(window_->Signs().LastText(), u"ｼｭﾜ"_qs);
    PlayWordToEnd();

    // Text committed while a word plays is taken when it ends.
    ui.wordBox->clear();
    ui.speedBox->setText(u"10"_qs);
    ui.readingBox->setText(u"ｱ"_qs);
    ui.startButton->click();
    QVERIFY(window_->IsSpelling());
    Commit(*ui.wordBox, u"手話"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｱ"_qs);
    PlayWordToEnd();
    QTRY_COMPARE(ui.wordBox->text(), u"手話"_qs);
    QCOMPARE(ui.readingBox->text(), u"ｼｭﾜｱ"_qs);  // the caret stood at the start
  }

  void hangulComposedInThePreeditConvertsLiveAndAnAlphabetNamesWhatItDoesNotSpell() {
    WriteFiles(InterfaceLanguage::English, SystemId::KoreanHangul);
    MainWindow& window = ShowWindow();
    const MainWindowControls ui = ControlsOf(window);
    ui.wordBox->setFocus();
    Compose(*ui.wordBox, {{u"ㅇ"_qs, u"아"_qs, u"안"_qs}, {u"녀"_qs, u"녕"_qs}});
    QCOMPARE(ui.wordBox->text(), u"안녕"_qs);
    QCOMPARE(ui.readingBox->text(), u"안녕"_qs);
    // Revised Romanization as people type it.
    ui.wordBox->clear();
    QTest::keyClicks(ui.wordBox, u"saranghae"_qs);
    QCOMPARE(ui.readingBox->text(), u"사랑해"_qs);

    // In the Hangul mode the composed syllables are spelled as committed.
    ui.hangulModeButton->click();
    ui.readingBox->clear();
    ui.readingBox->setFocus();
    Compose(*ui.readingBox, {{u"하"_qs, u"한"_qs}, {u"구"_qs, u"국"_qs}});
    ui.startButton->click();
    QCOMPARE(window.Signs().LastText(), u"한국"_qs);
    QVERIFY(!window.Signs().Sequence().empty());
    PlayWordToEnd();

    // An alphabet names what it does not spell.
    window.Systems().ChooseSystem(SystemId::American);
    ui.readingBox->setText(u"héllo 123"_qs);
    ui.startButton->click();
    QCOMPARE(window.Signs().Sequence().size(), size_t{5});
    QCOMPARE(window.statusBar()->currentMessage(), u"Not spelled: 1 2 3"_qs);
    PlayWordToEnd();
    ui.readingBox->setText(u"hello"_qs);
    ui.startButton->click();
    QVERIFY(window.statusBar()->currentMessage().startsWith(u"5 signs, "_qs));
    PlayWordToEnd();
  }
};

TOVARO_GUI_TEST(ReadingCaptureTest);

#include "reading_capture_test.moc"
