#include "gui/editors/frame_copy_dialog.h"

#include "gui/editors/drop_down_list.h"
#include "gui/dialogs/message_box_sink.h"
#include "playback/playback_engine.h"
#include "signdata/key_frame_editing.h"
#include "signdata/sign_table.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

FrameCopyDialog::FrameCopyDialog(const SignTable& table, PlaybackEngine& engine, QWidget* parent)
    : QDialog(parent),
      table_(table),
      engine_(engine),
      messages_(std::make_unique<MessageBoxSink>(this)),
      signList_(new DropDownList(this)),
      frameNumberBox_(new QLineEdit(QStringLiteral("1"), this)),
      frameCountLabel_(new QLabel(QStringLiteral("1"), this)),
      previewButton_(new QPushButton(this)) {
  setObjectName(QStringLiteral("frmCopy"));

  signList_->setObjectName(QStringLiteral("cmbIndex"));
  signList_->setMinimumContentsLength(kSignNameLength);
  frameLabel_ = new QLabel(this);
  frameLabel_->setObjectName(QStringLiteral("Label13"));
  frameLabel_->setBuddy(frameNumberBox_);
  frameNumberBox_->setObjectName(QStringLiteral("FrameNoTxt"));
  frameNumberBox_->setMaximumWidth(60);
  frameCountLabel_->setObjectName(QStringLiteral("TotalFrameLbl"));
  frameCountLabel_->setTextFormat(Qt::PlainText);
  previewButton_->setObjectName(QStringLiteral("cmdPreview"));
  previewButton_->setAutoDefault(false);

  // Buttons of the program's own, since Qt's standard ones are not translated into
  // every language of the interface.
  auto* buttons = new QDialogButtonBox(this);
  okButton_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
  okButton_->setObjectName(QStringLiteral("Command1"));
  cancelButton_ = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
  cancelButton_->setObjectName(QStringLiteral("Command2"));

  auto* grid = new QGridLayout;
  grid->addWidget(signList_, 0, 0, 1, 4);
  grid->addWidget(frameLabel_, 1, 0);
  grid->addWidget(frameNumberBox_, 1, 1);
  grid->addWidget(new QLabel(QStringLiteral("/"), this), 1, 2);
  grid->addWidget(frameCountLabel_, 1, 3);
  grid->addWidget(previewButton_, 2, 0, 1, 4);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addWidget(buttons);

  connect(signList_, &QComboBox::activated, this, &FrameCopyDialog::ChooseSign);
  connect(previewButton_, &QPushButton::clicked, this, &FrameCopyDialog::Preview);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Retranslate();
}

void FrameCopyDialog::Retranslate() {
  setWindowTitle(tr("Form1"));
  signList_->setAccessibleName(tr("Sign Index"));
  // The list is offered as the characters once it holds the table's signs.
  signList_->setPlaceholderText(listFilled_ ? tr("Characters") : tr("Sign Index"));
  frameLabel_->setText(tr("Frame No"));
  frameNumberBox_->setAccessibleName(frameLabel_->text());
  frameCountLabel_->setAccessibleName(tr("Total frames"));
  previewButton_->setText(tr("Preview"));
  previewButton_->setAccessibleName(previewButton_->text());
  okButton_->setText(tr("OK"));
  cancelButton_->setText(tr("Cancel"));
  for (QPushButton* button : {okButton_, cancelButton_}) button->setAccessibleName(button->text());
}

void FrameCopyDialog::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

void FrameCopyDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FillSignList();
}

void FrameCopyDialog::FillSignList() {
  signList_->clear();
  for (int sign = 0; sign < table_.SignCount; ++sign) signList_->addItem(table_.Signs[sign].Name);
  listFilled_ = true;
  signList_->setPlaceholderText(tr("Characters"));
  signList_->setCurrentIndex(-1);
}

void FrameCopyDialog::ChooseSign(int sign) {
  if (sign < 0) return;
  copySign_ = sign;
  copyFrame_ = 0;
  frameNumberBox_->setText(QStringLiteral("1"));
  frameCountLabel_->setText(QString::number(table_.KeyFrameCount(sign)));
  ShowKeyFrame(sign, 0);
}

void FrameCopyDialog::Preview() {
  const EditOutcome frame = CopyPreviewFrame(table_, copySign_, frameNumberBox_->text());
  if (!frame.Ok()) {
    // The key frame handed back stays the last one shown.
    messages_->ShowMessage(frame.message);
    return;
  }
  copyFrame_ = frame.index;
  ShowKeyFrame(copySign_, copyFrame_);
}

void FrameCopyDialog::ShowKeyFrame(int sign, int frame) {
  if (engine_.SetHandPose(sign, frame)) engine_.DrawHands();
}
