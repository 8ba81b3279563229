#include "signdata/key_frame_boxes.h"

#include "base/number_format.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A number a key frame can hold: a finite 32-bit float ("1e999" is none).
std::optional<float> BoxNumber(const QString& text) {
  if (!StartsWithNumber(text)) return std::nullopt;
  const auto value = static_cast<float>(LenientNumber(text));
  if (!std::isfinite(value)) return std::nullopt;
  return value;
}

std::array<float, 4>& WristArray(KeyFrame& frame, const ValueBoxId& box) {
  if (box.group == BoxGroup::WristAngle) return box.hand == 0 ? frame.RightWristAngle : frame.LeftWristAngle;
  return box.hand == 0 ? frame.RightWristPos : frame.LeftWristPos;
}

}  // namespace

std::vector<ValueBoxId> HandBoxes(int hand) {
  std::vector<ValueBoxId> boxes;
  for (int i = 0; i < kWristBoxes; ++i) boxes.push_back({hand, BoxGroup::WristAngle, i});
  for (int i = 0; i < kWristBoxes; ++i) boxes.push_back({hand, BoxGroup::WristPosition, i});
  for (int i = 0; i < kFingerBoxes; ++i) boxes.push_back({hand, BoxGroup::Finger, i});
  return boxes;
}

QString BoxName(const ValueBoxId& box) {
  const QString side = box.hand == 0 ? QStringLiteral("Right") : QStringLiteral("Left");
  switch (box.group) {
    case BoxGroup::WristAngle: return QStringLiteral("%1 Wrist Angle %2").arg(side).arg(box.index + 1);
    case BoxGroup::WristPosition:
      return QStringLiteral("%1 Wrist Position %2").arg(side).arg(box.index + 1);
    case BoxGroup::Finger: break;
  }
  return QStringLiteral("%1 %2 column %3 row %4")
      .arg(side, kFingerBlockLabels.at(static_cast<size_t>(FingerBlock(box.index))))
      .arg(FingerColumn(box.index) + 1)
      .arg(FingerRow(box.index) + 1);
}

float& ValueOf(KeyFrame& frame, const ValueBoxId& box) {
  if (box.group == BoxGroup::Finger)
    return (box.hand == 0 ? frame.RightFinger : frame.LeftFinger).at(static_cast<size_t>(box.index));
  return WristArray(frame, box).at(static_cast<size_t>(box.index));
}

float ValueOf(const KeyFrame& frame, const ValueBoxId& box) {
  return ValueOf(const_cast<KeyFrame&>(frame), box);
}

QString ValueText(float value) { return ShortestFloatText(value); }

QString NotANumberMessage(const QString& boxName) {
  return QStringLiteral("%1 is not a number").arg(boxName);
}

QString ReadBoxesInto(KeyFrame& frame, int handCount,
                      const std::function<QString(const ValueBoxId&)>& textOf,
                      const QString* rateText) {
  KeyFrame read = frame;
  for (int hand = 0; hand < std::min(handCount, 2); ++hand) {
    for (const ValueBoxId& box : HandBoxes(hand)) {
      const std::optional<float> value = BoxNumber(textOf(box));
      if (!value) return NotANumberMessage(BoxName(box));
      ValueOf(read, box) = *value;
    }
  }
  if (rateText) {
    const std::optional<float> rate = BoxNumber(*rateText);
    if (!rate) return NotANumberMessage(QStringLiteral("Velocity rate"));
    read.Rate = *rate;
  }
  frame = read;
  return {};
}

QString SteppedValueText(const QString& text, double delta) {
  const double value = StartsWithNumber(text) ? LenientNumber(text) : 0.0;
  const double stepped = value + delta;
  if (!std::isfinite(stepped)) return text;
  return ValueText(static_cast<float>(stepped));
}
