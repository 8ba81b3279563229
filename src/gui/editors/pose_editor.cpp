#include "gui/editors/pose_editor.h"

#include "gui/dialogs/discard_confirmation.h"
#include "gui/editors/angle_table_saving.h"
#include "gui/editors/drop_down_list.h"
#include "gui/dialogs/file_dialog.h"
#include "gui/editors/frame_copy_dialog.h"
#include "gui/editors/hand_value_panel.h"
#include "gui/dialogs/message_box_sink.h"
#include "gui/editors/number_box.h"
#include "gui/editors/sign_name_dialog.h"
#include "gui/editors/undo_actions.h"
#include "playback/playback_engine.h"
#include "playback/pose_loading.h"
#include "playback/sign_action.h"
#include "playback/timed_player.h"
#include "shell/angle_table_document.h"
#include "signdata/angle_file.h"
#include "signdata/key_frame_editing.h"
#include "signdata/key_frame_lint.h"
#include "signdata/sign_table.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QToolButton>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QPushButton* Button(const char* name, QWidget* parent) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  return button;
}

QLabel* Label(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAccessibleName(text);
  return label;
}

// A caption that is also what a screen reader calls the control.
void SetCaption(QAbstractButton& control, const QString& text) {
  control.setText(text);
  control.setAccessibleName(text);
}

void SetCaption(QLabel& label, const QString& text) {
  label.setText(text);
  label.setAccessibleName(text);
}

}  // namespace

PoseEditor::PoseEditor(PoseEditorContext context, QWidget* parent)
    : QDialog(parent, Qt::Window),
      document_(context.document),
      table_(context.document.Table()),
      engine_(context.engine),
      player_(context.player),
      speedText_(std::move(context.speedText)),
      fileDialog_(std::move(context.fileDialog)),
      messages_(std::make_unique<MessageBoxSink>(this)),
      signList_(new DropDownList(this)),
      frameNumberBox_(new QLineEdit(QStringLiteral("1"), this)),
      frameCountLabel_(new QLabel(QStringLiteral("1"), this)),
      rateBox_(new NumberBox(this)),
      handChoice_(new QGroupBox(this)),
      handGroup_(new QButtonGroup(this)),
      liveBox_(new QCheckBox(this)),
      panelStack_(new QStackedWidget(this)),
      addFrameButton_(Button("AddCmd", this)),
      deleteFrameButton_(Button("DeleteCmd", this)),
      copyButton_(Button("CopyCmd", this)),
      addSignButton_(Button("cmdAddChar", this)),
      loadButton_(Button("cmdFrameLoad", this)),
      displayButton_(Button("cmdDisp", this)),
      setButton_(Button("cmdSet", this)),
      actionButton_(Button("cmdAction", this)),
      saveButton_(Button("CmdSave", this)),
      closeButton_(Button("cmdClose", this)),
      statusLine_(new QLabel(this)) {
  setObjectName(QStringLiteral("EditFrm2"));
  BuildLayout();
  ConnectControls();
  ShowPanel(0);
  Retranslate();
}

void PoseEditor::Retranslate() {
  // Once opened, the title is the caption the owner gave.
  if (caption_.isEmpty()) setWindowTitle(tr("Pose Editor"));
  signList_->setAccessibleName(tr("Sign Index"));
  signList_->setPlaceholderText(tr("Sign Index"));
  SetCaption(*frameLabel_, tr("Frame No"));
  frameNumberBox_->setAccessibleName(frameLabel_->text());
  frameCountLabel_->setAccessibleName(tr("Total frames"));
  SetCaption(*rateLabel_, tr("Velocity rate"));
  rateBox_->setAccessibleName(rateLabel_->text());
  handChoice_->setAccessibleName(tr("Hand"));
  SetCaption(*handOptions_[0], tr("Right"));
  SetCaption(*handOptions_[1], tr("Left"));
  SetCaption(*liveBox_, tr("Live"));
  SetCaption(*addFrameButton_, tr("Add Frame"));
  SetCaption(*deleteFrameButton_, tr("Delete Frame"));
  SetCaption(*copyButton_, tr("Copy From"));
  SetCaption(*addSignButton_, tr("Add Char"));
  SetCaption(*loadButton_, tr("Load"));
  SetCaption(*displayButton_, tr("Disp"));
  SetCaption(*setButton_, tr("Set"));
  SetCaption(*actionButton_, tr("Action"));
  SetCaption(*saveButton_, tr("Save"));
  SetCaption(*closeButton_, tr("Close"));
  statusLine_->setAccessibleName(tr("Status"));
  editMenu_->setTitle(tr("Edit"));
  // The button the bar shows when the window is too narrow for its menus.
  for (QToolButton* more : editMenu_->parentWidget()->findChildren<QToolButton*>())
    more->setAccessibleName(tr("More menus"));
}

