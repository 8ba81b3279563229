#pragma once

#include <array>

// Angles in degrees about x, y and z, composed as the hand is drawn: turned about z,
// then y, then x (R = Rz · Ry · Rx).
using TurnAngles = std::array<float, 3>;

// The turn a fraction `t` (0..1) of the way from `from` to `to` along the shortest
// rotation between them (spherical interpolation), as angles close to those an even
// interpolation of the angles would give. 0 gives `from` and 1 gives `to` exactly.
TurnAngles InterpolateTurn(const TurnAngles& from, const TurnAngles& to, double t);

// The angle in degrees of the rotation that takes turn `a` to turn `b`.
double TurnBetween(const TurnAngles& a, const TurnAngles& b);

// The smooth start and stop of a movement: the share of the way covered at time t
// (0..1) of a minimum-jerk movement, 10t³ − 15t⁴ + 6t⁵, whose speed and acceleration
// are zero at both ends.
double EasedShare(double t);
