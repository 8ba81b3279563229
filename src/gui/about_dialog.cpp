#include "gui/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About"));

  ProductName = new QLabel(QStringLiteral("Tovaro"), this);
  ProductName->setObjectName(QStringLiteral("ProductName"));
  QFont nameFont = ProductName->font();
  nameFont.setPointSizeF(nameFont.pointSizeF() * 2);
  nameFont.setBold(true);
  ProductName->setFont(nameFont);
  ProductName->setAlignment(Qt::AlignCenter);

  VersionText = new QLabel(VersionCaption(), this);
  VersionText->setObjectName(QStringLiteral("VersionText"));
  VersionText->setAlignment(Qt::AlignCenter);

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(32, 24, 32, 16);
  layout->addWidget(ProductName);
  layout->addWidget(VersionText);
  layout->addSpacing(16);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

QString AboutDialog::VersionCaption() {
  return QStringLiteral("Version ") + QStringLiteral(TOVARO_VERSION);
}
