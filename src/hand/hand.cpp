#include "hand/hand.h"

#include "hand/turn_interpolation.h"

#include <stdexcept>
#include <string>

namespace {

void Require(bool inBounds, const char* what) {
  if (!inBounds) throw std::out_of_range(std::string("Hand: subscript out of range: ") + what);
}

// One interpolated value: the difference is taken in double precision, scaled by the
// step and divided by the step count as floats, and the sum rounded back to a float.
float Interpolate(float from, float to, int step, int steps) {
  const double difference = static_cast<double>(to) - static_cast<double>(from);
  const double value = difference * static_cast<float>(step) / static_cast<float>(steps) +
                       static_cast<double>(from);
  return static_cast<float>(value);
}

}  // namespace

Hand::Hand() {
  for (int f = 0; f < kUsedFingers; ++f)
    for (int s = 0; s < kUsedSegments; ++s)
      for (int a = 0; a < kUsedComponents; ++a) arthro_[f][s][a] = 20.0f;

  const float knuckleWidth = palmTaper_ * palmWidth_;
  const float k = knuckleWidth / (fingerRatio_[1] + fingerRatio_[2] + fingerRatio_[3] + fingerRatio_[4]);
  for (int f = 0; f < kFingers; ++f) fingerWidth_[f] = fingerRatio_[f] * k;
  palmThickness_ = fingerWidth_[2];

  // The four fingers lie side by side across the knuckle line, index at +y.
  float edge = knuckleWidth / 2.0f;
  for (int f = 1; f < kUsedFingers; ++f) {
    fingerOffset_[f] = edge - fingerWidth_[f] / 2.0f;
    edge -= fingerWidth_[f];
  }
  fingerOffset_[0] = fingerOffset_[1];

  segmentLength_[0] = {40.0f, 20.0f, 20.0f};
  segmentLength_[1] = {25.0f, 20.0f, 20.0f};
  segmentLength_[2] = {25.0f, 25.0f, 25.0f};
  segmentLength_[3] = {25.0f, 20.0f, 20.0f};
  segmentLength_[4] = {20.0f, 20.0f, 15.0f};
}

void Hand::CheckPoseSlot(int i) { Require(i >= 0 && i < kPoseSlots, "pose slot"); }
void Hand::CheckStep(int step) { Require(step >= 0 && step <= kLastStep, "step"); }
void Hand::CheckJoint(int f, int s, int a) {
  Require(f >= 0 && f < kFingers && s >= 0 && s < kSegments && a >= 0 && a < kComponents,
          "joint");
}

float Hand::pose(int i) const { CheckPoseSlot(i); return pose_[i]; }
void Hand::SetPose(int i, float value) { CheckPoseSlot(i); pose_[i] = value; }
float Hand::target_pose(int i) const { CheckPoseSlot(i); return targetPose_[i]; }
void Hand::SetTargetPose(int i, float value) { CheckPoseSlot(i); targetPose_[i] = value; }

float Hand::fpose(int step, int i) const {
  CheckStep(step);
  CheckPoseSlot(i);
  return fpose_[step][i];
}
void Hand::SetFpose(int step, int i, float value) {
  CheckStep(step);
  CheckPoseSlot(i);
  fpose_[step][i] = value;
}

float Hand::Arthro(int f, int s, int a) const { CheckJoint(f, s, a); return arthro_[f][s][a]; }
void Hand::SetArthro(int f, int s, int a, float value) {
  CheckJoint(f, s, a);
  arthro_[f][s][a] = value;
}
float Hand::target_Arthro(int f, int s, int a) const {
  CheckJoint(f, s, a);
  return targetArthro_[f][s][a];
}
void Hand::SetTargetArthro(int f, int s, int a, float value) {
  CheckJoint(f, s, a);
  targetArthro_[f][s][a] = value;
}
float Hand::fArthro(int step, int f, int s, int a) const {
  CheckStep(step);
  CheckJoint(f, s, a);
  return fArthro_[step][f][s][a];
}
void Hand::SetFArthro(int step, int f, int s, int a, float value) {
  CheckStep(step);
  CheckJoint(f, s, a);
  fArthro_[step][f][s][a] = value;
}

