#include "gui/main_window/main_window_controls.h"

#include "gui/input/method_button_pictures.h"
#include "gui/view/hand_view.h"
#include "gui/view/playback_bar.h"
#include "gui/main_window/clickable_label.h"
#include "gui/main_window/control_panel_scroller.h"
#include "gui/main_window/label_follows_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kPanelWidth = 270;
constexpr int kPictureSize = 32;

template <typename Control>
Control* Named(Control* control, const char* name) {
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

}  // namespace

MainWindowControls BuildMainWindowControls(QWidget& central) {
  MainWindowControls ui;
  ui.handView = new HandView(&central);
  ui.handView->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

  auto* panel = new QWidget(&central);
  panel->setObjectName(QStringLiteral("ControlPanel"));
  panel->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);

  ui.systemLabel = Named(new ClickableLabel(panel), "SignLabel");
  ui.systemLabel->setWordWrap(true);
  ui.systemLabel->setTextFormat(Qt::PlainText);
  ui.wordLabel = Named(new QLabel(panel), "Label1");
  ui.wordBox = Named(new QLineEdit(panel), "InputArea");
  ui.wordLabel->setBuddy(ui.wordBox);
  ui.readingLabel = Named(new QLabel(panel), "Label2");
  ui.readingBox = Named(new QLineEdit(panel), "FuriganaTxt");
  ui.readingLabel->setBuddy(ui.readingBox);
  ui.wordLabel->setTextFormat(Qt::PlainText);
  ui.readingLabel->setTextFormat(Qt::PlainText);
  new LabelFollowsBox(*ui.wordLabel, *ui.wordBox);
  new LabelFollowsBox(*ui.readingLabel, *ui.readingBox);

  ui.latinPicture = QIcon(RomanInputPicture(kPictureSize));
  ui.hangulPicture = QIcon(HangulInputPicture(kPictureSize));
  ui.hangulModeButton = Named(new QToolButton(panel), "MethodBtn");
  ui.hangulModeButton->setIcon(ui.latinPicture);
  ui.hangulModeButton->setIconSize(QSize(kPictureSize - 8, kPictureSize - 8));
  ui.hangulModeButton->setToolTip(QStringLiteral("Roman letters or Hangul"));
  ui.hangulModeButton->setAccessibleName(QStringLiteral("Hangul input"));

  ui.numericBox = Named(new QCheckBox(panel), "CheckBoxNumeric");
  ui.speedLabel = Named(new QLabel(panel), "Label4");
  ui.speedBox = Named(new QLineEdit(QStringLiteral("100"), panel), "Text1");
  ui.speedBox->setMaximumWidth(90);
  ui.speedLabel->setBuddy(ui.speedBox);
  ui.speedLabel->setTextFormat(Qt::PlainText);
  ui.percentLabel = Named(new QLabel(QStringLiteral("%"), panel), "Label3");
  ui.startButton = Named(new QPushButton(panel), "cmdInput");

  ui.viewPointGroup = Named(new QGroupBox(panel), "Frame1");
  ui.viewPointOptions[0] = Named(new QRadioButton(ui.viewPointGroup), "Option1_0");
  ui.viewPointOptions[1] = Named(new QRadioButton(ui.viewPointGroup), "Option1_1");
  ui.viewPointOptions[0]->setChecked(true);
  ui.homeButton = Named(new QPushButton(ui.viewPointGroup), "cmdHome");
  auto* viewLayout = new QGridLayout(ui.viewPointGroup);
  viewLayout->addWidget(ui.viewPointOptions[0], 0, 0);
  viewLayout->addWidget(ui.viewPointOptions[1], 1, 0);
  viewLayout->addWidget(ui.homeButton, 0, 1, 2, 1, Qt::AlignVCenter);
  ui.naturalHandsBox = Named(new QCheckBox(QStringLiteral("Natural hands"), ui.viewPointGroup), "chkNatural");
  ui.naturalHandsBox->setAccessibleName(ui.naturalHandsBox->text());
  viewLayout->addWidget(ui.naturalHandsBox, 2, 0, 1, 2);

  ui.recordingPanel = Named(new QGroupBox(QStringLiteral("Bitmap"), panel), "FrameRec");
  ui.captureButton = Named(new QPushButton(QStringLiteral("Capture"), ui.recordingPanel), "CmdCapture");
  ui.recordButton = Named(new QPushButton(QStringLiteral("Rec"), ui.recordingPanel), "CmdRec");
  ui.closeRecordingButton = Named(new QPushButton(QStringLiteral("Close"), ui.recordingPanel), "cmdClose");
  auto* recordLayout = new QHBoxLayout(ui.recordingPanel);
  recordLayout->addWidget(ui.captureButton);
  recordLayout->addWidget(ui.recordButton);
  recordLayout->addWidget(ui.closeRecordingButton);
  ui.recordingPanel->hide();

  auto* readingRow = new QHBoxLayout;
  readingRow->addWidget(ui.readingBox, 1);
  readingRow->addWidget(ui.hangulModeButton);
  auto* speedRow = new QHBoxLayout;
  speedRow->addWidget(ui.speedLabel);
  speedRow->addWidget(ui.speedBox);
  speedRow->addWidget(ui.percentLabel);
  speedRow->addStretch(1);
  speedRow->addWidget(ui.startButton);

  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(ui.systemLabel);
  column->addSpacing(6);
  column->addWidget(ui.wordLabel);
  column->addWidget(ui.wordBox);
  column->addWidget(ui.readingLabel);
  column->addLayout(readingRow);
  column->addWidget(ui.numericBox);
  column->addSpacing(6);
  column->addLayout(speedRow);
  column->addSpacing(10);
  column->addWidget(ui.viewPointGroup);
  column->addWidget(ui.recordingPanel);
  column->addStretch(1);

  ui.playbackBar = new PlaybackBar(&central);
  auto* pictureColumn = new QVBoxLayout;
  pictureColumn->addWidget(ui.handView, 1);
  pictureColumn->addWidget(ui.playbackBar);

  auto* layout = new QHBoxLayout(&central);
  layout->addLayout(pictureColumn, 1);
  // At least the usual width; a large interface font widens it to fit the captions.
  layout->addWidget(new ControlPanelScroller(*panel, kPanelWidth, &central));
  return ui;
}
