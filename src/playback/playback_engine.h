#pragma once

#include "hand/hand.h"
#include "playback/move_script.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

struct SignTable;
class DrawingArea;

// Everything that moves the hands goes through here: a key frame of the sign table
// becomes the current or target pose of the hands the engine owns, and a redraw
// draws the scene once (N = 0) or animates N interpolation steps from the current pose
// to the target. The engine reads the table it was given and never changes it.
//
// A redraw runs at once (Redraw) or a picture at a time (BeginRedraw, then
// ShowRedrawPicture for each), so a player can pace the pictures from a timer.
class PlaybackEngine {
 public:
  // Interpolation tables hold rows 0..1000, so longer movements are clamped.
  static constexpr int kMaxSteps = 1000;

  // Called after every animation step drawn, with the frame counter of that step.
  using StepObserver = std::function<void(int32_t frameCounter)>;

  PlaybackEngine(const SignTable& table, DrawingArea& area);
  ~PlaybackEngine();
  PlaybackEngine(const PlaybackEngine&) = delete;
  PlaybackEngine& operator=(const PlaybackEngine&) = delete;

  // Each returns false, leaving the hands unchanged, when the key frame does not
  // exist (sign outside 0..256, a sign without key frames, a frame outside the sign).
  bool SetHandPose(int sign, int frame);
  bool SetHandTarget(int sign, int frame);
  bool SetHandTargetShifted(int sign, int frame, const WristOffsets& offsets);

  // Sets a pose or target as the move says; a Redraw move is the caller's to play.
  void Apply(const Move& move);

  // Renders once for N = 0, an animation of N steps (N + 1 pictures) for N > 0,
  // nothing for N < 0; at the pace given (a held pose is drawn N + 1 times).
  void Redraw(int steps, Move::Pace pace = Move::Pace::Even);

  // Prepares the pictures of Redraw(steps, pace) and returns how many there are; then
  // ShowRedrawPicture(0 .. count - 1) draws them in turn.
  int BeginRedraw(int steps, Move::Pace pace = Move::Pace::Even);
  void ShowRedrawPicture(int index);
  // Puts the hands in the pose of the last of the `pictures` pictures begun, without
  // drawing: a player seeking within a word passes over whole movements this way.
  void SettleRedraw(int pictures);

  // Draws the current pose once.
  void DrawHands();

  // The hands (0 right, 1 left) and how many the table's layout shows.
  std::span<const Hand> Hands() const { return *hands_; }
  Hand& HandAt(int index) { return (*hands_).at(static_cast<size_t>(index)); }
  int ShownHands() const;

  // Animation steps drawn since the counter was last reset; recording names the
  // pictures by it.
  int32_t FrameCounter() const { return frameCounter_; }
  void SetFrameCounter(int32_t value) { frameCounter_ = value; }
  void SetStepObserver(StepObserver observer) { observer_ = std::move(observer); }

  const SignTable& Table() const { return table_; }
  DrawingArea& Area() { return area_; }

 private:
  enum class PoseKind { Current, Target };
  bool ApplyKeyFrame(int sign, int frame, PoseKind kind, const WristOffsets& offsets);
  void ShowAnimationStep(int step);

  const SignTable& table_;
  DrawingArea& area_;
  // Two hands with their step tables are large; they live on the heap.
  std::unique_ptr<std::array<Hand, 2>> hands_;
  int32_t frameCounter_ = 0;
  bool animating_ = false;
  StepObserver observer_;
};
