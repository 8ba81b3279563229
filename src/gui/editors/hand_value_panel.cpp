#include "gui/editors/hand_value_panel.h"

#include "gui/editors/number_box.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

// Finger angles are short ("-33.5"); wrist positions take all seven digits ("-15.31579").
constexpr int kFingerBoxWidth = 52;
constexpr int kWristBoxWidth = 76;
// The finger blocks stand in rows of three.
constexpr int kBlocksPerRow = 3;

// The designer's texts: the thumb's first joint turned out and back, the rest 0.
QString DesignerText(const ValueBoxId& box) {
  if (box.group == BoxGroup::Finger && box.index == 0) return QStringLiteral("-35");
  if (box.group == BoxGroup::Finger && box.index == 3) return QStringLiteral("35");
  return QStringLiteral("0");
}

NumberBox* MakeBox(const ValueBoxId& box, QWidget* parent) {
  auto* made = new NumberBox(parent);
  const QString suffix = box.hand == 0 ? QString() : QStringLiteral("2");
  const char* stem = box.group == BoxGroup::WristAngle      ? "WristTx"
                     : box.group == BoxGroup::WristPosition ? "WristPos"
                                                            : "FingerTx";
  made->setObjectName(QStringLiteral("%1%2_%3").arg(QLatin1String(stem), suffix).arg(box.index));
  made->setAccessibleName(BoxName(box));
  made->setFixedWidth(box.group == BoxGroup::Finger ? kFingerBoxWidth : kWristBoxWidth);
  made->setText(DesignerText(box));
  return made;
}

QLabel* Caption(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setTextFormat(Qt::PlainText);
  label->setAccessibleName(text);
  return label;
}

}  // namespace

HandValuePanel::HandValuePanel(int hand, QWidget* parent)
    : QGroupBox(hand == 0 ? QStringLiteral("Right") : QStringLiteral("Left"), parent), hand_(hand) {
  setObjectName(hand == 0 ? QStringLiteral("Frame1") : QStringLiteral("Frame2"));
  setAccessibleName(title());
  auto* layout = new QVBoxLayout(this);

  auto* wrist = new QGridLayout;
  wrist->addWidget(Caption(QStringLiteral("Wrist Angle"), this), 0, 0, 1, kWristBoxes);
  wrist->addWidget(Caption(QStringLiteral("Wrist Position"), this), 0, kWristBoxes + 1, 1, kWristBoxes);
  for (int i = 0; i < kWristBoxes; ++i) {
    wristAngles_[i] = MakeBox({hand, BoxGroup::WristAngle, i}, this);
    wristPositions_[i] = MakeBox({hand, BoxGroup::WristPosition, i}, this);
    wrist->addWidget(wristAngles_[i], 1, i);
    wrist->addWidget(wristPositions_[i], 1, kWristBoxes + 1 + i);
  }
  wrist->setColumnMinimumWidth(kWristBoxes, 16);
  wrist->setColumnStretch(2 * kWristBoxes + 1, 1);
  layout->addLayout(wrist);

  auto* blocks = new QGridLayout;
  blocks->setHorizontalSpacing(14);
  for (int block = 0; block < static_cast<int>(kFingerBlockLabels.size()); ++block) {
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    grid->addWidget(Caption(kFingerBlockLabels[static_cast<size_t>(block)], this), 0, 0, 1, 3);
    for (int column = 0; column < 3; ++column) {
      QLabel* heading = Caption(QString::number(column + 1), this);
      heading->setAlignment(Qt::AlignCenter);
      grid->addWidget(heading, 1, column);
    }
    for (int i = 9 * block; i < 9 * block + 9; ++i) {
      fingers_[i] = MakeBox({hand, BoxGroup::Finger, i}, this);
      grid->addWidget(fingers_[i], 2 + FingerRow(i), FingerColumn(i));
    }
    blocks->addLayout(grid, block / kBlocksPerRow, block % kBlocksPerRow, Qt::AlignTop | Qt::AlignLeft);
  }
  layout->addLayout(blocks);
}

NumberBox* HandValuePanel::Box(const ValueBoxId& box) const {
  if (box.hand != hand_) return nullptr;
  switch (box.group) {
    case BoxGroup::WristAngle: return wristAngles_.at(static_cast<size_t>(box.index));
    case BoxGroup::WristPosition: return wristPositions_.at(static_cast<size_t>(box.index));
    case BoxGroup::Finger: break;
  }
  return fingers_.at(static_cast<size_t>(box.index));
}
