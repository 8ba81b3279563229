#include "gui/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  productName_ = new QLabel(QStringLiteral("Tovaro"), this);
  productName_->setObjectName(QStringLiteral("ProductName"));
  QFont nameFont = productName_->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 2);
  nameFont.setBold(true);
  productName_->setFont(nameFont);
  productName_->setAlignment(Qt::AlignCenter);

  versionText_ = new QLabel(this);
  versionText_->setObjectName(QStringLiteral("VersionText"));
  versionText_->setTextFormat(Qt::PlainText);
  versionText_->setAlignment(Qt::AlignCenter);

  auto* buttons = new QDialogButtonBox(this);
  buttons->setCenterButtons(true);
  ok_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
  ok_->setObjectName(QStringLiteral("cmdOK"));
  ok_->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 24, 32, 16);
  layout->addWidget(productName_);
  layout->addWidget(versionText_);
  layout->addSpacing(16);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  Retranslate();
}

void AboutDialog::Retranslate() {
  setWindowTitle(tr("About"));
  versionText_->setText(VersionCaption());
  ok_->setText(tr("OK"));
}

void AboutDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

QString AboutDialog::VersionCaption() {
  return tr("Version %1").arg(QStringLiteral(TOVARO_VERSION));
}
