#include "gui/view/picture_name_dialog.h"

#include "gui/dialogs/message_box_sink.h"
#include "shell/picture_folders.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PictureNameDialog::PictureNameDialog(Purpose purpose, QWidget* parent) : QDialog(parent) {
  const bool folder = purpose == Purpose::FolderName;
  setObjectName(folder ? QStringLiteral("Form4") : QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));

  nameBox_ = new QLineEdit(this);
  nameBox_->setObjectName(QStringLiteral("Text1"));
  // The window has no label of its own; the empty box says what it asks for.
  const QString purposeText = folder ? QStringLiteral("Folder name") : QStringLiteral("File name");
  nameBox_->setAccessibleName(purposeText);
  nameBox_->setPlaceholderText(purposeText);
  nameBox_->setMinimumWidth(220);

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("Command1"));
  ok->setText(QStringLiteral("OK"));
  ok->setAccessibleName(QStringLiteral("OK"));
  QPushButton* cancel = buttons_->button(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("Command2"));
  cancel->setText(QStringLiteral("Cancel"));
  cancel->setAccessibleName(QStringLiteral("Cancel"));
  connect(buttons_, &QDialogButtonBox::accepted, this, &PictureNameDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(nameBox_);
  layout->addWidget(buttons_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PictureNameDialog::Clear() {
  nameBox_->clear();
  enteredName_.clear();
  nameBox_->setFocus(Qt::OtherFocusReason);
}

void PictureNameDialog::accept() {
  const QString name = nameBox_->text();
  switch (CheckPictureName(name)) {
    case NameCheck::Empty: return;
    case NameCheck::Invalid:
      MessageBoxSink(this).ShowMessage(kInvalidNameMessage);
      return;
    case NameCheck::Accepted: break;
  }
  enteredName_ = name;
  QDialog::accept();
}
