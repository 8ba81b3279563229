#pragma once

#include <span>

class Hand;

// Copies a key frame's values for one hand into its current or target pose: wrist
// angles (3 used) to pose slots 3..5, wrist position (3 used) to slots 0..2, and
// finger value 9f + 3s + a to joint (f, s, a). Finger element 45 and wrist element 3
// are never read.
void LoadPose(Hand& hand, std::span<const float> wristAngle, std::span<const float> finger,
              std::span<const float> wristPos);
void LoadTarget(Hand& hand, std::span<const float> wristAngle, std::span<const float> finger,
                std::span<const float> wristPos);
