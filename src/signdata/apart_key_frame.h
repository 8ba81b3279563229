#pragma once

#include "hand/hand_volumes.h"
#include "hand/primitive_sink.h"
#include "signdata/sign_table.h"

#include <optional>

// A two-handed contact letter is authored with its moving hand set off from the
// other before the contact and after it, so that the plain straight moves between
// letters run with the hands apart. A motion that goes from contact to contact skips
// these apart frames and lifts the hand only where the way is blocked.

// How an apart frame sets its hand off: which hand (0 the right, 1 the left) and the
// apart frame's wrist position minus that of the contact frame beside it.
struct ApartOffset {
  int hand = 0;
  Vec3 offset;
};

// The first or last key frame of a sign of three or more in a two-handed table, when
// it differs from the key frame beside it in one hand's wrist position alone and the
// hands meet in that neighbour but not in the apart frame. Nothing for any other
// frame, and for every frame of a one-handed table.
std::optional<ApartOffset> ApartKeyFrameOffset(const SignTable& table, int sign, int frame);

inline bool IsApartKeyFrame(const SignTable& table, int sign, int frame) {
  return ApartKeyFrameOffset(table, sign, frame).has_value();
}

// How near the two hands of a key frame come: the least distance between a part of
// one and a part of the other, negative by the depth of the deepest overlap.
float HandsGap(const KeyFrame& frame);
float HandsGap(const HandVolumes& right, const HandVolumes& left);

// Hands this near meet: no wider than a finger. Most contacts are authored to touch
// within a few units; a few (a slanting finger laid in front of the other hand, a brush
// across the palm) keep a narrow gap.
constexpr float kMeetingGap = 16.0f;
