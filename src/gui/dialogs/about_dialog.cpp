#include "gui/dialogs/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About"));

  productName_ = new QLabel(QStringLiteral("Tovaro"), this);
  productName_->setObjectName(QStringLiteral("ProductName"));
  QFont nameFont = productName_->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 2);
  nameFont.setBold(true);
  productName_->setFont(nameFont);
  productName_->setAlignment(Qt::AlignCenter);

  versionText_ = new QLabel(VersionCaption(), this);
  versionText_->setObjectName(QStringLiteral("VersionText"));
  versionText_->setTextFormat(Qt::PlainText);
  versionText_->setAlignment(Qt::AlignCenter);

  auto* buttons = new QDialogButtonBox(this);
  buttons->setCenterButtons(true);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("cmdOK"));
  ok->setDefault(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 24, 32, 16);
  layout->addWidget(productName_);
  layout->addWidget(versionText_);
  layout->addSpacing(16);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

QString AboutDialog::VersionCaption() {
  return QStringLiteral("Version ") + QStringLiteral(TOVARO_VERSION);
}
