#include "gui/dialogs/message_box_sink.h"

#include "support/gui_test_suites.h"
#include "support/modal_answer.h"

#include <QtTest>

class MessageBoxSinkTest : public QObject {
  Q_OBJECT

 private slots:
  // The exact text, as plain text even where it looks like markup, with one OK button;
  // each message in its own box, in turn.
  void showsEachMessageInTurnAsPlainTextWithOneOkButton() {
    QWidget owner;
    MessageBoxSink sink(&owner);
    const auto first = AnswerNextMessageBox(QMessageBox::Ok);
    sink.ShowMessage(QStringLiteral("Initial file could not be loaded"));
    QVERIFY(first->Shown);
    QCOMPARE(first->Text, QStringLiteral("Initial file could not be loaded"));
    QCOMPARE(first->Title, QStringLiteral("Tovaro"));
    QCOMPARE(first->Buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    auto format = std::make_shared<Qt::TextFormat>(Qt::AutoText);
    AnswerNextModal<QMessageBox>([format](QMessageBox& box) {
      *format = box.textFormat();
      box.button(QMessageBox::Ok)->click();
    });
    sink.ShowMessage(QStringLiteral("<b>not bold</b>"));
    QCOMPARE(*format, Qt::PlainText);
  }
};

TOVARO_GUI_TEST(MessageBoxSinkTest);

#include "message_box_sink_test.moc"
