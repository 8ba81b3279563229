#include "gui/view/picture_name_dialog.h"
#include "gui/view/picture_recording.h"
#include "gui/view/word_export.h"

#include "gui/dialogs/file_dialog.h"
#include "gui/view/hand_view.h"
#include "playback/playback_engine.h"
#include "support/file_contents.h"
#include "support/find_child.h"
#include "support/angle_table_files.h"
#include "support/gui_test_suites.h"
#include "support/main_window_harness.h"
#include "support/main_window_lookup.h"
#include "support/modal_answer.h"

#include <QAccessible>
#include <QDialogButtonBox>
#include <QImageReader>
#include <QProgressDialog>
#include <QtTest>

namespace {

QLineEdit* NameBox(QWidget& dialog) { return dialog.findChild<QLineEdit*>(QStringLiteral("Text1")); }
QPushButton* Button(QWidget& dialog, const char* name) {
  return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
}

// Answers the next name window with `name` and OK (or Cancel when `name` is empty),
// noting which window it was in `asked`, then runs `next`.
void AnswerName(const QString& name, QStringList* asked = nullptr, const std::function<void()>& next = {}) {
  AnswerNextModal<PictureNameDialog>([name, asked, next](PictureNameDialog& dialog) {
    if (asked) *asked << dialog.objectName();
    if (next) next();
    if (name.isEmpty()) {
      Button(dialog, "Command2")->click();
      return;
    }
    NameBox(dialog)->setText(name);
    Button(dialog, "Command1")->click();
  });
}

QStringList FilesUnder(const QString& folder) {
  QStringList files;
  QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(folder).relativeFilePath(it.next());
  files.sort();
  return files;
}

int BitsPerPixel(const QString& bmp) {
  QFile file(bmp);
  if (!file.open(QIODevice::ReadOnly)) return -1;
  const QByteArray header = file.read(30);
  if (header.size() < 30 || !header.startsWith("BM")) return -1;
  return static_cast<uchar>(header[28]) | (static_cast<uchar>(header[29]) << 8);
}

QStringList Numbered(int count) {
  QStringList names;
  for (int i = 0; i < count; ++i) names << QStringLiteral("%1.bmp").arg(i, 3, 10, QChar(u'0'));
  return names;
}

}  // namespace

class PictureNameDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void okNeedsAValidNameAndCancelDeclines() {
    PictureNameDialog folder(PictureNameDialog::Purpose::FolderName);
    PictureNameDialog file(PictureNameDialog::Purpose::FileName);
    QCOMPARE(folder.windowTitle(), QStringLiteral("Form1"));
    QCOMPARE(NameBox(folder)->accessibleName(), QStringLiteral("Folder name"));
    QCOMPARE(NameBox(file)->accessibleName(), QStringLiteral("File name"));
    QCOMPARE(Button(file, "Command1")->text(), QStringLiteral("OK"));
    QCOMPARE(Button(file, "Command2")->text(), QStringLiteral("Cancel"));

    QStringList seen;
    AnswerNextModal<PictureNameDialog>([&seen](PictureNameDialog& dialog) {
      Button(dialog, "Command1")->click();  // empty: nothing happens
      if (!dialog.isVisible()) return;
      seen << QStringLiteral("open after empty");
      for (const QString& bad : {QStringLiteral("../up"), QStringLiteral(".x"), QStringLiteral("a\\b")}) {
        const auto box = AnswerNextMessageBox();
        NameBox(dialog)->setText(bad);
        Button(dialog, "Command1")->click();
        if (box->Shown && dialog.isVisible()) seen << box->Text;
      }
      NameBox(dialog)->setText(QStringLiteral("still"));
      Button(dialog, "Command1")->click();
    });
    QCOMPARE(file.exec(), int(QDialog::Accepted));
    QCOMPARE(seen, (QStringList{"open after empty", "Invalid name", "Invalid name", "Invalid name"}));
    QCOMPARE(file.EnteredName(), QStringLiteral("still"));

    // Cleared for the next showing; Cancel declines.
    file.Clear();
    QVERIFY(NameBox(file)->text().isEmpty());
    AnswerName(QString());
    QCOMPARE(file.exec(), int(QDialog::Rejected));
  }
};

TOVARO_GUI_TEST(PictureNameDialogTest);

// The Bitmap menu and the recording panel in the main window, over a temporary program
// folder whose American alphabet spells "a" as two key frames of 3 steps each at
// speed 100.
class PictureRecordingTest : public QObject, private MainWindowHarness {
  Q_OBJECT

 private slots:
  void init() { SetUpProgram(); }
  void cleanup() { TearDownProgram(); }

  void recordsEveryStepOfAWordAndStopsWithClose() {
    MainWindow& window = StartRecordingWindow(InterfaceLanguage::English);
    AnswerName(QStringLiteral("lesson"));
    MenusOf(window).mnuBmp->trigger();
    const MainWindowControls ui = ControlsOf(window);
    QVERIFY(ui.recordingPanel->isVisible());
    for (QPushButton* button : {ui.captureButton, ui.recordButton, ui.closeRecordingButton})
      QCOMPARE(QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name), button->text());
    QCOMPARE(window.Pictures().CaptureFolder(), Dir() + QStringLiteral("lesson/"));

