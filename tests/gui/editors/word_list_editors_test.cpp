#include "gui/editors/reading_list_editor.h"
#include "gui/editors/word_list_editor.h"

#include "support/file_contents.h"
#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/active_window.h"
#include "support/list_items.h"
#include "support/main_window_harness.h"
#include "support/modal_answer.h"

#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QtTest>

#include <sys/stat.h>

namespace {

// Imports a file holding `lines` through the editor's Import button; returns the report.
// Types the path into the file window's name box, as a user can: selectFile() selects
// nothing while the window's folder list is still being filled, and skips a file the
// name filter hides.
void ChooseFile(QFileDialog& dialog, const QString& path) {
  auto* name = dialog.findChild<QLineEdit*>(u"fileNameEdit"_qs);
  if (!name) return;
  name->setText(path);
  static_cast<QDialog&>(dialog).accept();
}

QString Import(QWidget& editor, const QString& path, const QByteArray& lines) {
  if (!WriteFileContents(path, lines)) return u"cannot write "_qs + path;
  AnswerNextModal<QFileDialog>([path](QFileDialog& dialog) { ChooseFile(dialog, path); });
  const auto report = AnswerNextMessageBox();
  QTest::mouseClick(Child<QPushButton>(editor, "cmdImport"), Qt::LeftButton);
  // As long as the answers keep looking: the file window alone may take seconds to
  // fill its folder on a busy machine.
  return QTest::qWaitFor([&report] { return report->Shown; }, 10000) ? report->Text : u"no report"_qs;
}

}  // namespace

class WordListEditorTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<WordListEditor> editor_;

  QString Path() const { return dir_->filePath(QStringLiteral("ENGdefault.txt")); }

  WordListEditor& Open(SystemId system, const QStringList& words, QString file = {}) {
    editor_ = std::make_unique<WordListEditor>();
    if (file.isEmpty())
      file = dir_->filePath(system == SystemId::KoreanHangul ? u"KSLdefault.html"_qs : u"ENGdefault.txt"_qs);
    editor_->Initialize(
        {file, WordListOfSystem(system, KanaInput::Romaji), system, false, QFont(), QFont(), QFont()},
        WordList{words, {}});
    editor_->show();
    return *editor_;
  }

 private slots:
  void init() { dir_ = std::make_unique<QTemporaryDir>(); }
  void cleanup() {
    editor_.reset();
    dir_.reset();
  }

  void AddRemoveSelectAndSaveKeepTheFileInStepAndClosingAsksOnlyWhatIsUnsaved() {
    WordListEditor& editor = Open(SystemId::American, {u"cat"_qs, u"dog"_qs});
    auto* list = Child<QListWidget>(editor, "List1");
    auto* entry = Child<QLineEdit>(editor, "Text1");
    QCOMPARE(Child<QLabel>(editor, "lblCount")->text(), u"2 words"_qs);
    QVERIFY(!Child<QToolButton>(editor, "MethodBtn")->isVisible());
    QVERIFY(!editor.IsModified());

    entry->setText(u"  jazz "_qs);
    QTest::mouseClick(Child<QPushButton>(editor, "cmdAdd"), Qt::LeftButton);
    QCOMPARE(Items(*list), (QStringList{u"cat"_qs, u"dog"_qs, u"jazz"_qs}));
    QVERIFY(editor.IsModified());
    QCOMPARE(editor.windowTitle(), u"Word List*"_qs);

    ClickItem(*list, 0);
    QCOMPARE(entry->text(), u"cat"_qs);
    QTest::mouseClick(Child<QPushButton>(editor, "cmdDelete"), Qt::LeftButton);
    QCOMPARE(Items(*list), (QStringList{u"dog"_qs, u"jazz"_qs}));
    QCOMPARE(Child<QLabel>(editor, "lblCount")->text(), u"2 words"_qs);

    // Unsaved, Close asks first.
    auto asked = AnswerNextMessageBox(QMessageBox::No);
    QTest::mouseClick(Child<QPushButton>(editor, "cmdClose"), Qt::LeftButton);
    QVERIFY(asked->Shown);
    QCOMPARE(asked->Title, u"Confirm"_qs);
    QCOMPARE(asked->Text, u"Exit without saving?"_qs);
    QCOMPARE(asked->Buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(editor.isVisible());

    QTest::mouseClick(Child<QPushButton>(editor, "cmdSave"), Qt::LeftButton);
    QVERIFY(!editor.IsModified());
    QCOMPARE(editor.windowTitle(), u"Word List"_qs);  // the sign that it was saved
    QCOMPARE(FileContents(Path()), QByteArray("dog\r\njazz\r\n"));

    // Refused words are told and not added.
    const std::pair<QString, QString> refused[] = {
        {u"a,b"_qs, u"A word must not contain a comma or a double quote"_qs},
        {u"日本"_qs, u"Unsupported character(s) in the string"_qs},
        {u"Jazz"_qs, u"\"Jazz\" is already in the list"_qs}};
    for (const auto& [typed, message] : refused) {
      entry->setText(typed);
      const auto seen = AnswerNextMessageBox();
      QTest::mouseClick(Child<QPushButton>(editor, "cmdAdd"), Qt::LeftButton);
      QTRY_VERIFY(seen->Shown);
      QCOMPARE(seen->Text, message);
    }
    QCOMPARE(Items(*list), (QStringList{u"dog"_qs, u"jazz"_qs}));
    QVERIFY(!editor.IsModified());
    // Saved, it closes without asking; closed by its frame, it asks as the button does,
    // and Yes leaves the file as it was.
    QVERIFY(MessagesDuring([&] { QTest::mouseClick(Child<QPushButton>(editor, "cmdClose"), Qt::LeftButton); }).isEmpty());
    QVERIFY(!editor.isVisible());
    editor.show();
    entry->setText(u"fox"_qs);
    QTest::mouseClick(Child<QPushButton>(editor, "cmdAdd"), Qt::LeftButton);
    asked = AnswerNextMessageBox(QMessageBox::Yes);
    editor.close();
    QVERIFY(asked->Shown);
    QVERIFY(!editor.isVisible());
    QCOMPARE(FileContents(Path()), QByteArray("dog\r\njazz\r\n"));
  }

  void AFailedSaveIsToldAndKeepsTheList() {
    // The folder of the list became a file: nothing can be saved there, not even by root.
    QVERIFY(WriteFileContents(dir_->filePath(u"folder"_qs), "not a folder"));
    const QString path = dir_->filePath(u"folder/ENGdefault.txt"_qs);
    Open(SystemId::American, {u"cat"_qs}, path);
    Child<QLineEdit>(*editor_, "Text1")->setText(u"dog"_qs);
    QTest::mouseClick(Child<QPushButton>(*editor_, "cmdAdd"), Qt::LeftButton);

    const auto seen = AnswerNextMessageBox();
    QTest::mouseClick(Child<QPushButton>(*editor_, "cmdSave"), Qt::LeftButton);
    QTRY_VERIFY(seen->Shown);
    const QString told = u"The word list could not be saved: "_qs + path + u": "_qs;
    QVERIFY2(seen->Text.startsWith(told) && seen->Text.size() > told.size(), qPrintable(seen->Text));
    QCOMPARE(Items(*Child<QListWidget>(*editor_, "List1")), (QStringList{u"cat"_qs, u"dog"_qs}));
    QVERIFY(editor_->IsModified());
  }

  void RomanizedKoreanIsAddedAsItsHangul() {
    // Entries of the file this system cannot spell are counted and named, not dropped.
    {
      WordListEditor& marked = Open(SystemId::KoreanHangul, {u"물"_qs, u"abc"_qs, QString(QChar(0xFFFF))});
      QCOMPARE(Child<QLabel>(marked, "lblCount")->text(), u"3 words, 2 cannot be spelled"_qs);
      auto* list = Child<QListWidget>(marked, "List1");
      QVERIFY(list->item(0)->data(Qt::AccessibleDescriptionRole).toString().isEmpty());
      QVERIFY(list->item(1)->data(Qt::AccessibleDescriptionRole).toString().contains(u"cannot spell"_qs));
    }
    WordListEditor& editor = Open(SystemId::KoreanHangul, {u"물"_qs});
    auto* entry = Child<QLineEdit>(editor, "Text1");
    auto* hangul = Child<QLabel>(editor, "Label1");
    QVERIFY(Child<QToolButton>(editor, "MethodBtn")->isVisible());
    QVERIFY(hangul->isVisible());

    entry->setFocus();
    QTest::keyClicks(entry, u"HagGyo"_qs);
    QCOMPARE(hangul->text(), u"학교"_qs);
    QTest::mouseClick(Child<QPushButton>(editor, "cmdAdd"), Qt::LeftButton);
    QCOMPARE(Items(*Child<QListWidget>(editor, "List1")), (QStringList{u"물"_qs, u"학교"_qs}));

    // Text that is not romanized Korean leaves nothing to add.
    QTest::keyClicks(entry, u"x"_qs);
    QCOMPARE(hangul->text(), QString());

    ClickItem(*Child<QListWidget>(editor, "List1"), 0);
    QCOMPARE(hangul->text(), u"물"_qs);

    // The Hangul button switches the main window too (MainWindowWordListTest), which
    // then switches the editor.
    editor.SetHangulMode(true);
    QVERIFY(!hangul->isVisible());
    entry->setText(u"닭"_qs);
    QTest::mouseClick(Child<QPushButton>(editor, "cmdAdd"), Qt::LeftButton);
    QTest::mouseClick(Child<QPushButton>(editor, "cmdSave"), Qt::LeftButton);
    QCOMPARE(FileContents(dir_->filePath(u"KSLdefault.html"_qs)),
             QByteArray("<HTML>\r\n<BODY>\r\n<p>&#47932;</p>\r\n<p>&#54617;&#44368;</p>\r\n<p>&#45805;</p>\r\n"
                        "</BODY>\r\n</HTML>\r\n"));
  }

  void ImportAddsGoodLinesAndReportsTheRest() {
    WordListEditor& editor = Open(SystemId::American, {u"cat"_qs});
    QCOMPARE(Import(editor, dir_->filePath(u"new.txt"_qs), u"dog\r\nzoo,keeper\r\n\r\nnaïve\r\nCat\r\n"_qs.toUtf8()),
             u"2 words added.\nAdded: dog, naive\nLine 4 \"naïve\" added as \"naive\"\n2 line(s) refused:\n"
             "Line 2 \"zoo,keeper\": A word must not contain a comma or a double quote\n"
             "Line 5 \"Cat\": already in the list"_qs);
    auto* list = Child<QListWidget>(editor, "List1");
    QCOMPARE(Items(*list), (QStringList{u"cat"_qs, u"dog"_qs, u"naive"_qs}));
    // The first word added is the one selected.
    QCOMPARE(list->currentRow(), 1);
    QCOMPARE(Child<QLabel>(editor, "lblCount")->text(), u"3 words"_qs);
    QVERIFY(editor.IsModified());

    // A FIFO chosen to import is refused without being opened, so the window never blocks.
    const QString fifo = dir_->filePath(u"words.fifo"_qs);
    QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    AnswerNextModal<QFileDialog>([fifo](QFileDialog& dialog) { ChooseFile(dialog, fifo); });
    const auto refused = AnswerNextMessageBox();
    QTest::mouseClick(Child<QPushButton>(editor, "cmdImport"), Qt::LeftButton);
    QVERIFY(QTest::qWaitFor([&refused] { return refused->Shown; }, 10000));
    QCOMPARE(refused->Text, u"The file could not be read: "_qs + fifo + u": not a regular file"_qs);
    QCOMPARE(Items(*list).size(), 3);
  }
};
TOVARO_GUI_TEST(WordListEditorTest);

class ReadingListEditorTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<ReadingListEditor> editor_;

  QString Path() const { return dir_->filePath(QStringLiteral("JSLdefault.txt")); }

  ReadingListEditor& Open() {
    WordList list;
    list.Words = {u"ｲﾇ"_qs, u"ﾈｺ"_qs};
    list.Written = {u"犬"_qs, u"猫"_qs};
    editor_ = std::make_unique<ReadingListEditor>();
    editor_->Initialize(Path(), list, QFont());
    editor_->show();
    return *editor_;
  }

 private slots:
  void init() { dir_ = std::make_unique<QTemporaryDir>(); }
  void cleanup() {
    editor_.reset();
    dir_.reset();
  }

  void CaptionsAreJapaneseAndAddNeedsTheReadingAndStoresItHalfWidth() {
    ReadingListEditor& editor = Open();
    auto* word = Child<QLineEdit>(editor, "Text2");
    auto* reading = Child<QLineEdit>(editor, "Text1");
    auto* add = Child<QPushButton>(editor, "cmdAdd");
    QCOMPARE(Child<QLabel>(editor, "Label1")->text(), u"單語"_qs);
    QCOMPARE(Child<QLabel>(editor, "Label2")->text(), u"振り假名"_qs);
    QCOMPARE(word->accessibleName(), u"單語"_qs);
    QCOMPARE(reading->accessibleName(), u"振り假名"_qs);
    const QStringList captions{u"追加"_qs, u"削除"_qs, u"保存"_qs, u"閉じる"_qs};
    const char* names[] = {"cmdAdd", "cmdDelete", "cmdSave", "cmdClose"};
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(Child<QPushButton>(editor, names[i])->text(), captions[i]);
      QCOMPARE(Child<QPushButton>(editor, names[i])->accessibleName(), captions[i]);
    }
    QCOMPARE(Child<QLabel>(editor, "lblCount")->text(), u"2 語"_qs);

    QTest::mouseClick(add, Qt::LeftButton);  // both empty: nothing happens
    word->setText(u"切手"_qs);
    auto seen = AnswerNextMessageBox();
    QTest::mouseClick(add, Qt::LeftButton);
    QTRY_VERIFY(seen->Shown);
    QCOMPARE(seen->Text, u"フリガナを入れて下さい"_qs);
    QCOMPARE(seen->Buttons, QMessageBox::Ok);
    QVERIFY(!editor.IsModified());

    reading->setText(u"きって"_qs);
    QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(Items(*Child<QListWidget>(editor, "List2")), (QStringList{u"犬"_qs, u"猫"_qs, u"切手"_qs}));
    QCOMPARE(Items(*Child<QListWidget>(editor, "List1")), (QStringList{u"ｲﾇ"_qs, u"ﾈｺ"_qs, u"ｷｯﾃ"_qs}));
    QVERIFY(editor.IsModified());
    seen = AnswerNextMessageBox();
    QTest::mouseClick(add, Qt::LeftButton);  // the same again
    QTRY_VERIFY(seen->Shown);
    QCOMPARE(seen->Text, u"\"切手\" is already in the list"_qs);
    QCOMPARE(Items(*Child<QListWidget>(editor, "List2")).size(), 3);

    word->setText(u"犬"_qs);
    reading->setText(u"dog"_qs);
    seen = AnswerNextMessageBox();
    QTest::mouseClick(add, Qt::LeftButton);
    QTRY_VERIFY(seen->Shown);
    QCOMPARE(seen->Text, u"Unsupported character(s) in the string"_qs);
  }

  void SelectFocusRemoveSaveAndClose() {
    ReadingListEditor& editor = Open();
    ActivateWindow(editor);
    auto* written = Child<QListWidget>(editor, "List2");
    auto* word = Child<QLineEdit>(editor, "Text2");
    auto* reading = Child<QLineEdit>(editor, "Text1");
    ClickItem(*written, 1);
    QCOMPARE(reading->text(), u"ﾈｺ"_qs);
    QCOMPARE(word->text(), u"猫"_qs);
    // Entering a box empties it for a new entry.
    QTest::mouseClick(reading, Qt::LeftButton);
    QCOMPARE(reading->text(), QString());
    QCOMPARE(word->text(), u"猫"_qs);
    QTest::mouseClick(word, Qt::LeftButton);
    QCOMPARE(word->text(), QString());
    ClickItem(*written, 0);
    QTest::mouseClick(Child<QPushButton>(editor, "cmdDelete"), Qt::LeftButton);
    QCOMPARE(Items(*Child<QListWidget>(editor, "List1")), QStringList{u"ﾈｺ"_qs});

    auto seen = AnswerNextMessageBox(QMessageBox::No);
    QTest::mouseClick(Child<QPushButton>(editor, "cmdClose"), Qt::LeftButton);
    QVERIFY(seen->Shown);
    QCOMPARE(seen->Text, u"保存しないで閉じますか？"_qs);
    QCOMPARE(seen->Title, u"Confirm"_qs);
    QVERIFY(editor.isVisible());

    QTest::mouseClick(Child<QPushButton>(editor, "cmdSave"), Qt::LeftButton);
    QCOMPARE(FileContents(Path()), u"ﾈｺ,猫\r\n"_qs.toUtf8());
    QTest::mouseClick(Child<QPushButton>(editor, "cmdClose"), Qt::LeftButton);
    QVERIFY(!editor.isVisible());
  }

  void ImportTakesReadingAndWordLines() {
    ReadingListEditor& editor = Open();
    const QString report = Import(editor, dir_->filePath(u"new.txt"_qs), u"やま,山\nかわ\nソラ,空\n"_qs.toUtf8());
    QVERIFY2(report.startsWith(u"2 words added.\nAdded: 山, 空\n1 line(s) refused:\nLine 2"_qs), qPrintable(report));
    QCOMPARE(Items(*Child<QListWidget>(editor, "List1")), (QStringList{u"ｲﾇ"_qs, u"ﾈｺ"_qs, u"ﾔﾏ"_qs, u"ｿﾗ"_qs}));
    QCOMPARE(Items(*Child<QListWidget>(editor, "List2")), (QStringList{u"犬"_qs, u"猫"_qs, u"山"_qs, u"空"_qs}));
    QCOMPARE(Child<QListWidget>(editor, "List2")->currentRow(), 2);
  }
};
TOVARO_GUI_TEST(ReadingListEditorTest);

#include "word_list_editors_test.moc"
