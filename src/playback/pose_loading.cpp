#include "playback/pose_loading.h"

#include "hand/hand.h"

#include <stdexcept>

namespace {

enum class Which { Current, Target };

void LoadHand(Hand& hand, Which which, std::span<const float> wristAngle,
              std::span<const float> finger, std::span<const float> wristPos) {
  if (wristAngle.size() < 3 || wristPos.size() < 3 || finger.size() < 45)
    throw std::out_of_range("pose arrays too short");
  for (int i = 0; i < 3; ++i) {
    if (which == Which::Current) {
      hand.SetPose(i, wristPos[i]);
      hand.SetPose(3 + i, wristAngle[i]);
    } else {
      hand.SetTargetPose(i, wristPos[i]);
      hand.SetTargetPose(3 + i, wristAngle[i]);
    }
  }
  for (int f = 0; f < Hand::kUsedFingers; ++f)
    for (int s = 0; s < Hand::kUsedSegments; ++s)
      for (int a = 0; a < Hand::kUsedComponents; ++a) {
        const float value = finger[9 * f + 3 * s + a];
        if (which == Which::Current)
          hand.SetArthro(f, s, a, value);
        else
          hand.SetTargetArthro(f, s, a, value);
      }
}

}  // namespace

void LoadPose(Hand& hand, std::span<const float> wristAngle, std::span<const float> finger,
              std::span<const float> wristPos) {
  LoadHand(hand, Which::Current, wristAngle, finger, wristPos);
}

void LoadTarget(Hand& hand, std::span<const float> wristAngle, std::span<const float> finger,
                std::span<const float> wristPos) {
  LoadHand(hand, Which::Target, wristAngle, finger, wristPos);
}
