#include "signdata/key_frame_pose.h"

#include "hand/hand.h"
#include "hand/turn_interpolation.h"
#include "signdata/sign_table.h"

void PoseHandBetween(Hand& hand, const KeyFrame& from, const KeyFrame& to, int whichHand, float t) {
  const bool right = whichHand == 0;
  const auto& fingersA = right ? from.RightFinger : from.LeftFinger;
  const auto& fingersB = right ? to.RightFinger : to.LeftFinger;
  const auto& angleA = right ? from.RightWristAngle : from.LeftWristAngle;
  const auto& angleB = right ? to.RightWristAngle : to.LeftWristAngle;
  const auto& posA = right ? from.RightWristPos : from.LeftWristPos;
  const auto& posB = right ? to.RightWristPos : to.LeftWristPos;
  auto mix = [t](float a, float b) { return a + (b - a) * t; };
  for (int i = 0; i < 3; ++i) {
    hand.SetPose(i, mix(posA[i], posB[i]));
    hand.SetPose(3 + i, mix(angleA[i], angleB[i]));
  }
  for (int f = 0; f < Hand::kUsedFingers; ++f)
    for (int s = 0; s < Hand::kUsedSegments; ++s)
      for (int c = 0; c < Hand::kUsedComponents; ++c) {
        const int i = 9 * f + 3 * s + c;
        hand.SetArthro(f, s, c, mix(fingersA[i], fingersB[i]));
      }
}

void PoseHandTurning(Hand& hand, const KeyFrame& from, const KeyFrame& to, int whichHand, float t) {
  PoseHandBetween(hand, from, to, whichHand, t);
  const bool right = whichHand == 0;
  const auto& a = right ? from.RightWristAngle : from.LeftWristAngle;
  const auto& b = right ? to.RightWristAngle : to.LeftWristAngle;
  const TurnAngles turn = InterpolateTurn({a[0], a[1], a[2]}, {b[0], b[1], b[2]}, t);
  for (int i = 0; i < 3; ++i) hand.SetPose(3 + i, turn[static_cast<size_t>(i)]);
}
