#pragma once

#include "hand/hand_interpenetration.h"
#include "signdata/sign_table.h"

#include <QString>

#include <vector>

// Checks hand shapes for what a learner would see as wrong: parts of a hand passing
// through each other, in every key frame and halfway through every movement between
// consecutive key frames of a sign (where straight interpolation can swing a finger
// through another even when both ends are clean).
struct ShapeProblem {
  int slot = 0;
  QString name;
  int frame = 0;         // counted from 0
  int frameCount = 0;
  bool midway = false;   // halfway from `frame` to `frame` + 1
  int hand = 0;          // 0 the right hand, 1 the left
  bool betweenHands = false;  // what.first of the right hand, what.second of the left
  Interpenetration what;

  // 'slot 10 "J" key frame 2 of 4, right hand: thumb tip segment and index finger
  // middle segment overlap by 3.4' (key frames counted from 1, as a reader counts);
  // between the hands '..., between the hands: right index finger tip segment and
  // left palm overlap by 2.5'.
  QString Describe() const;
};

// Slots 0..signCount-1, hands 0..handCount-1; each hand against itself, and with two
// hands the right against the left.
std::vector<ShapeProblem> LintShapes(const SignTableSlots& table, int signCount, int handCount,
                                     float tolerance = kTouchTolerance);