void PoseEditor::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QDialog::changeEvent(event);
}

PoseEditor::~PoseEditor() = default;

void PoseEditor::BuildLayout() {
  signList_->setObjectName(QStringLiteral("cmbIndex"));
  signList_->setMinimumContentsLength(kSignNameLength);

  frameLabel_ = Label(QString(), this);
  frameLabel_->setBuddy(frameNumberBox_);
  frameNumberBox_->setObjectName(QStringLiteral("FrameNoTxt"));
  frameNumberBox_->setFixedWidth(48);
  frameCountLabel_->setObjectName(QStringLiteral("TotalFrameLbl"));
  frameCountLabel_->setTextFormat(Qt::PlainText);
  frameCountLabel_->setMinimumWidth(24);
  rateLabel_ = Label(QString(), this);
  rateLabel_->setBuddy(rateBox_);
  rateBox_->setObjectName(QStringLiteral("VrateTxt"));
  rateBox_->setFixedWidth(56);
  rateBox_->setText(QStringLiteral("1"));

  auto* top = new QHBoxLayout;
  top->addWidget(signList_);
  top->addSpacing(12);
  top->addWidget(frameLabel_);
  top->addWidget(frameNumberBox_);
  top->addWidget(Label(QStringLiteral("/"), this));
  top->addWidget(frameCountLabel_);
  top->addSpacing(12);
  top->addWidget(rateLabel_);
  top->addWidget(rateBox_);
  top->addStretch();

  handChoice_->setObjectName(QStringLiteral("Frame3"));
  auto* choiceLayout = new QHBoxLayout(handChoice_);
  choiceLayout->setContentsMargins(6, 2, 6, 2);
  for (int hand = 0; hand < 2; ++hand) {
    handOptions_[hand] = new QRadioButton(handChoice_);
    handOptions_[hand]->setObjectName(QStringLiteral("Option1_%1").arg(hand));
    handGroup_->addButton(handOptions_[hand], hand);
    choiceLayout->addWidget(handOptions_[hand]);
  }
  handOptions_[0]->setChecked(true);
  liveBox_->setObjectName(QStringLiteral("LiveChk"));
  liveBox_->setChecked(true);
  auto* choices = new QHBoxLayout;
  choices->addWidget(handChoice_);
  choices->addSpacing(12);
  choices->addWidget(liveBox_);
  choices->addStretch();

  for (int hand = 0; hand < 2; ++hand) {
    panels_[hand] = new HandValuePanel(hand, panelStack_);
    panelStack_->addWidget(panels_[hand]);
  }

  auto* buttons = new QGridLayout;
  const std::array<QPushButton*, 10> order = {addFrameButton_, deleteFrameButton_, copyButton_,
                                              addSignButton_,  loadButton_,        displayButton_,
                                              setButton_,      actionButton_,      saveButton_,
                                              closeButton_};
  for (size_t i = 0; i < order.size(); ++i)
    buttons->addWidget(order[i], static_cast<int>(i / 5), static_cast<int>(i % 5));

  statusLine_->setObjectName(QStringLiteral("StatusLbl"));
  statusLine_->setTextFormat(Qt::PlainText);
  statusLine_->setWordWrap(true);
  statusLine_->setMinimumHeight(statusLine_->fontMetrics().height() * 2);

  // Edit → Undo and Redo, as in the main window; a value box keeps Ctrl+Z for its own
  // typing while it has the focus.
  auto* menuBar = new QMenuBar(this);
  editMenu_ = menuBar->addMenu(QString());
  editMenu_->setObjectName(QStringLiteral("EditMenus"));
  AddUndoActions(*editMenu_, document_.UndoStack());

  auto* layout = new QVBoxLayout(this);
  layout->setMenuBar(menuBar);
  layout->addLayout(top);
  layout->addLayout(choices);
  layout->addWidget(panelStack_);
  layout->addLayout(buttons);
  layout->addWidget(statusLine_);
}

