#include "gui/dialogs/file_dialog.h"

#include "support/fifo_trap.h"
#include "support/file_contents.h"
#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/list_items.h"
#include "support/modal_answer.h"

#include <QAbstractItemView>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include <utility>

namespace {

void DoubleClickItem(QListWidget& list, const QString& name) {
  ClickItem(list, name);
  const QPoint at = list.visualItemRect(list.currentItem()).center();
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
}

// The angle data "Open" command prepares the window this way (the pose editor's "Save"
// with `load` false), here on the given folder.
void Prepare(FileDialog& dialog, bool load, const QString& folder) {
  dialog.OptionInitialize();
  dialog.SetLoadMode(load);
  dialog.SetTitle(load ? QStringLiteral("File Load") : QStringLiteral("File Save"));
  dialog.AddFajliloOptions(load ? QStringLiteral("Angle Data") : QStringLiteral("Initial Pattern"),
                           QStringLiteral(".csv"));
  dialog.SetFolder(folder);
}

// Shows the window modally and answers it with `answer`.
void ShowAnswering(FileDialog& dialog, std::function<void(FileDialog&)> answer) {
  AnswerNextModal<FileDialog>(std::move(answer));
  dialog.exec();
}

}  // namespace

class FileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QDir dir(folder_->path());
    for (const char* name : {"PositionBSL.csv", "two.dots.csv", "UPPER.CSV", "notes.txt", "README",
                             ".hidden.csv", "sub/inner.csv", "sub/deeper/x.csv"}) {
      const QString path = dir.filePath(QString::fromLatin1(name));
      QVERIFY(dir.mkpath(QFileInfo(path).path()));
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
  }

  void loadModeListsTheRegisteredTypeAndLoadsTheSelectedFile() {
    FileDialog dialog;
    Prepare(dialog, true, folder_->path());
    ShowAnswering(dialog, [](FileDialog& shown) {
      QCOMPARE(Items(*Child<QComboBox>(shown, "Combo1")), (QStringList{"Angle Data (*.csv)", "All Files (*.*)"}));
      // Names are matched regardless of case; hidden files and folders are not listed.
      QCOMPARE(Items(*Child<QListWidget>(shown, "File1")), (QStringList{"PositionBSL.csv", "two.dots.csv", "UPPER.CSV"}));
      QVERIFY(!Child<QLineEdit>(shown, "FileName")->isVisible() && !Child<QLabel>(shown, "Label_FileName")->isVisible());
      QCOMPARE(Child<QPushButton>(shown, "cmload")->text(), QStringLiteral("Load"));
      ClickItem(*Child<QListWidget>(shown, "File1"), QStringLiteral("two.dots.csv"));
      QTest::mouseClick(Child<QPushButton>(shown, "cmload"), Qt::LeftButton);
    });
    QVERIFY(dialog.Decided());
    QCOMPARE(dialog.Extension(), QStringLiteral(".csv"));
    QCOMPARE(dialog.FullPath(), folder_->path() + "/two.dots.csv");
    QCOMPARE(dialog.ChosenFileName(), QStringLiteral("two.dots.csv"));
    QCOMPARE(dialog.ChosenDirectory(), folder_->path() + "/");
    QCOMPARE(dialog.BaseName(), QStringLiteral("two"));

    // A double click loads the clicked file.
    ShowAnswering(dialog, [](FileDialog& shown) {
      DoubleClickItem(*Child<QListWidget>(shown, "File1"), QStringLiteral("PositionBSL.csv"));
    });
    QVERIFY(dialog.Decided());
    QCOMPARE(dialog.FullPath(), folder_->path() + "/PositionBSL.csv");
    QCOMPARE(dialog.BaseName(), QStringLiteral("PositionBSL"));

    // "All Files" lists every file and keeps the extension.
    ShowAnswering(dialog, [](FileDialog& shown) {
      Child<QComboBox>(shown, "Combo1")->setFocus();
      QTest::keyClick(Child<QComboBox>(shown, "Combo1"), Qt::Key_Down);  // "All Files (*.*)"
      QCOMPARE(Items(*Child<QListWidget>(shown, "File1")),
               (QStringList{"notes.txt", "PositionBSL.csv", "README", "two.dots.csv", "UPPER.CSV"}));
      ClickItem(*Child<QListWidget>(shown, "File1"), QStringLiteral("README"));
      QTest::mouseClick(Child<QPushButton>(shown, "cmload"), Qt::LeftButton);
    });
    QVERIFY(dialog.Decided());
    QCOMPARE(dialog.Extension(), QStringLiteral(".csv"));
    // A listed file is loaded by its own name, not one with the extension added.
    QCOMPARE(dialog.FullPath(), folder_->path() + "/README");
  }

  void loadingNothingNamesTheExtensionAloneAndCancellingDecidesNothing() {
    FileDialog dialog;
    Prepare(dialog, true, folder_->path());
    ShowAnswering(dialog, [](FileDialog& shown) { Child<QPushButton>(shown, "cmload")->click(); });
    QVERIFY(dialog.Decided());
    QCOMPARE(dialog.FullPath(), folder_->path() + "/.csv");

    // Every display starts undecided: Cancel, closing and Escape each decide nothing.
    const std::function<void(FileDialog&)> declines[] = {
        [](FileDialog& shown) { QTest::mouseClick(Child<QPushButton>(shown, "cmcancel"), Qt::LeftButton); },
        [](FileDialog& shown) { shown.close(); },
        [](FileDialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); }};
    for (const auto& decline : declines) {
      ShowAnswering(dialog, [](FileDialog& shown) { Child<QPushButton>(shown, "cmload")->click(); });
      QVERIFY(dialog.Decided());
      ShowAnswering(dialog, decline);
      QVERIFY(!dialog.Decided());
    }
  }

  void savingTakesTheTypedNameAndAppendsTheTypeExtensionWithoutADot() {
    FileDialog dialog;
    Prepare(dialog, false, folder_->path());
    ShowAnswering(dialog, [](FileDialog& shown) {
      QVERIFY(Child<QLineEdit>(shown, "FileName")->isVisible() && Child<QLabel>(shown, "Label_FileName")->isVisible());
      QCOMPARE(Child<QPushButton>(shown, "cmload")->text(), QStringLiteral("Save"));
      QCOMPARE(Child<QComboBox>(shown, "Combo1")->currentText(), QStringLiteral("Initial Pattern (*.csv)"));
      QTest::keyClicks(Child<QLineEdit>(shown, "FileName"), QStringLiteral("my pose"));
      QTest::keyClick(Child<QLineEdit>(shown, "FileName"), Qt::Key_Return);  // Enter presses Save
    });
    QVERIFY(dialog.Decided());
    QCOMPARE(dialog.FullPath(), folder_->path() + "/my pose.csv");
    QCOMPARE(dialog.ChosenFileName(), QStringLiteral("my pose.csv"));

    // A typed name with any dot is used as it is, while Extension stays the type's.
    ShowAnswering(dialog, [](FileDialog& shown) {
      Child<QLineEdit>(shown, "FileName")->clear();
      QTest::keyClicks(Child<QLineEdit>(shown, "FileName"), QStringLiteral("pose.txt"));
      QTest::mouseClick(Child<QPushButton>(shown, "cmload"), Qt::LeftButton);
    });
    QVERIFY(dialog.Decided());
    QCOMPARE(dialog.FullPath(), folder_->path() + "/pose.txt");
    QCOMPARE(dialog.Extension(), QStringLiteral(".csv"));

    // Without a name Save keeps the window open.
    bool stayedOpen = false;
    ShowAnswering(dialog, [&](FileDialog& shown) {
      Child<QLineEdit>(shown, "FileName")->setText(QStringLiteral("   "));
      QTest::mouseClick(Child<QPushButton>(shown, "cmload"), Qt::LeftButton);
      stayedOpen = shown.isVisible();
      Child<QPushButton>(shown, "cmcancel")->click();
    });
    QVERIFY(stayedOpen);
    QVERIFY(!dialog.Decided());
  }

  void theFolderTreeAndTheDriveListMoveTheFileList() {
    FileDialog dialog;
    Prepare(dialog, true, folder_->path());
    ShowAnswering(dialog, [this](FileDialog& shown) {
      auto* model = qobject_cast<QFileSystemModel*>(Child<QTreeView>(shown, "Dir1")->model());
      QVERIFY(model);
      Child<QTreeView>(shown, "Dir1")->setCurrentIndex(model->index(folder_->path() + "/sub"));
      QCOMPARE(Items(*Child<QListWidget>(shown, "File1")), QStringList{"inner.csv"});
      ClickItem(*Child<QListWidget>(shown, "File1"), QStringLiteral("inner.csv"));
      Child<QPushButton>(shown, "cmload")->click();
    });
    QCOMPARE(dialog.FullPath(), folder_->path() + "/sub/inner.csv");
    QCOMPARE(dialog.Folder(), folder_->path() + "/sub");

    // The folder stays for the next use; choosing a drive moves to its root.
    ShowAnswering(dialog, [this](FileDialog& shown) {
      auto* tree = Child<QTreeView>(shown, "Dir1");
      QCOMPARE(shown.Folder(), folder_->path() + "/sub");
      QCOMPARE(qobject_cast<QFileSystemModel*>(tree->model())->filePath(tree->currentIndex()), folder_->path() + "/sub");
      // Pick "/" from the drive list's popup.
      auto* drives = Child<QComboBox>(shown, "Drive1");
      QVERIFY(Items(*drives).contains(QStringLiteral("/")));
      drives->setCurrentIndex(drives->findText(QStringLiteral("/")));
      drives->showPopup();
      QTest::keyClick(drives->view(), Qt::Key_Return);
      QCOMPARE(shown.Folder(), QStringLiteral("/"));
      Child<QPushButton>(shown, "cmload")->click();
    });
    // On a root the path has a single separator.
    QCOMPARE(dialog.FullPath(), QStringLiteral("/.csv"));
  }

  // Types are told from names: a FIFO in the folder is never opened (it would block the
  // window for good) and no file is read to see what it holds.
  void aFolderIsListedFromItsNamesAloneWhateverItHolds() {
    FifoTrap pipe(folder_->filePath(QStringLiteral("pipe")));
    QVERIFY(pipe.IsSet());
    const QString picture = folder_->filePath(QStringLiteral("picture"));
    QVERIFY(WriteFileContents(picture, QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(64, '\0')));
    FileDialog dialog;
    Prepare(dialog, true, folder_->path());
    ShowAnswering(dialog, [&](FileDialog& shown) {
      auto* model = qobject_cast<QFileSystemModel*>(Child<QTreeView>(shown, "Dir1")->model());
      QVERIFY(model);
      const QModelIndex listed = model->index(folder_->path());
      model->fetchMore(listed);
      QTRY_VERIFY_WITH_TIMEOUT(model->rowCount(listed) > 0, 5000);
      QVERIFY(!model->iconProvider()->type(QFileInfo(picture)).contains(QStringLiteral("PNG")));
      Child<QPushButton>(shown, "cmcancel")->click();
    });
    QVERIFY(!pipe.Opened());
  }

  void anEmptyTypeListOffersEveryFile() {
    FileDialog dialog;
    // A type chosen at an earlier display.
    dialog.AddFajliloOptions(QStringLiteral("Old"), QStringLiteral(".old"));
    dialog.SetFolder(folder_->path());
    ShowAnswering(dialog, [](FileDialog& shown) { Child<QPushButton>(shown, "cmcancel")->click(); });
    QCOMPARE(dialog.Extension(), QStringLiteral(".old"));
    dialog.OptionInitialize();
    dialog.SetFolder(folder_->path());
    ShowAnswering(dialog, [](FileDialog& shown) {
      QCOMPARE(Items(*Child<QComboBox>(shown, "Combo1")), QStringList{"All Files (*.*)"});
      Child<QPushButton>(shown, "cmcancel")->click();
    });
    QCOMPARE(dialog.Extension(), QStringLiteral(".old"));
    QCOMPARE(dialog.sufix_check(QStringLiteral("name")), QStringLiteral("name.old"));
  }

 private:
  std::unique_ptr<QTemporaryDir> folder_;
};

TOVARO_GUI_TEST(FileDialogTest);

#include "file_dialog_test.moc"
