#pragma once

#include <cstdint>

class PrimitiveSink;

// The one primitive a hand is built from: an n-sided prism of height 1 along z whose
// base is a regular n-gon of radius 0.5 at z = 0 and whose top is the same n-gon
// scaled by topScale at z = 1. More than 16 sides are drawn as 16, and the caller's
// variable receives the clamped count; fewer than one side draws nothing.
void DrawTaperedPrism(PrimitiveSink& sink, int16_t& sides, float topScale);

// Each prism is drawn as its top, its base, then one polygon per side.
constexpr int kMaxPrismSides = 16;
