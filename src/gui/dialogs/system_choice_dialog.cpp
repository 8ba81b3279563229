#include "gui/dialogs/system_choice_dialog.h"

#include "shell/caption_table.h"
#include "gui/main_window/background_painter.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFont>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {
constexpr int kBackgroundStyle = 0;
}

SystemChoiceDialog::SystemChoiceDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmOption"));

  auto* group = new QButtonGroup(this);
  auto* layout = new QVBoxLayout(this);
  for (size_t i = 0; i < options_.size(); ++i) {
    options_[i] = new QRadioButton(this);
    options_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    group->addButton(options_[i], static_cast<int>(i));
    layout->addWidget(options_[i]);
  }
  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName(QStringLiteral("cmdOK"));
  okButton_->setDefault(true);
  layout->addSpacing(8);
  layout->addWidget(buttons);

  Retranslate();
  SetCaptions(CaptionTable(), InterfaceLanguage::English);
  PaintBackground(*this, kBackgroundStyle, u'B');
  connect(buttons, &QDialogButtonBox::accepted, this, &SystemChoiceDialog::TakeChoice);
}

void SystemChoiceDialog::MarkSystem(SystemId system) {
  if (IsChoosableSystem(system)) options_[static_cast<size_t>(SystemNumber(system))]->setChecked(true);
}

void SystemChoiceDialog::SetCaptions(const CaptionTable& captions, InterfaceLanguage language) {
  for (size_t i = 0; i < options_.size(); ++i) {
    options_[i]->setText(captions.SystemCaption(*ChoosableSystemFromNumber(static_cast<int>(i)), language));
    options_[i]->setAccessibleName(options_[i]->text());
  }
}

void SystemChoiceDialog::SetInterfaceFont(const QFont& font) {
  for (QRadioButton* option : options_) option->setFont(font);
  okButton_->setFont(font);
}

void SystemChoiceDialog::Retranslate() {
  setWindowTitle(tr("Fingerspell Language"));
  okButton_->setText(tr("OK"));
}

void SystemChoiceDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void SystemChoiceDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Each display starts undecided, so closing the window never repeats an old choice.
  if (!event->spontaneous()) choice_ = std::nullopt;
}

void SystemChoiceDialog::TakeChoice() {
  choice_ = std::nullopt;
  for (size_t i = 0; i < options_.size(); ++i) {
    if (options_[i]->isChecked()) {
      choice_ = ChoosableSystemFromNumber(static_cast<int>(i));
      break;
    }
  }
  accept();
}
