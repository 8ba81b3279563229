#include "gui/editors/frame_copy_dialog.h"

#include "gui/editors/drop_down_list.h"
#include "gui/dialogs/message_box_sink.h"
#include "playback/playback_engine.h"
#include "signdata/key_frame_editing.h"
#include "signdata/sign_table.h"

#include <QDialogButtonBox>
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
      previewButton_(new QPushButton(QStringLiteral("Preview"), this)) {
  setObjectName(QStringLiteral("frmCopy"));
  setWindowTitle(QStringLiteral("Form1"));

  signList_->setObjectName(QStringLiteral("cmbIndex"));
  signList_->setAccessibleName(QStringLiteral("Sign Index"));
  signList_->setPlaceholderText(QStringLiteral("Sign Index"));
  signList_->setMinimumContentsLength(kSignNameLength);
  auto* frameLabel = new QLabel(QStringLiteral("Frame No"), this);
  frameLabel->setObjectName(QStringLiteral("Label13"));
  frameLabel->setBuddy(frameNumberBox_);
  frameNumberBox_->setObjectName(QStringLiteral("FrameNoTxt"));
  frameNumberBox_->setAccessibleName(frameLabel->text());
  frameNumberBox_->setMaximumWidth(60);
  frameCountLabel_->setObjectName(QStringLiteral("TotalFrameLbl"));
  frameCountLabel_->setTextFormat(Qt::PlainText);
  frameCountLabel_->setAccessibleName(QStringLiteral("Total frames"));
  previewButton_->setObjectName(QStringLiteral("cmdPreview"));
  previewButton_->setAccessibleName(previewButton_->text());
  previewButton_->setAutoDefault(false);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("Command1"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Command2"));
  for (QAbstractButton* button : buttons->buttons()) button->setAccessibleName(button->text());

  auto* grid = new QGridLayout;
  grid->addWidget(signList_, 0, 0, 1, 4);
  grid->addWidget(frameLabel, 1, 0);
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
}

void FrameCopyDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FillSignList();
}

void FrameCopyDialog::FillSignList() {
  signList_->clear();
  for (int sign = 0; sign < table_.SignCount; ++sign) signList_->addItem(table_.Signs[sign].Name);
  signList_->setPlaceholderText(QStringLiteral("Characters"));
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
