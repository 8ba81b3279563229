#pragma once

#include "hand/primitive_sink.h"

#include <vector>

class Hand;

// The axis of one drawn prism: the centre of its base and of its top face, in the
// coordinates the hand is drawn in (the hand's wrist pose applied).
struct PrismAxis {
  Vec3 base;
  Vec3 top;
};

// Axes of the 16 prisms of a hand in drawing order: the palm, then the thumb's three
// segments, then the index, middle, ring and little fingers' (base segment first).
std::vector<PrismAxis> HandPrismAxes(const Hand& hand);

// Index of finger f's segment s in HandPrismAxes.
constexpr int PrismIndex(int finger, int segment) { return 1 + 3 * finger + segment; }

// Where the tip of finger f ends: the centre of its tip segment's top face.
Vec3 Fingertip(const Hand& hand, int finger);
