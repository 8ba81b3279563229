#pragma once

#include <array>
#include <string>
#include <vector>

// Offsets added to the wrist values of a key frame, in this order: right wrist
// angle x, y, z; right wrist position x, y, z; left wrist angle x, y, z; left wrist
// position x, y, z.
using WristOffsets = std::array<float, 12>;

// Slots of the wrist values in WristOffsets.
enum WristOffsetSlot {
  kRightWristAngleX = 0,
  kRightWristAngleY = 1,
  kRightWristAngleZ = 2,
  kRightWristPosX = 3,
  kRightWristPosY = 4,
  kRightWristPosZ = 5,
  kLeftWristAngleX = 6,
  kLeftWristAngleY = 7,
  kLeftWristAngleZ = 8,
  kLeftWristPosX = 9,
  kLeftWristPosY = 10,
  kLeftWristPosZ = 11,
};

// One move of a spelled word: a key frame becomes the hands' pose or target, or the
// hands are drawn (N = 0) or animated towards the target in N steps.
//
// An animation goes at an even pace from pose to target (the described motion), eases
// in and out along the shortest turn of the wrist, or holds the pose it is in: a
// held letter is drawn N + 1 times, as a movement of N steps is.
struct Move {
  enum class Kind { SetPose, SetTarget, SetTargetShifted, Redraw };
  enum class Pace { Even, Eased, Held };

  Kind kind = Kind::Redraw;
  int sign = 0;
  int frame = 0;
  WristOffsets offsets{};
  int steps = 0;
  Pace pace = Pace::Even;

  static Move Pose(int sign, int frame) { return {Kind::SetPose, sign, frame, {}, 0}; }
  static Move Target(int sign, int frame) { return {Kind::SetTarget, sign, frame, {}, 0}; }
  static Move TargetShifted(int sign, int frame, const WristOffsets& offsets) {
    return {Kind::SetTargetShifted, sign, frame, offsets, 0};
  }
  static Move Redraw(int steps) { return {Kind::Redraw, 0, 0, {}, steps}; }
  static Move EasedRedraw(int steps) { return {Kind::Redraw, 0, 0, {}, steps, Pace::Eased}; }
  static Move Hold(int steps) { return {Kind::Redraw, 0, 0, {}, steps, Pace::Held}; }

  friend bool operator==(const Move&, const Move&) = default;
};

// A whole word, as the systems' choreographies write it and the players play it.
using MoveScript = std::vector<Move>;

// The line `tovaro-cli trace` prints for a move:
//   SetHandPose <sign> <frame>
//   SetHandTarget <sign> <frame>
//   SetHandTargetShifted <sign> <frame> <o1> ... <o12>
//   Redraw <N>            (N as written, before any clamping)
//   RedrawEased <N>       (eased in and out)
//   Hold <N>
std::string MoveText(const Move& move);

// The shortest decimal text that reads back as the same float ("-20", "0.1", "1e+20");
// 0 for both zeros.
std::string ShortestDecimal(float value);
