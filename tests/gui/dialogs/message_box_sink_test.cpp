#include "gui/dialogs/message_box_sink.h"

#include "support/gui_test_suites.h"
#include "support/modal_answer.h"

#include <QtTest>

class MessageBoxSinkTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheExactTextWithOneOkButton() {
    QWidget owner;
    MessageBoxSink sink(&owner);
    const auto seen = AnswerNextMessageBox(QMessageBox::Ok);
    sink.ShowMessage(QStringLiteral("Initial file could not be loaded"));
    QVERIFY(seen->Shown);
    QCOMPARE(seen->Text, QStringLiteral("Initial file could not be loaded"));
    QCOMPARE(seen->Title, QStringLiteral("Tovaro"));
    QCOMPARE(seen->Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
  }

  void showsMarkupAsPlainText() {
    MessageBoxSink sink;
    auto format = std::make_shared<Qt::TextFormat>(Qt::AutoText);
    AnswerNextModal<QMessageBox>([format](QMessageBox& box) {
      *format = box.textFormat();
      box.button(QMessageBox::Ok)->click();
    });
    sink.ShowMessage(QStringLiteral("<b>not bold</b>"));
    QCOMPARE(*format, Qt::PlainText);
  }

  void showsEachMessageInTurn() {
    MessageBoxSink sink;
    const auto first = AnswerNextMessageBox();
    sink.ShowMessage(QStringLiteral("Invalid speed value!"));
    const auto second = AnswerNextMessageBox();
    sink.ShowMessage(QStringLiteral("Unsupported character(s) in the string"));
    QCOMPARE(first->Text, QStringLiteral("Invalid speed value!"));
    QCOMPARE(second->Text, QStringLiteral("Unsupported character(s) in the string"));
  }
};

TOVARO_GUI_TEST(MessageBoxSinkTest);

#include "message_box_sink_test.moc"
