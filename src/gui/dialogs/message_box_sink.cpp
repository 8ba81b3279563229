#include "gui/dialogs/message_box_sink.h"

#include <QMessageBox>

void MessageBoxSink::ShowMessage(const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, parent_);
  // The texts are the program's own, never markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
