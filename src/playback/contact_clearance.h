#pragma once

#include "hand/hand_interpenetration.h"
#include "playback/move_script.h"

#include <optional>
#include <vector>

struct SignTable;

// Going straight from one letter's contact to the next, a hand can pass through the
// other. The smallest lift that avoids it moves the hand off the other along the
// letter's own approach, only as far as the way needs.

// A key frame as a move makes it the hands' target: frame `frame` of `sign`, its wrist
// values shifted by `offsets`.
struct KeyFrameTarget {
  int sign = 0;
  int frame = 0;
  WristOffsets offsets{};

  friend bool operator==(const KeyFrameTarget&, const KeyFrameTarget&) = default;
};

// Where a lifted way turns, between `from` and `to`.
enum class ClearanceVia {
  None,            // from → to, straight
  BeforeArrival,   // from → to + lift → to
  AfterLeaving,    // from → from + lift → to
  LeaveAndArrive,  // from → from + lift → to + lift → to
};

// What the direction of a lift was taken from.
enum class LiftAlong {
  Approach,  // the way the next letter's apart frame sets its hand off
  Leaving,   // the way the last letter's apart frame sets its hand off
  // Where the two letters move different hands, each hand the way its own letter's
  // apart frame sets it off, both as far.
  ApproachAndLeaving,
  Opening,  // the solids: the way a short move of one hand opens the widest gap
};

struct ContactClearance {
  ClearanceVia via = ClearanceVia::None;
  LiftAlong along = LiftAlong::Approach;
  float distance = 0.0f;  // how far each lifted hand is moved, in model units
  WristOffsets lift{};    // added to the wrist positions at the via targets

  bool Needed() const { return via != ClearanceVia::None; }
  // Whether hand 0 (the right) or 1 (the left) is lifted.
  bool Lifts(int hand) const;
};

// Each straight stretch is checked at every sixteenth of the way (kClearanceSamples)
// and more finely near its ends, kLastSample + 1 points in all; the lift is searched
// to kLiftResolution.
constexpr int kClearanceSamples = 16;
constexpr int kLastSample = 24;
constexpr float kLiftResolution = 2.0f;
// Twice as far as any letter is authored to pull its hand back: a way that needs more
// is not a matter of lifting.
constexpr float kLongestLift = 240.0f;

// The least lift, to kLiftResolution, that clears the straight way from `from` to `to`,
// or none when that way is clear (always, with one hand). The lift is along the
// letters' own apart frames: the way the next letter's approach or the last letter's
// leaving sets its hand off, or, where the two letters move different hands, each
// hand its own letter's way; whichever needs least. Only where none of these clears
// (a letter's own approach passes through the other hand, or there is none) is it
// taken from the solids: the directions in which a short move of one hand, then of
// both, opens the widest gap at either end. Of the ways with one via target and with
// two, the one needing the least lift is taken, one via target when it needs no more.
// Nothing when a target is not in the table or no lift up to kLongestLift clears the
// way; a caller then keeps to the letters' apart frames.
std::optional<ContactClearance> FindContactClearance(const SignTable& table, const KeyFrameTarget& from,
                                                     const KeyFrameTarget& to,
                                                     float tolerance = kTouchTolerance);

// The targets of the way, `from` first and `to` last, the via targets between.
std::vector<KeyFrameTarget> ClearedWay(const KeyFrameTarget& from, const KeyFrameTarget& to,
                                       const ContactClearance& clearance);

// Whether the hands stay out of each other along the straight stretches between
// consecutive targets, checked at kClearanceSamples points each (the first target
// too): no overlap deeper than `tolerance`, or than the end targets' own overlap where
// an authored contact is deeper.
bool WayIsClear(const SignTable& table, const std::vector<KeyFrameTarget>& way,
                float tolerance = kTouchTolerance);
