#pragma once

#include <array>
#include <cstdint>

class PrimitiveSink;

// The articulated hand: its current pose, the pose it moves to, the tables of
// intermediate poses a movement is precomputed into, and its fixed dimensions.
//
// Fingers f: 0 thumb, 1 index, 2 middle, 3 ring, 4 little. Segments s: 0 base,
// 1 middle, 2 tip. Components a: rotation about x, y, z. Pose slots: 0..2 wrist
// position, 3..5 wrist rotation about x, y, z; 6 and 7 stay 0.
//
// Indexed accessors check their bounds and throw std::out_of_range without storing.
class Hand {
 public:
  static constexpr int kPoseSlots = 8;
  static constexpr int kFingers = 6;      // 0..4 carry joints
  static constexpr int kSegments = 4;     // 0..2 carry joints
  static constexpr int kComponents = 4;   // 0..2 carry joints
  static constexpr int kLastStep = 1000;  // rows 0..1000 of the step tables

  // Fingers, segments and components that carry joint angles.
  static constexpr int kUsedFingers = 5;
  static constexpr int kUsedSegments = 3;
  static constexpr int kUsedComponents = 3;
  static constexpr int kUsedWristSlots = 7;  // slots 0..6 are interpolated

  Hand();

  int16_t FrameNo() const { return frameNo_; }
  void SetFrameNo(int16_t value) { frameNo_ = value; }
  int16_t numFrame0() const { return numFrame0_; }
  void SetNumFrame0(int16_t value) { numFrame0_ = value; }

  float pose(int i) const;
  void SetPose(int i, float value);
  float target_pose(int i) const;
  void SetTargetPose(int i, float value);
  float fpose(int step, int i) const;
  void SetFpose(int step, int i, float value);

  float Arthro(int f, int s, int a) const;
  void SetArthro(int f, int s, int a, float value);
  float target_Arthro(int f, int s, int a) const;
  void SetTargetArthro(int f, int s, int a, float value);
  float fArthro(int step, int f, int s, int a) const;
  void SetFArthro(int step, int f, int s, int a, float value);

  // Seeds the wrist table rows numFrame0..999 with the current wrist pose.
  void Refresh();
  // Fills rows 0..FrameNo of both step tables by linear interpolation from the
  // current pose to the target pose. Nothing happens for a negative FrameNo.
  void Action();
  // As Action, easing in and out (no jump in speed at either end) and turning the
  // wrist along the shortest rotation rather than angle by angle.
  void ActionEased();
  // Fills rows 0..FrameNo with the current pose: the hand holds still.
  void HoldCurrent();
  // Makes row `step` of the step tables the current pose.
  void ApplyStep(int step);

  void draw(PrimitiveSink& sink) const;
  void drawPalm(PrimitiveSink& sink) const;
  void drawFingers(PrimitiveSink& sink, int f) const;

  // Fixed dimensions.
  float PalmWidth() const { return palmWidth_; }
  float PalmLength() const { return palmLength_; }
  float PalmTaper() const { return palmTaper_; }
  float PalmThickness() const { return palmThickness_; }
  float FingerWidth(int f) const;
  float FingerOffset(int f) const;
  float SegmentLength(int f, int s) const;
  const std::array<float, 4>& SkinColour() const { return skinColour_; }

 private:
  using Joints = std::array<std::array<std::array<float, kComponents>, kSegments>, kFingers>;

  static void CheckPoseSlot(int i);
  static void CheckStep(int step);
  static void CheckJoint(int f, int s, int a);
  void ApplyCurrentAsRow0();

  int16_t frameNo_ = 0;
  int16_t numFrame0_ = 0;
  std::array<float, kPoseSlots> pose_{};
  std::array<float, kPoseSlots> targetPose_{};
  std::array<std::array<float, kPoseSlots>, kLastStep + 1> fpose_{};
  Joints arthro_{};
  Joints targetArthro_{};
  std::array<Joints, kLastStep + 1> fArthro_{};

  float palmWidth_ = 50.0f;
  float palmLength_ = 50.0f;
  float palmTaper_ = 1.2f;
  std::array<float, kFingers> fingerRatio_{1.2f, 1.0f, 1.0f, 1.0f, 0.8f, 0.0f};
  std::array<float, kFingers> fingerWidth_{};
  float palmThickness_ = 0.0f;
  std::array<float, kFingers> fingerOffset_{};
  std::array<std::array<float, 3>, kFingers> segmentLength_{};
  std::array<float, 4> skinColour_{0.8f, 0.5f, 0.1f, 1.0f};
};
