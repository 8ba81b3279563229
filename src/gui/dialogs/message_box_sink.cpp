#include "gui/dialogs/message_box_sink.h"

#include "shell/interface_text.h"

#include <QMessageBox>

void MessageBoxSink::ShowMessage(const QString& text) {
  // A message the logic gives in English is shown in the interface language.
  QMessageBox box(QMessageBox::NoIcon, kTitle, InInterfaceLanguage(text), QMessageBox::Ok, parent_);
  // The texts are the program's own, never markup.
  box.setTextFormat(Qt::PlainText);
  box.exec();
}
