#pragma once

#include "hand/hand_volumes.h"

#include <vector>

// Parts of hands passing through each other, as a learner would see them: a finger
// through a neighbour or through the palm. Parts joined by a joint (segments of one
// finger, a finger's base segment and the palm, the thumb's base segment, which lies
// in the palm) are never compared.

// How deep two parts may overlap before it counts: fingers resting against each
// other or against the palm touch, and the drawn prisms are a little slimmer than
// the capsules around them.
constexpr float kTouchTolerance = 2.0f;

struct Interpenetration {
  HandPart first;
  HandPart second;
  float depth = 0.0f;  // how far the solids overlap, in model units
};

// Within one hand, deepest first.
std::vector<Interpenetration> FindInterpenetrations(const HandVolumes& hand,
                                                    float tolerance = kTouchTolerance);

// Between two hands (first parts from `first`, second from `second`), deepest first.
std::vector<Interpenetration> FindInterpenetrations(const HandVolumes& first,
                                                    const HandVolumes& second,
                                                    float tolerance = kTouchTolerance);