void PoseEditor::ConnectControls() {
  connect(signList_, &QComboBox::activated, this, &PoseEditor::ChooseSign);
  connect(signList_, &DropDownList::aboutToOpen, this, &PoseEditor::ListAboutToOpen);
  connect(frameNumberBox_, &QLineEdit::textEdited, this, &PoseEditor::FrameNumberTyped);
  frameNumberBox_->installEventFilter(this);
  connect(rateBox_, &QLineEdit::textChanged, this, [this] { frameEdited_ = true; });
  for (HandValuePanel* panel : panels_)
    for (const ValueBoxId& box : HandBoxes(panel->HandIndex()))
      connect(panel->Box(box), &QLineEdit::textChanged, this, &PoseEditor::ValueBoxChanged);
  connect(handGroup_, &QButtonGroup::idClicked, this, &PoseEditor::ShowPanel);

  connect(loadButton_, &QPushButton::clicked, this, &PoseEditor::LoadFrame);
  connect(displayButton_, &QPushButton::clicked, this, &PoseEditor::Display);
  connect(setButton_, &QPushButton::clicked, this, &PoseEditor::SetFrame);
  connect(addFrameButton_, &QPushButton::clicked, this, &PoseEditor::AddFrame);
  connect(deleteFrameButton_, &QPushButton::clicked, this, &PoseEditor::DeleteFrame);
  connect(copyButton_, &QPushButton::clicked, this, &PoseEditor::CopyFrom);
  connect(addSignButton_, &QPushButton::clicked, this, &PoseEditor::AddSign);
  connect(actionButton_, &QPushButton::clicked, this, &PoseEditor::Action);
  connect(saveButton_, &QPushButton::clicked, this, &PoseEditor::Save);
  connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

  connect(&document_, &AngleTableDocument::slotChanged, this, &PoseEditor::FollowSlotChange);
  connect(&document_, &AngleTableDocument::cleanChanged, this, [this](bool clean) {
    if (clean) tableModified_ = false;
    ShowTitle();
  });
}

void PoseEditor::Open(const QString& caption) {
  if (!table_.HasLayout()) return;
  const bool twoHands = table_.HandCount == 2;
  handChoice_->setEnabled(twoHands);
  caption_ = caption;
  ShowTitle();
  signList_->clear();
  handOptions_[0]->setChecked(true);
  ShowPanel(0);
  for (int sign = 0; sign < table_.SignCount; ++sign) signList_->addItem(table_.Signs[sign].Name);
  signList_->setCurrentIndex(-1);

  if (!placed_) {
    placed_ = true;
    adjustSize();
    // Beside the main window where the screen has room, so the hands stay in view.
    if (QWidget* owner = parentWidget(); owner && owner->screen()) {
      const QRect screen = owner->screen()->availableGeometry();
      const QRect main = owner->frameGeometry();
      const int right = main.right() + 1;
      const int left = right + frameGeometry().width() <= screen.right() + 1
                           ? right
                           : screen.right() + 1 - frameGeometry().width();
      move(std::max(screen.left(), left), main.top());
    }
  }
  show();
  raise();
  activateWindow();
}

NumberBox* PoseEditor::Box(const ValueBoxId& box) const {
  return panels_.at(static_cast<size_t>(box.hand))->Box(box);
}

int PoseEditor::TableHands() const { return table_.HandCount == 2 ? 2 : 1; }

void PoseEditor::ShowPanel(int hand) {
  // The left hand's panel only for a table of two hands.
  const int shown = hand == 1 && table_.HandCount == 2 ? 1 : 0;
  panelStack_->setCurrentIndex(shown);
}

void PoseEditor::ChooseSign(int sign) {
  if (sign < 0) return;
  currentSign_ = sign;
  frameNumberBox_->setText(QStringLiteral("1"));
  ShowFrameCount();
  ShowKeyFrame(currentSign_, 0);
  frameEdited_ = false;
}

void PoseEditor::ListAboutToOpen() {
  if (frameEdited_ && ConfirmDiscardingChanges(this)) frameEdited_ = false;
}

void PoseEditor::FrameNumberTyped(const QString& text) {
  if (text.isEmpty()) return;
  const EditOutcome frame = FrameOfText(table_, currentSign_, text);
  if (!frame.Ok()) {
    messages_->ShowMessage(frame.message);
    return;
  }
  ShowFrameCount();
  ShowKeyFrame(currentSign_, frame.index);
}

void PoseEditor::FrameNumberClicked() {
  if (!frameEdited_) return;
  if (ConfirmDiscardingChanges(this))
    frameEdited_ = false;
  else
    frameNumberBox_->setText(savedFrameText_);
}

