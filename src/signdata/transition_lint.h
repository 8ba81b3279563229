#pragma once

#include "hand/hand_interpenetration.h"
#include "signdata/sign_table.h"

#include <QString>

#include <optional>
#include <vector>

// Checks the movements between signs: a word moves straight from the last key frame
// of one sign to the first key frame of the next, and that movement can carry one
// hand through the other, or a thumb through its own fingers, even when both signs
// are clean. Every ordered pair of filled slots is checked (the rest shape
// included) at a quarter, half and three quarters of the movement.

// The deepest overlap of one kind seen along a movement, and where.
struct TransitionOverlap {
  Interpenetration what;
  int quarter = 0;  // 1, 2 or 3: how many quarters of the movement were made
};

struct TransitionProblem {
  int fromSlot = 0;
  QString fromName;
  int toSlot = 0;
  QString toName;
  std::optional<TransitionOverlap> betweenHands;  // right part first, left second
  std::optional<TransitionOverlap> rightHand;     // a hand's own parts crossing
  std::optional<TransitionOverlap> leftHand;

  bool HandsPassThrough() const { return betweenHands.has_value(); }
  bool OwnPartsCross() const { return rightHand.has_value() || leftHand.has_value(); }

  // 'move from slot 8 "H" to slot 5 "E": between the hands at 2/4: right index
  // finger tip segment and left palm overlap by 6.1; right hand at 1/4: ...'
  QString Describe() const;
};

// Pairs of slots 0..signCount-1 that have key frames, each at most once, in the
// order from-slot, then to-slot.
std::vector<TransitionProblem> LintTransitions(const SignTableSlots& table, int signCount,
                                               int handCount, float tolerance = kTouchTolerance);
