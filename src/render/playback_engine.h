#pragma once

#include <array>

struct AppState;
class DrawingArea;

// Offsets added to the wrist values of a key frame, in this order: right wrist
// angle x, y, z; right wrist position x, y, z; left wrist angle x, y, z; left wrist
// position x, y, z.
using WristOffsets = std::array<float, 12>;

// Everything that moves the hands goes through here: a key frame of the sign table
// becomes the current or target pose, and Redraw draws the scene once (N = 0) or
// animates N interpolation steps from the current pose to the target.
//
// The routines are virtual so that a tracing engine can report the calls a
// converter makes.
class PlaybackEngine {
 public:
  // Interpolation tables hold rows 0..1000, so longer movements are clamped.
  static constexpr int kMaxSteps = 1000;

  PlaybackEngine(AppState& state, DrawingArea& area);
  virtual ~PlaybackEngine() = default;

  // Each returns false, leaving the hands unchanged, when the key frame does not
  // exist (sign outside 0..256, a sign without key frames, a frame outside the sign).
  virtual bool SetHandPose(int sign, int frame);
  virtual bool SetHandTarget(int sign, int frame);
  virtual bool SetHandTargetShifted(int sign, int frame, const WristOffsets& offsets);

  // Updates the camera from the view state and renders: once for N = 0, an animation
  // of N steps (N + 1 pictures) for N > 0, nothing for N < 0.
  virtual void Redraw(int steps);

  void RenderScene(int steps);
  void AnimateHands(int steps);
  void PlayFrames();
  void ShowFrame(int step);
  void DrawHands();

  // Recorded steps that could not be saved since the engine was made.
  int FailedSaves() const { return failedSaves_; }

  AppState& State() { return state_; }
  DrawingArea& Area() { return area_; }

 private:
  enum class PoseKind { Current, Target };
  bool ApplyKeyFrame(int sign, int frame, PoseKind kind, const WristOffsets& offsets);

  AppState& state_;
  DrawingArea& area_;
  int failedSaves_ = 0;
};
