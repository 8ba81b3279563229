#include "gui/dialogs/system_choice_dialog.h"

#include "shell/caption_table.h"
#include "support/find_child.h"
#include "support/gui_test_suites.h"
#include "support/modal_answer.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class SystemChoiceDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void captionsTheSixSystemsInEitherLanguage() {
    SystemChoiceDialog window;
    QCOMPARE(Child<QRadioButton>(window, "Option1_0")->text(), QStringLiteral("British Sign Language (BSL)"));
    QCOMPARE(Child<QRadioButton>(window, "Option1_5")->text(), QStringLiteral("Korean Sign Language (KSL)"));
    QCOMPARE(Child<QPushButton>(window, "cmdOK")->text(), QStringLiteral("OK"));

    window.SetCaptions(CaptionTable(), InterfaceLanguage::Japanese);
    QCOMPARE(Child<QRadioButton>(window, "Option1_0")->text(), QStringLiteral("イギリス手話 (BSL)"));
    QCOMPARE(Child<QRadioButton>(window, "Option1_2")->text(), QStringLiteral("アメリカ手話 (ASL)"));
    QCOMPARE(Child<QRadioButton>(window, "Option1_4")->text(), QStringLiteral("日本手話 (JSL)"));

    QFont font(QStringLiteral("DejaVu Sans"), 15);
    font.setBold(true);
    window.SetInterfaceFont(font);
    for (QRadioButton* option : Children<QRadioButton, 6>(window, "Option1")) QCOMPARE(option->font(), font);
    QCOMPARE(Child<QPushButton>(window, "cmdOK")->font(), font);
  }

  void okTakesTheSelectedSystem() {
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

    // OK without a click keeps the marked system; Enter presses OK.
    Child<QRadioButton>(window, "Option1_5")->setChecked(true);
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) { QTest::keyClick(&shown, Qt::Key_Return); });
    window.exec();
    QCOMPARE(window.SystemChoice(), std::optional(SystemId::KoreanHangul));
  }

  void closingWithoutOkLeavesNoChoice() {
    SystemChoiceDialog window;
    Child<QRadioButton>(window, "Option1_1")->setChecked(true);
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) { QTest::mouseClick(Child<QPushButton>(shown, "cmdOK"), Qt::LeftButton); });
    window.exec();
    QCOMPARE(window.SystemChoice(), std::optional(SystemId::IndonesianTwoHanded));

    // The next display starts without a choice, so closing it reports none.
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) {
      QTest::mouseClick(Child<QRadioButton>(shown, "Option1_3"), Qt::LeftButton);
      shown.close();
    });
    window.exec();
    QCOMPARE(window.SystemChoice(), std::optional<SystemId>());

    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) { QTest::keyClick(&shown, Qt::Key_Escape); });
    window.exec();
    QCOMPARE(window.SystemChoice(), std::optional<SystemId>());
  }

  void noSelectedOptionGivesNoChoice() {
    SystemChoiceDialog window;
    AnswerNextModal<SystemChoiceDialog>([](SystemChoiceDialog& shown) { Child<QPushButton>(shown, "cmdOK")->click(); });
    window.exec();
    QCOMPARE(window.SystemChoice(), std::optional<SystemId>());
  }
};

TOVARO_GUI_TEST(SystemChoiceDialogTest);

#include "system_choice_dialog_test.moc"
