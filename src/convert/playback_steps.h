#pragma once

#include <cstdint>

// The time scale of a word, shared by the systems' choreographies.

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
