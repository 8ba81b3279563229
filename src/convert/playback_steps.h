#pragma once

#include "render/playback_engine.h"

#include <cstdint>

struct AppState;
struct KeyFrame;

// What the converters' playback shares: the time scale of a word and where each
// wrist value sits among the offsets of SetHandTargetShifted.

// The delay of a word: 4000 / speed, rounded halves to even (speed 3 gives 1333,
// speed 8000 gives 0). Speeds below 1 are the callers' error and give 0.
int16_t DelayForSpeed(int speed);

// Steps to reach a key frame: the delay as a float times the key frame's rate, taken
// exactly and rounded halves to even. Values beyond the range of int are clamped
// there; a rate that is not a number gives 0.
int KeyFrameSteps(int16_t delay, float rate);

// Steps of the short extra movements (a bounce, the thousands moves): delay / 5,
// rounded halves to even.
int FifthOfDelay(int16_t delay);

// The key frames a sign really has: 0 for a code outside the table.
int KeyFrameCount(const AppState& state, int sign);

// Key frame `frame` of `sign`; the caller has checked it against KeyFrameCount.
const KeyFrame& KeyFrameOf(const AppState& state, int sign, int frame);

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
