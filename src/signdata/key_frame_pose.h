#pragma once

class Hand;
struct KeyFrame;

// Poses one hand (0 the right, 1 the left) at `t` of the straight movement from key
// frame `from` to key frame `to`, as playback interpolates it: every wrist value and
// joint angle moves linearly. t = 0 gives `from`, 1 gives `to`.
void PoseHandBetween(Hand& hand, const KeyFrame& from, const KeyFrame& to, int whichHand, float t);

// As PoseHandBetween, the wrist turned along the shortest rotation between the two
// key frames' turns, as the lifelike motion turns it.
void PoseHandTurning(Hand& hand, const KeyFrame& from, const KeyFrame& to, int whichHand, float t);
