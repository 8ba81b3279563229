#include "gui/dialogs/discard_confirmation.h"

#include "signdata/key_frame_editing.h"

#include <QMessageBox>

bool ConfirmDiscardingChanges(QWidget* parent) {
  QMessageBox box(QMessageBox::NoIcon, kConfirmationTitle, kDiscardChangesMessage,
                  QMessageBox::Ok | QMessageBox::Cancel, parent);
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}
