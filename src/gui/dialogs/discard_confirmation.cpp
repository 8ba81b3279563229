#include "gui/dialogs/discard_confirmation.h"

#include "gui/dialogs/message_box_sink.h"

#include <QCoreApplication>
#include <QMessageBox>

bool ConfirmDiscardingChanges(QWidget* parent) {
  // kConfirmationTitle and kDiscardChangesMessage in the interface language.
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::translate("DiscardConfirmation", "Confirmation"),
                  QCoreApplication::translate("DiscardConfirmation", "Changes will be discarded"),
                  QMessageBox::Ok | QMessageBox::Cancel, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Cancel);
  MessageBoxSink::CaptionStandardButtons(box);
  return box.exec() == QMessageBox::Ok;
}
