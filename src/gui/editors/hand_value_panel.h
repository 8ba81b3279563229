#pragma once

#include "signdata/key_frame_boxes.h"

#include <QGroupBox>

#include <array>

class NumberBox;
class QEvent;
class QLabel;

// The value boxes of one hand in the pose editor, in a panel captioned "Right" or
// "Left": the wrist angles and positions in one row, then the five finger blocks of
// three columns (joints) by three rows (components). Each box carries its documented
// objectName (WristTx_0, WristPos2_2, FingerTx_44, ...) and, as its accessible name,
// the words of its labels ("Right Wrist Angle 1", "Left Thumb column 1 row 2").
class HandValuePanel : public QGroupBox {
  Q_OBJECT

 public:
  // hand 0 is the right hand (panel Frame1), hand 1 the left (Frame2).
  HandValuePanel(int hand, QWidget* parent = nullptr);

  NumberBox* Box(const ValueBoxId& box) const;
  int HandIndex() const { return hand_; }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  void Retranslate();
  QString BoxCaption(const ValueBoxId& box) const;

  int hand_;
  std::array<NumberBox*, kWristBoxes> wristAngles_{};
  std::array<NumberBox*, kWristBoxes> wristPositions_{};
  std::array<NumberBox*, kFingerBoxes> fingers_{};
  QLabel* wristAngleCaption_ = nullptr;
  QLabel* wristPositionCaption_ = nullptr;
  std::array<QLabel*, std::tuple_size_v<decltype(kFingerBlockLabels)>> blockCaptions_{};
};