float Hand::FingerWidth(int f) const {
  Require(f >= 0 && f < kFingers, "finger");
  return fingerWidth_[f];
}
float Hand::FingerOffset(int f) const {
  Require(f >= 0 && f < kFingers, "finger");
  return fingerOffset_[f];
}
float Hand::SegmentLength(int f, int s) const {
  Require(f >= 0 && f < kFingers && s >= 0 && s < kUsedSegments, "segment");
  return segmentLength_[f][s];
}

void Hand::Refresh() {
  // Row 1000 is left alone: the wrist table is seeded up to, not including, it.
  for (int r = numFrame0_; r < kLastStep; ++r) {
    if (r < 0) continue;
    for (int i = 0; i < kUsedWristSlots; ++i) fpose_[r][i] = pose_[i];
  }
}

void Hand::Action() {
  const int steps = frameNo_;
  if (steps < 0) return;
  CheckStep(steps);
  if (steps == 0) {
    // A movement of no steps is the current pose; dividing by zero would make it NaN.
    ApplyCurrentAsRow0();
    return;
  }
  for (int f = 0; f <= steps; ++f) {
    for (int i = 0; i < kUsedWristSlots; ++i)
      fpose_[f][i] = Interpolate(pose_[i], targetPose_[i], f, steps);
    for (int finger = 0; finger < kUsedFingers; ++finger)
      for (int s = 0; s < kUsedSegments; ++s)
        for (int a = 0; a < kUsedComponents; ++a)
          fArthro_[f][finger][s][a] =
              Interpolate(arthro_[finger][s][a], targetArthro_[finger][s][a], f, steps);
  }
}

void Hand::ActionEased() {
  const int steps = frameNo_;
  if (steps < 0) return;
  CheckStep(steps);
  if (steps == 0) {
    ApplyCurrentAsRow0();
    return;
  }
  const TurnAngles fromTurn{pose_[3], pose_[4], pose_[5]};
  const TurnAngles toTurn{targetPose_[3], targetPose_[4], targetPose_[5]};
  const auto eased = [](float from, float to, double share) {
    return share >= 1.0 ? to : static_cast<float>(from + (static_cast<double>(to) - from) * share);
  };
  for (int f = 0; f <= steps; ++f) {
    const double share = f == steps ? 1.0 : EasedShare(static_cast<double>(f) / steps);
    for (int i = 0; i < kUsedWristSlots; ++i) fpose_[f][i] = eased(pose_[i], targetPose_[i], share);
    const TurnAngles turn = InterpolateTurn(fromTurn, toTurn, share);
    for (int i = 0; i < 3; ++i) fpose_[f][3 + i] = turn[static_cast<size_t>(i)];
    for (int finger = 0; finger < kUsedFingers; ++finger)
      for (int s = 0; s < kUsedSegments; ++s)
        for (int a = 0; a < kUsedComponents; ++a)
          fArthro_[f][finger][s][a] = eased(arthro_[finger][s][a], targetArthro_[finger][s][a], share);
  }
}

void Hand::HoldCurrent() {
  const int steps = frameNo_;
  if (steps < 0) return;
  CheckStep(steps);
  for (int f = 0; f <= steps; ++f) {
    for (int i = 0; i < kUsedWristSlots; ++i) fpose_[f][i] = pose_[i];
    fArthro_[f] = arthro_;
  }
}

void Hand::ApplyCurrentAsRow0() {
  for (int i = 0; i < kUsedWristSlots; ++i) fpose_[0][i] = pose_[i];
  for (int finger = 0; finger < kUsedFingers; ++finger)
    for (int s = 0; s < kUsedSegments; ++s)
      for (int a = 0; a < kUsedComponents; ++a) fArthro_[0][finger][s][a] = arthro_[finger][s][a];
}

void Hand::ApplyStep(int step) {
  CheckStep(step);
  for (int i = 0; i < kUsedWristSlots; ++i) pose_[i] = fpose_[step][i];
  for (int finger = 0; finger < kUsedFingers; ++finger)
    for (int s = 0; s < kUsedSegments; ++s)
      for (int a = 0; a < kUsedComponents; ++a) arthro_[finger][s][a] = fArthro_[step][finger][s][a];
}