    QVERIFY(MessagesDuring([&] { Record(window, QStringLiteral("word")); }).isEmpty());
    const QString folder = Dir() + QStringLiteral("lesson/word/");
    QCOMPARE(FilesUnder(folder), Numbered(8));
    const QSize area(ui.handView->Width(), ui.handView->Height());
    for (const QString& name : Numbered(8)) {
      QCOMPARE(BitsPerPixel(folder + name), 24);
      QCOMPARE(QImageReader(folder + name).size(), area);
    }

    // Start records too, into the same folder, every step however late the steps come;
    // after Close nothing is written, while the counter still counts every step.
    for (const QString& name : Numbered(8)) QVERIFY(QFile::remove(folder + name));
    ui.startButton->click();
    for (int taken = 0; window.IsSpelling() && taken < 100 && Steps().AdvanceLate(5); ++taken)
      QCoreApplication::processEvents();
    QVERIFY(!window.IsSpelling());
    QCOMPARE(FilesUnder(folder), Numbered(8));
    for (const QString& name : Numbered(8)) QVERIFY(QFile::remove(folder + name));
    ui.closeRecordingButton->click();
    QVERIFY(!ui.recordingPanel->isVisible());
    Spell(window);
    QVERIFY(FilesUnder(Dir() + QStringLiteral("lesson")).isEmpty());
    QCOMPARE(window.Engine().FrameCounter(), 8);
  }

  void anExistingFolderIsReusedWithOkAndLeftAloneWithCancel() {
    QVERIFY(QDir(Dir()).mkpath(QStringLiteral("lesson/word")));
    const QString folder = Dir() + QStringLiteral("lesson/word/");
    QVERIFY(WriteFileContents(folder + QStringLiteral("000.bmp"), "old"));
    QVERIFY(WriteFileContents(folder + QStringLiteral("notes.txt"), "mine"));
    MainWindow& window = StartRecordingWindow(InterfaceLanguage::Japanese);

    AnswerName(QStringLiteral("lesson"));
    auto question = AnswerNextMessageBox(QMessageBox::Ok);
    MenusOf(window).mnuBmp->trigger();
    QVERIFY(question->Shown);
    QCOMPARE(question->Text, QStringLiteral("既にディレクトリが存在している"));
    QCOMPARE(question->Buttons, QMessageBox::Ok | QMessageBox::Cancel);

    question = AnswerNextMessageBox(QMessageBox::Ok);
    Record(window, QStringLiteral("word"));
    QVERIFY(question->Shown);
    QCOMPARE(FilesUnder(folder), Numbered(8) << QStringLiteral("notes.txt"));
    QCOMPARE(BitsPerPixel(folder + QStringLiteral("000.bmp")), 24);
    QCOMPARE(FileContents(folder + QStringLiteral("notes.txt")), QByteArray("mine"));

    // Cancel: the word is not played and nothing is written.
    for (const QString& name : Numbered(8)) QVERIFY(QFile::remove(folder + name));
    const int32_t counter = window.Engine().FrameCounter();
    question = AnswerNextMessageBox(QMessageBox::Cancel);
    Record(window, QStringLiteral("word"));
    QVERIFY(question->Shown);
    QCOMPARE(FilesUnder(folder), QStringList{"notes.txt"});
    QCOMPARE(window.Engine().FrameCounter(), counter);
  }

  void captureAsksForAFolderFirstWhenNoneIsChosen() {
    MainWindow& window = StartRecordingWindow(InterfaceLanguage::English);
    AnswerName(QString());  // the Bitmap menu's folder window cancelled
    MenusOf(window).mnuBmp->trigger();
    QVERIFY(window.Pictures().CaptureFolder().isEmpty());

    // Recording is on but has no folder: a word saves nothing anywhere.
    Spell(window);
    QVERIFY(FilesUnder(Dir()).filter(QStringLiteral(".bmp")).isEmpty());

    QStringList asked;
    AnswerName(QStringLiteral("pictures"), &asked, [&asked] { AnswerName(QStringLiteral("still"), &asked); });
    ControlsOf(window).captureButton->click();
    QCOMPARE(asked, (QStringList{"Form4", "Form1"}));
    const QString still = Dir() + QStringLiteral("pictures/still.bmp");
    QCOMPARE(BitsPerPixel(still), 24);
    const HandView& area = *ControlsOf(window).handView;
    QCOMPARE(QImageReader(still).size(), QSize(area.Width(), area.Height()));

  }

  void aPictureThatCannotBeWrittenStopsRecordingWithOneMessage() {
    MainWindow& window = StartRecordingWindow(InterfaceLanguage::English);
    AnswerName(QStringLiteral("lesson"));
    MenusOf(window).mnuBmp->trigger();
    Record(window, QStringLiteral("word"));
    // The folder is taken away and a file stands in its place.
    const QString folder = Dir() + QStringLiteral("lesson/word");
    QVERIFY(QDir(folder).removeRecursively());
    QVERIFY(WriteFileContents(folder, "in the way"));
    const QStringList shown = MessagesDuring(
        [&] {
          ControlsOf(window).startButton->click();
          PlayWordToEnd();
        },
        1);
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("The picture could not be saved: ")), qPrintable(shown[0]));
  }

  void exportWritesTheWordAsAnAnimation() {
    MainWindow& window = StartRecordingWindow(InterfaceLanguage::English);
    ControlsOf(window).readingBox->setText(QStringLiteral("aa"));
    QStringList offered;
    const QStringList shown = Export(window, QStringLiteral("word.gif"), &offered);
    QVERIFY2(shown.isEmpty(), qPrintable(shown.join(u'\n')));
    // The word is offered as the name, in the pictures folder (here the program's own).
    QCOMPARE(offered, QStringList({QStringLiteral("aa.gif"), QFileInfo(Dir()).canonicalFilePath()}));
    QImageReader gif(Dir() + QStringLiteral("word.gif"));
    QCOMPARE(gif.format(), QByteArray("gif"));
    QCOMPARE(gif.imageCount(), 8);  // 16 steps, two to a picture

    // An unknown extension is refused with a message and writes nothing.
    const QStringList refused = Export(window, QStringLiteral("word.avi"));
    QCOMPARE(refused.size(), 1);
    QVERIFY(refused[0].startsWith(QStringLiteral("The animation could not be exported: ")));
    QVERIFY(!QFile::exists(Dir() + QStringLiteral("word.avi")));

    // Cancel in the progress window: no file and no message.
    ControlsOf(window).readingBox->setText(QStringLiteral("aaaa"));
    ControlsOf(window).speedBox->setText(QStringLiteral("1"));
    // The progress window is modal to the main window only.
    QTimer cancelling;
    bool pressed = false;
    connect(&cancelling, &QTimer::timeout, [&] {
      auto* progress = window.findChild<QProgressDialog*>(QStringLiteral("ExportProgress"));
      if (progress == nullptr || !progress->isVisible() || pressed) return;
      pressed = true;
      QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    cancelling.start(20);
    const QStringList cancelled = Export(window, QStringLiteral("long.mp4"));
    QVERIFY2(cancelled.isEmpty(), qPrintable(cancelled.join(u'\n')));
    QVERIFY(pressed);
    QCOMPARE(QDir(Dir()).entryList({QStringLiteral("long*")}, QDir::Files), QStringList());
  }

 private:
  // ASL with "a" (slot 1) as two key frames of 3 steps each at speed 100.
  void WriteRecordingFiles(InterfaceLanguage language) {
    WriteFiles(language, SystemId::American, 742);
    auto table = PlainAngleTable(1, 27, 0.075f);
    table->Signs[1].Frames.push_back(table->Signs[1].Frames[0]);
    table->Signs[1].Frames[1].RightFinger[4] = 60.0f;
    table->Signs[1].FrameCount = 2;
    QVERIFY(SaveAngleFile(*table, Dir() + QStringLiteral("PositionASL.csv")));
  }

  MainWindow& StartRecordingWindow(InterfaceLanguage language) {
    WriteRecordingFiles(language);
    MainWindow& window = ShowWindow();
    ControlsOf(window).speedBox->setText(QStringLiteral("100"));
    ControlsOf(window).readingBox->setText(QStringLiteral("a"));
    return window;
  }

  void Record(MainWindow& window, const QString& folder) {
    AnswerName(folder);
    ControlsOf(window).recordButton->click();
    PlayWordToEnd();
  }

  // Exports the word under `name` from the Export menu and waits, a minute at most, for
  // the export to end; returns the messages shown. `offered` gets the name and the
  // folder the file window offered.
  static QStringList Export(MainWindow& window, const QString& name, QStringList* offered = nullptr) {
    AnswerNextModal<FileDialog>([name, offered](FileDialog& dialog) {
      if (offered) *offered = {Child<QLineEdit>(dialog, "FileName")->text(), QFileInfo(dialog.Folder()).canonicalFilePath()};
      Child<QLineEdit>(dialog, "FileName")->setText(name);
      Child<QPushButton>(dialog, "cmload")->click();
    });
    return MessagesDuring([&] {
      MenusOf(window).mnuExport->trigger();
      // The menu returns at once; the export goes on on its own.
      auto* exporting = window.findChild<WordExport*>(QStringLiteral("WordExport"));
      QVERIFY(exporting);
      QSignalSpy ended(exporting, &WordExport::finished);
      QTRY_COMPARE_WITH_TIMEOUT(ended.count(), 1, 60000);
    });
  }

  void Spell(MainWindow& window) {
    ControlsOf(window).startButton->click();
    PlayWordToEnd();
  }
};

TOVARO_GUI_TEST(PictureRecordingTest);

#include "picture_recording_test.moc"
