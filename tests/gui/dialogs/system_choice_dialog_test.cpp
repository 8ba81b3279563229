#include "gui/dialogs/system_choice_dialog.h"

#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/modal_answer.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class SystemChoiceDialogTest : public QObject {
  Q_OBJECT

 private slots:
  // The Japanese captions, shown from the main window: MainWindowLanguageTest.
  void captionsTheSixSystemsInTheInterfaceFont() {
    SystemChoiceDialog window;
    QStringList captions;
    for (QRadioButton* option : Children<QRadioButton, 6>(window, "Option1")) captions << option->text();
    QCOMPARE(captions, (QStringList{"British Sign Language (BSL)", "Indonesian Alphabet", "American Sign Language (ASL)",
                                    "Derived ASL Alphabet", "Japanese Sign Language (JSL)", "Korean Sign Language (KSL)"}));
    QCOMPARE(Child<QPushButton>(window, "cmdOK")->text(), QStringLiteral("OK"));

    QFont font(QStringLiteral("DejaVu Sans"), 15);
    font.setBold(true);
    window.SetInterfaceFont(font);
    for (QRadioButton* option : Children<QRadioButton, 6>(window, "Option1")) QCOMPARE(option->font(), font);
    QCOMPARE(Child<QPushButton>(window, "cmdOK")->font(), font);
  }

  // OK (or Enter) takes the selected system, the marked one when nothing is clicked;
  // each display starts without a choice, so closing, Escape or no selection give none.
  void okTakesTheSelectedSystemAndAnythingElseLeavesNoChoice() {
    SystemChoiceDialog window;
    Child<QRadioButton>(window, "Option1_2")->setChecked(true);  // the caller marks the current system
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) {
      QCOMPARE(shown.SystemChoice(), std::optional<SystemId>());
      QTest::mouseClick(Child<QRadioButton>(shown, "Option1_4"), Qt::LeftButton);
      QTest::mouseClick(Child<QPushButton>(shown, "cmdOK"), Qt::LeftButton);
    });
    window.exec();
    QCOMPARE(window.SystemChoice(), std::optional(SystemId::JapaneseKana));
    QVERIFY(!window.isVisible());
    QVERIFY(!Child<QRadioButton>(window, "Option1_2")->isChecked());

    Child<QRadioButton>(window, "Option1_5")->setChecked(true);
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) { QTest::keyClick(&shown, Qt::Key_Return); });
    window.exec();
    QCOMPARE(window.SystemChoice(), std::optional(SystemId::KoreanHangul));

    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) {
      QTest::mouseClick(Child<QRadioButton>(shown, "Option1_3"), Qt::LeftButton);
      shown.close();
    });
    window.exec();
    QCOMPARE(window.SystemChoice(), std::optional<SystemId>());
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
    window.exec();
    QCOMPARE(window.SystemChoice(), std::optional<SystemId>());

    SystemChoiceDialog unmarked;
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) { Child<QPushButton>(shown, "cmdOK")->click(); });
    unmarked.exec();
    QCOMPARE(unmarked.SystemChoice(), std::optional<SystemId>());
  }
};

TOVARO_GUI_TEST(SystemChoiceDialogTest);

#include "system_choice_dialog_test.moc"
