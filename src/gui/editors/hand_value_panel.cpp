#include "gui/editors/hand_value_panel.h"

#include "gui/editors/number_box.h"

#include <QEvent>
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

// kFingerBlockLabels, marked for translation.
constexpr std::array<const char*, 5> kFingerBlockCaptions = {
    QT_TRANSLATE_NOOP("HandValuePanel", "Thumb"), QT_TRANSLATE_NOOP("HandValuePanel", "Index finger"),
    QT_TRANSLATE_NOOP("HandValuePanel", "Middle finger"), QT_TRANSLATE_NOOP("HandValuePanel", "Digitus finger"),
    QT_TRANSLATE_NOOP("HandValuePanel", "Little finger")};

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

void SetCaption(QLabel& label, const QString& text) {
  label.setText(text);
  label.setAccessibleName(text);
}

}  // namespace

HandValuePanel::HandValuePanel(int hand, QWidget* parent)
    : QGroupBox(parent), hand_(hand) {
  setObjectName(hand == 0 ? QStringLiteral("Frame1") : QStringLiteral("Frame2"));
  auto* layout = new QVBoxLayout(this);

  auto* wrist = new QGridLayout;
  wristAngleCaption_ = Caption(QString(), this);
  wristPositionCaption_ = Caption(QString(), this);
  wrist->addWidget(wristAngleCaption_, 0, 0, 1, kWristBoxes);
  wrist->addWidget(wristPositionCaption_, 0, kWristBoxes + 1, 1, kWristBoxes);
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
  for (int block = 0; block < static_cast<int>(blockCaptions_.size()); ++block) {
    auto* grid = new QGridLayout;
    grid->setSpacing(3);
    blockCaptions_[static_cast<size_t>(block)] = Caption(QString(), this);
    grid->addWidget(blockCaptions_[static_cast<size_t>(block)], 0, 0, 1, 3);
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
  Retranslate();
}

// BoxName's words in the interface language.
QString HandValuePanel::BoxCaption(const ValueBoxId& box) const {
  const QString side = title();
  switch (box.group) {
    case BoxGroup::WristAngle: return tr("%1 Wrist Angle %2").arg(side).arg(box.index + 1);
    case BoxGroup::WristPosition: return tr("%1 Wrist Position %2").arg(side).arg(box.index + 1);
    case BoxGroup::Finger: break;
  }
  return tr("%1 %2 column %3 row %4")
      .arg(side, tr(kFingerBlockCaptions.at(static_cast<size_t>(FingerBlock(box.index)))))
      .arg(FingerColumn(box.index) + 1)
      .arg(FingerRow(box.index) + 1);
}

void HandValuePanel::Retranslate() {
  setTitle(hand_ == 0 ? tr("Right") : tr("Left"));
  setAccessibleName(title());
  SetCaption(*wristAngleCaption_, tr("Wrist Angle"));
  SetCaption(*wristPositionCaption_, tr("Wrist Position"));
  for (size_t block = 0; block < blockCaptions_.size(); ++block)
    SetCaption(*blockCaptions_[block], tr(kFingerBlockCaptions[block]));
  for (const ValueBoxId& box : HandBoxes(hand_)) Box(box)->setAccessibleName(BoxCaption(box));
}

void HandValuePanel::changeEvent(QEvent* event) {
  if (event->type() == QEvent::LanguageChange) Retranslate();
  QGroupBox::changeEvent(event);
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
