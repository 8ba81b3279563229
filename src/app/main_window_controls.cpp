#include "app/main_window_controls.h"

#include "app/method_button_pictures.h"
#include "render/hand_view.h"
#include "ui/clickable_label.h"

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

frmSpaceControls BuildMainWindowControls(QWidget& central, AppState& state) {
  frmSpaceControls ui;
  ui.picSpace = new HandView(state, &central);
  ui.picSpace->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

  auto* panel = new QWidget(&central);
  panel->setObjectName(QStringLiteral("ControlPanel"));
  panel->setFixedWidth(kPanelWidth);

  ui.SignLabel = Named(new ClickableLabel(panel), "SignLabel");
  ui.SignLabel->setWordWrap(true);
  ui.Label1 = Named(new QLabel(panel), "Label1");
  ui.InputArea = Named(new QLineEdit(panel), "InputArea");
  ui.Label1->setBuddy(ui.InputArea);
  ui.Label2 = Named(new QLabel(panel), "Label2");
  ui.FuriganaTxt = Named(new QLineEdit(panel), "FuriganaTxt");
  ui.Label2->setBuddy(ui.FuriganaTxt);

  ui.PicA = QIcon(RomanInputPicture(kPictureSize));
  ui.PicHan = QIcon(HangulInputPicture(kPictureSize));
  ui.MethodBtn = Named(new QToolButton(panel), "MethodBtn");
  ui.MethodBtn->setIcon(ui.PicA);
  ui.MethodBtn->setIconSize(QSize(kPictureSize - 8, kPictureSize - 8));
  ui.MethodBtn->setToolTip(QStringLiteral("Roman letters or Hangul"));

  ui.CheckBoxNumeric = Named(new QCheckBox(panel), "CheckBoxNumeric");
  ui.Label4 = Named(new QLabel(panel), "Label4");
  ui.Text1 = Named(new QLineEdit(QStringLiteral("100"), panel), "Text1");
  ui.Text1->setMaximumWidth(90);
  ui.Label4->setBuddy(ui.Text1);
  ui.Label3 = Named(new QLabel(QStringLiteral("%"), panel), "Label3");
  ui.cmdInput = Named(new QPushButton(panel), "cmdInput");

  ui.Frame1 = Named(new QGroupBox(panel), "Frame1");
  ui.Option1[0] = Named(new QRadioButton(ui.Frame1), "Option1_0");
  ui.Option1[1] = Named(new QRadioButton(ui.Frame1), "Option1_1");
  ui.Option1[0]->setChecked(true);
  ui.cmdHome = Named(new QPushButton(ui.Frame1), "cmdHome");
  auto* viewLayout = new QGridLayout(ui.Frame1);
  viewLayout->addWidget(ui.Option1[0], 0, 0);
  viewLayout->addWidget(ui.Option1[1], 1, 0);
  viewLayout->addWidget(ui.cmdHome, 0, 1, 2, 1, Qt::AlignVCenter);
  ui.chkNatural = Named(new QCheckBox(QStringLiteral("Natural hands"), ui.Frame1), "chkNatural");
  ui.chkNatural->setAccessibleName(ui.chkNatural->text());
  viewLayout->addWidget(ui.chkNatural, 2, 0, 1, 2);

  ui.FrameRec = Named(new QGroupBox(QStringLiteral("Bitmap"), panel), "FrameRec");
  ui.CmdCapture = Named(new QPushButton(QStringLiteral("Capture"), ui.FrameRec), "CmdCapture");
  ui.CmdRec = Named(new QPushButton(QStringLiteral("Rec"), ui.FrameRec), "CmdRec");
  ui.cmdClose = Named(new QPushButton(QStringLiteral("Close"), ui.FrameRec), "cmdClose");
  auto* recordLayout = new QHBoxLayout(ui.FrameRec);
  recordLayout->addWidget(ui.CmdCapture);
  recordLayout->addWidget(ui.CmdRec);
  recordLayout->addWidget(ui.cmdClose);
  ui.FrameRec->hide();

  auto* readingRow = new QHBoxLayout;
  readingRow->addWidget(ui.FuriganaTxt, 1);
  readingRow->addWidget(ui.MethodBtn);
  auto* speedRow = new QHBoxLayout;
  speedRow->addWidget(ui.Label4);
  speedRow->addWidget(ui.Text1);
  speedRow->addWidget(ui.Label3);
  speedRow->addStretch(1);
  speedRow->addWidget(ui.cmdInput);

  auto* column = new QVBoxLayout(panel);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(ui.SignLabel);
  column->addSpacing(6);
  column->addWidget(ui.Label1);
  column->addWidget(ui.InputArea);
  column->addWidget(ui.Label2);
  column->addLayout(readingRow);
  column->addWidget(ui.CheckBoxNumeric);
  column->addSpacing(6);
  column->addLayout(speedRow);
  column->addSpacing(10);
  column->addWidget(ui.Frame1);
  column->addWidget(ui.FrameRec);
  column->addStretch(1);

  auto* layout = new QHBoxLayout(&central);
  layout->addWidget(ui.picSpace, 1);
  layout->addWidget(panel);
  return ui;
}