bool PoseEditor::eventFilter(QObject* watched, QEvent* event) {
  if (watched == frameNumberBox_) {
    if (event->type() == QEvent::FocusIn) {
      savedFrameText_ = frameNumberBox_->text();
      // After the click that gave the focus has placed the cursor.
      QTimer::singleShot(0, frameNumberBox_, &QLineEdit::selectAll);
    } else if (event->type() == QEvent::MouseButtonPress && !frameNumberBox_->hasFocus()) {
      // The focus may come after the click on a busy display; the text to keep on
      // Cancel is the one the click found.
      savedFrameText_ = frameNumberBox_->text();
    } else if (event->type() == QEvent::MouseButtonRelease) {
      // After the click is done, so the question does not interrupt it.
      QTimer::singleShot(0, this, &PoseEditor::FrameNumberClicked);
    }
  }
  return QWidget::eventFilter(watched, event);
}

void PoseEditor::ValueBoxChanged() {
  frameEdited_ = true;
  if (!writingBoxes_ && liveBox_->isChecked()) PreviewBoxes(true);
}

void PoseEditor::LoadFrame() {
  const EditOutcome frame = FrameOfText(table_, currentSign_, frameNumberBox_->text());
  if (!frame.Ok()) {
    messages_->ShowMessage(frame.message);
    return;
  }
  ShowFrameCount();
  ShowKeyFrame(currentSign_, frame.index);
  frameEdited_ = false;
}

void PoseEditor::Display() { PreviewBoxes(); }

void PoseEditor::SetFrame() {
  const EditOutcome frame = FrameOfText(table_, currentSign_, frameNumberBox_->text());
  if (!frame.Ok()) {
    messages_->ShowMessage(frame.message);
    return;
  }
  KeyFrame values = table_.Frame(currentSign_, frame.index);
  if (const QString problem = ReadBoxes(values, true); !problem.isEmpty()) {
    messages_->ShowMessage(problem);
    return;
  }
  storing_ = true;
  document_.StoreKeyFrame(currentSign_, frame.index, values);
  storing_ = false;
  frameEdited_ = false;
  tableModified_ = true;
  // Shown, not enforced: a shape may touch on purpose, and the author decides.
  SetStatus(KeyFrameProblemText(table_.Frame(currentSign_, frame.index), TableHands()));
  messages_->ShowMessage(kDataUpdatedMessage);
}

void PoseEditor::AddFrame() {
  storing_ = true;
  const EditOutcome added = document_.AppendKeyFrame(currentSign_);
  storing_ = false;
  if (!added.Ok()) {
    messages_->ShowMessage(added.message);
    return;
  }
  frameNumberBox_->setText(QString::number(added.index + 1));
  ShowFrameCount();
  ShowKeyFrame(currentSign_, added.index);
}

void PoseEditor::DeleteFrame() {
  const int frame = FrameIndexOfText(frameNumberBox_->text()).value_or(-1);
  storing_ = true;
  const EditOutcome shown = document_.DeleteKeyFrame(currentSign_, frame);
  storing_ = false;
  if (!shown.Ok()) {
    messages_->ShowMessage(shown.message);
    return;
  }
  // After the last key frame went, the new last one is shown and named.
  if (shown.index != frame) frameNumberBox_->setText(QString::number(shown.index + 1));
  ShowKeyFrame(currentSign_, shown.index);
  ShowFrameCount();
}

void PoseEditor::CopyFrom() {
  if (!copyWindow_) copyWindow_ = new FrameCopyDialog(table_, engine_, this);
  if (copyWindow_->exec() != QDialog::Accepted) return;
  ShowKeyFrame(copyWindow_->CopySign(), copyWindow_->CopyFrame());
}

void PoseEditor::AddSign() {
  if (table_.SignCount >= kSignSlots) {
    messages_->ShowMessage(kNoFreeSignSlotMessage);
    return;
  }
  if (!nameWindow_) nameWindow_ = new SignNameDialog(this);
  nameWindow_->Reset();
  if (nameWindow_->exec() != QDialog::Accepted) return;
  storing_ = true;
  const EditOutcome slot = document_.AddSign(nameWindow_->Name());
  storing_ = false;
  if (!slot.Ok()) {
    messages_->ShowMessage(slot.message);
    return;
  }
  frameNumberBox_->setText(QStringLiteral("1"));
  ShowFrameCount();
  signList_->addItem(table_.Signs[slot.index].Name);
  // The new sign is edited once it is chosen in the list; until then "Set" stores
  // into the sign chosen before.
  ShowKeyFrame(slot.index, 0);
}

