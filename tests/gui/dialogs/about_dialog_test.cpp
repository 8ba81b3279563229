#include "gui/dialogs/about_dialog.h"

#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/modal_answer.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheNameAndVersionAndClosesWithItsButton() {
    AboutDialog window;
    QCOMPARE(Child<QLabel>(window, "ProductName")->text(), QStringLiteral("Tovaro"));
    QCOMPARE(Child<QLabel>(window, "VersionText")->text(), QStringLiteral("Version " TOVARO_VERSION));
    QVERIFY(QStringLiteral(TOVARO_VERSION).contains(u'.'));
    QCOMPARE(Child<QPushButton>(window, "cmdOK")->text(), QStringLiteral("OK"));

    bool shown = false;
    AnswerNextModal<AboutDialog>([&shown](AboutDialog& about) {
      shown = true;
      QTest::mouseClick(Child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
    });
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QVERIFY(shown);
    QVERIFY(!window.isVisible());

    // Enter presses the one button too.
    AnswerNextModal<AboutDialog>([](AboutDialog& about) { QTest::keyClick(&about, Qt::Key_Return); });
    QCOMPARE(window.exec(), int(QDialog::Accepted));
  }
};

TOVARO_GUI_TEST(AboutDialogTest);

#include "about_dialog_test.moc"
