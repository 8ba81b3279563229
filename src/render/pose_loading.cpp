#include "render/pose_loading.h"

#include "app/app_state.h"

#include <stdexcept>

namespace {

enum class Which { Current, Target };

void LoadHand(CMano& hand, Which which, std::span<const float> wristAngle,
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
  for (int f = 0; f < CMano::kUsedFingers; ++f)
    for (int s = 0; s < CMano::kUsedSegments; ++s)
      for (int a = 0; a < CMano::kUsedComponents; ++a) {
        const float value = finger[9 * f + 3 * s + a];
        if (which == Which::Current)
          hand.SetArthro(f, s, a, value);
        else
          hand.SetTargetArthro(f, s, a, value);
      }
}

}  // namespace

void LoadPoseOneHand(AppState& state, std::span<const float> wristAngle,
                     std::span<const float> finger, std::span<const float> wristPos) {
  LoadHand(*state.Hands[0], Which::Current, wristAngle, finger, wristPos);
}

void LoadTargetOneHand(AppState& state, std::span<const float> wristAngle,
                       std::span<const float> finger, std::span<const float> wristPos) {
  LoadHand(*state.Hands[0], Which::Target, wristAngle, finger, wristPos);
}

void LoadPoseTwoHands(AppState& state, std::span<const float> rightWristAngle,
                      std::span<const float> leftWristAngle, std::span<const float> rightFinger,
                      std::span<const float> leftFinger, std::span<const float> rightWristPos,
                      std::span<const float> leftWristPos) {
  LoadHand(*state.Hands[0], Which::Current, rightWristAngle, rightFinger, rightWristPos);
  LoadHand(*state.Hands[1], Which::Current, leftWristAngle, leftFinger, leftWristPos);
}

void LoadTargetTwoHands(AppState& state, std::span<const float> rightWristAngle,
                        std::span<const float> leftWristAngle, std::span<const float> rightFinger,
                        std::span<const float> leftFinger, std::span<const float> rightWristPos,
                        std::span<const float> leftWristPos) {
  LoadHand(*state.Hands[0], Which::Target, rightWristAngle, rightFinger, rightWristPos);
  LoadHand(*state.Hands[1], Which::Target, leftWristAngle, leftFinger, leftWristPos);
}
