#include "gui/editors/sign_name_dialog.h"

#include "signdata/key_frame_editing.h"
#include "signdata/sign_table.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

SignNameDialog::SignNameDialog(QWidget* parent)
    : QDialog(parent), nameBox_(new QLineEdit(this)),
      buttons_(new QDialogButtonBox(this)) {
  setObjectName(QStringLiteral("SignNameDialog"));
  label_ = new QLabel(this);
  label_->setBuddy(nameBox_);
  nameBox_->setObjectName(QStringLiteral("NameTxt"));
  nameBox_->setMaxLength(kSignNameLength);
  nameBox_->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QStringLiteral("[^,\"\\r\\n\\x{2028}\\x{2029}]{0,10}")), nameBox_));
  // Buttons of the program's own, since Qt's standard ones are not translated into
  // every language of the interface.
  okButton_ = buttons_->addButton(QString(), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName(QStringLiteral("cmdOK"));
  cancelButton_ = buttons_->addButton(QString(), QDialogButtonBox::RejectRole);
  cancelButton_->setObjectName(QStringLiteral("cmdCancel"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(nameBox_);
  layout->addWidget(buttons_);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Retranslate();
  Reset();
}

void SignNameDialog::Retranslate() {
  setWindowTitle(tr("Add Char"));
  label_->setText(tr("Sign name"));
  nameBox_->setAccessibleName(label_->text());
  okButton_->setText(tr("OK"));
  cancelButton_->setText(tr("Cancel"));
  for (QPushButton* button : {okButton_, cancelButton_}) button->setAccessibleName(button->text());
}

void SignNameDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void SignNameDialog::Reset() {
  nameBox_->setText(kUnnamedSign);
  nameBox_->selectAll();
  nameBox_->setFocus();
}

QString SignNameDialog::Name() const {
  // The validator keeps typed text clean; pasted text is checked once more, and a
  // blank name, invisible in the sign list, becomes "*".
  const QString name = nameBox_->text();
  return IsValidSignName(name) && !name.trimmed().isEmpty() ? name : kUnnamedSign;
}
