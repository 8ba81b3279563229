#pragma once

#include <span>

struct AppState;

// Copy one or two hands' key-frame values into the current or target pose: wrist
// angles (3 used) to pose slots 3..5, wrist position (3 used) to slots 0..2, and
// finger value 9f + 3s + a to joint (f, s, a). Finger element 45 and wrist element 3
// are never read.
void LoadPoseOneHand(AppState& state, std::span<const float> wristAngle,
                     std::span<const float> finger, std::span<const float> wristPos);
void LoadTargetOneHand(AppState& state, std::span<const float> wristAngle,
                       std::span<const float> finger, std::span<const float> wristPos);
void LoadPoseTwoHands(AppState& state, std::span<const float> rightWristAngle,
                      std::span<const float> leftWristAngle, std::span<const float> rightFinger,
                      std::span<const float> leftFinger, std::span<const float> rightWristPos,
                      std::span<const float> leftWristPos);
void LoadTargetTwoHands(AppState& state, std::span<const float> rightWristAngle,
                        std::span<const float> leftWristAngle, std::span<const float> rightFinger,
                        std::span<const float> leftFinger, std::span<const float> rightWristPos,
                        std::span<const float> leftWristPos);