void PoseEditor::Action() {
  const SignAction action = PlanSignAction(table_, currentSign_, speedText_ ? speedText_() : QString());
  if (action.script.empty()) {
    messages_->ShowMessage(action.message);
    return;
  }
  if (!action.message.isEmpty()) {
    // Said once the key frames before the one that is too long have played.
    connect(&player_, &TimedPlayer::finished, this,
            [this, message = action.message] { messages_->ShowMessage(message); },
            Qt::SingleShotConnection);
  }
  player_.Play(action.script);
}

void PoseEditor::Save() {
  if (SaveAngleTableAs(this, document_, fileDialog_())) tableModified_ = false;
}

void PoseEditor::reject() {
  // QDialog would hide the editor without asking.
  close();
}

void PoseEditor::closeEvent(QCloseEvent* event) {
  if (tableModified_ || frameEdited_) {
    if (!ConfirmDiscardingChanges(this)) {
      event->ignore();
      return;
    }
    // What was Set stays in the table; only the question is answered. What was typed
    // and not Set is given up: the boxes are filled afresh when a sign is chosen.
    tableModified_ = false;
    frameEdited_ = false;
  }
  event->accept();
}

bool PoseEditor::ShowKeyFrame(int sign, int frame) {
  if (!HasKeyFrame(table_, sign, frame)) return false;
  const KeyFrame& shown = table_.Frame(sign, frame);
  writingBoxes_ = true;
  auto write = [](QLineEdit* box, float value) {
    box->setText(ValueText(value));
    // A long value shows its sign and leading digits.
    box->setCursorPosition(0);
  };
  for (int hand = 0; hand < TableHands(); ++hand)
    for (const ValueBoxId& box : HandBoxes(hand)) write(Box(box), ValueOf(shown, box));
  write(rateBox_, shown.Rate);
  writingBoxes_ = false;
  // What the status line said was about the key frame shown before.
  SetStatus({});
  PreviewBoxes();
  return true;
}

QString PoseEditor::ReadBoxes(KeyFrame& frame, bool withRate) const {
  const QString rate = rateBox_->text();
  return ReadBoxesInto(frame, TableHands(), [this](const ValueBoxId& box) { return Box(box)->text(); },
                       withRate ? &rate : nullptr);
}

bool PoseEditor::PreviewBoxes(bool quietly) {
  KeyFrame values;
  const QString problem = ReadBoxes(values, false);
  if (!problem.isEmpty()) {
    if (quietly) {
      SetStatus(problem);
      liveProblemShown_ = true;
    } else {
      messages_->ShowMessage(problem);
    }
    return false;
  }
  if (liveProblemShown_) SetStatus({});
  LoadPose(engine_.HandAt(0), values.RightWristAngle, values.RightFinger, values.RightWristPos);
  if (TableHands() == 2)
    LoadPose(engine_.HandAt(1), values.LeftWristAngle, values.LeftFinger, values.LeftWristPos);
  engine_.DrawHands();
  return true;
}

void PoseEditor::ShowFrameCount() {
  frameCountLabel_->setText(QString::number(table_.KeyFrameCount(currentSign_)));
}

void PoseEditor::SetStatus(const QString& text) {
  statusLine_->setText(text);
  liveProblemShown_ = false;
}

void PoseEditor::ShowTitle() { setWindowTitle(document_.IsClean() ? caption_ : caption_ + u'*'); }

void PoseEditor::FollowSlotChange(int sign) {
  if (storing_) return;
  // The list names the table's signs, as the last Add Char and its undo left them.
  while (signList_->count() > table_.SignCount) signList_->removeItem(signList_->count() - 1);
  while (signList_->count() < table_.SignCount) signList_->addItem(table_.Signs[signList_->count()].Name);
  if (sign < signList_->count()) signList_->setItemText(sign, table_.Signs[sign].Name);
  // A hidden editor keeps its boxes until it is used again, and draws nothing.
  if (sign != currentSign_ || !isVisible()) return;
  // The key frame the box names as it now stands, or the sign's last one when an undone
  // Add Frame took the one shown.
  int frame = FrameIndexOfText(frameNumberBox_->text()).value_or(0);
  const int count = table_.KeyFrameCount(sign);
  if (count < 1) return;
  if (frame < 0 || frame >= count) {
    frame = count - 1;
    frameNumberBox_->setText(QString::number(frame + 1));
  }
  ShowFrameCount();
  ShowKeyFrame(sign, frame);
  frameEdited_ = false;
}
