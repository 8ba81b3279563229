#pragma once

#include "hand/primitive_sink.h"

#include <QString>

#include <optional>

class Hand;

// Named points on a posed hand, for putting one hand against the other:
//   thumb, index, middle, ring, little   the centre of the fingertip
//   FINGER.N                             along the finger's axis: N = 0 its base
//                                        joint, 1 and 2 the next joints, 3 the tip,
//                                        fractions in between (index.1.5)
//   palm, back                           the middle of the palm's inner or outer side
//   heel                                 the palm's inner side near the wrist
//   edge                                 the middle of the palm's little-finger side
//   wrist                                the point the hand turns about
// Unknown names and N outside 0..3 give nullopt.
std::optional<Vec3> HandLandmark(const Hand& hand, const QString& name);

// Whether `name` is one of the names above.
bool IsHandLandmarkName(const QString& name);
