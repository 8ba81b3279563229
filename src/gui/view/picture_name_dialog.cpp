#include "gui/view/picture_name_dialog.h"

#include "gui/dialogs/message_box_sink.h"
#include "shell/picture_folders.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

PictureNameDialog::PictureNameDialog(Purpose purpose, QWidget* parent) : QDialog(parent) {
  const bool folder = purpose == Purpose::FolderName;
  purpose_ = purpose;
  setObjectName(folder ? QStringLiteral("Form4") : QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Form1"));

  nameBox_ = new QLineEdit(this);
  nameBox_->setObjectName(QStringLiteral("Text1"));
  nameBox_->setMinimumWidth(220);

  buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
  ok->setObjectName(QStringLiteral("Command1"));
  QPushButton* cancel = buttons_->button(QDialogButtonBox::Cancel);
  cancel->setObjectName(QStringLiteral("Command2"));
  Retranslate();
  connect(buttons_, &QDialogButtonBox::accepted, this, &PictureNameDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(nameBox_);
  layout->addWidget(buttons_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PictureNameDialog::Retranslate() {
  // The window has no label of its own; the empty box says what it asks for.
  const QString purposeText = purpose_ == Purpose::FolderName ? tr("Folder name") : tr("File name");
  nameBox_->setAccessibleName(purposeText);
  nameBox_->setPlaceholderText(purposeText);
  QPushButton* ok = buttons_->button(QDialogButtonBox::Ok);
  ok->setText(tr("OK"));
  ok->setAccessibleName(ok->text());
  QPushButton* cancel = buttons_->button(QDialogButtonBox::Cancel);
  cancel->setText(tr("Cancel"));
  cancel->setAccessibleName(cancel->text());
}

void PictureNameDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
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
