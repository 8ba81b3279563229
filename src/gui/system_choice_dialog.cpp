#include "gui/system_choice_dialog.h"

#include "shell/caption_table.h"
#include "gui/background_painter.h"

#include <QButtonGroup>
#include <QFont>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
constexpr int kBackgroundStyle = 0;
}

SystemChoiceDialog::SystemChoiceDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmOption"));
  setWindowTitle(QStringLiteral("Fingerspell Language"));

  auto* group = new QButtonGroup(this);
  auto* layout = new QVBoxLayout(this);
  for (size_t i = 0; i < Option1.size(); ++i) {
    Option1[i] = new QRadioButton(this);
    Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    group->addButton(Option1[i], static_cast<int>(i));
    layout->addWidget(Option1[i]);
  }
  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setObjectName(QStringLiteral("cmdOK"));
  cmdOK->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  layout->addSpacing(8);
  layout->addLayout(buttons);

  SetCaptions(CaptionTable(), 0);
  PaintBackground(*this, kBackgroundStyle, u'B');
  connect(cmdOK, &QPushButton::clicked, this, &SystemChoiceDialog::TakeChoice);
}

void SystemChoiceDialog::SetCaptions(const CaptionTable& captions, int16_t language) {
  for (size_t i = 0; i < Option1.size(); ++i)
    Option1[i]->setText(captions.SystemCaption(static_cast<int16_t>(i), language));
}

void SystemChoiceDialog::SetInterfaceFont(const QFont& font) {
  for (QRadioButton* option : Option1) option->setFont(font);
  cmdOK->setFont(font);
}

void SystemChoiceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Each display starts undecided, so closing the window never repeats an old choice.
  if (!event->spontaneous()) SystemChoice = -1;
}

void SystemChoiceDialog::TakeChoice() {
  SystemChoice = -1;
  for (size_t i = 0; i < Option1.size(); ++i) {
    if (Option1[i]->isChecked()) {
      SystemChoice = static_cast<int16_t>(i);
      break;
    }
  }
  accept();
}
