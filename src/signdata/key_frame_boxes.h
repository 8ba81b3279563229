#pragma once

#include "signdata/sign_table.h"

#include <QString>

#include <array>
#include <functional>
#include <vector>

// The value boxes of the pose editor, free of any widget: which value of a key frame
// each box holds, the name a screen reader announces for it, and how the texts the
// user typed become a key frame again.

enum class BoxGroup { WristAngle, WristPosition, Finger };

struct ValueBoxId {
  int hand = 0;  // 0 the right hand, 1 the left
  BoxGroup group = BoxGroup::Finger;
  int index = 0;  // 0..2 for the wrist, 0..44 for the fingers

  friend bool operator==(const ValueBoxId&, const ValueBoxId&) = default;
};

constexpr int kWristBoxes = 3;
constexpr int kFingerBoxes = 45;

// The finger blocks in the order of the finger array, as the editor labels them.
inline const std::array<QString, 5> kFingerBlockLabels = {
    QStringLiteral("Thumb"), QStringLiteral("Index finger"), QStringLiteral("Middle finger"),
    QStringLiteral("Digitus finger"), QStringLiteral("Little finger")};

// Finger box i sits in block i / 9, column (i % 9) / 3 and row i % 3, all from 0:
// one column per joint, one row per component.
inline int FingerBlock(int index) { return index / 9; }
inline int FingerColumn(int index) { return index % 9 / 3; }
inline int FingerRow(int index) { return index % 3; }

// Every box of one hand: wrist angles, wrist positions, then the fingers.
std::vector<ValueBoxId> HandBoxes(int hand);

// "Right Wrist Angle 1", "Right Wrist Position 3", "Left Index finger column 2 row 1":
// columns, rows and wrist elements counted from 1, as the labels count them.
QString BoxName(const ValueBoxId& box);

// The value a box holds in a key frame.
float& ValueOf(KeyFrame& frame, const ValueBoxId& box);
float ValueOf(const KeyFrame& frame, const ValueBoxId& box);

// The text a box shows for a value: the shortest decimal text of the float.
QString ValueText(float value);

// "<box> is not a number".
QString NotANumberMessage(const QString& boxName);

// Reads the boxes of hands 0..handCount-1 (and the velocity rate when `rateText` is
// given) into `frame`. Typed text is read leniently (blanks and trailing text are
// ignored), but a box with no number at all (or one too large for a float) is not
// taken as 0: the message names it, and `frame` is left exactly as it was.
QString ReadBoxesInto(KeyFrame& frame, int handCount,
                      const std::function<QString(const ValueBoxId&)>& textOf,
                      const QString* rateText = nullptr);

// The text of a box stepped by `delta` (arrow keys, mouse wheel); a box without a
// number steps from 0.
QString SteppedValueText(const QString& text, double delta);
