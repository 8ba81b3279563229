#pragma once

#include "hand/matrix4.h"

#include <vector>

class Hand;

// Where each part of a posed hand lies: the frame the hand's own drawing code sets up
// for each of its 16 prisms (the palm, then the thumb's three segments, then the
// index, middle, ring and little fingers', base segment first; the order of
// HandPrismAxes). A frame maps the part's own coordinates (x towards the palm side,
// y towards the index side, z along the part from its base) into the coordinates the
// hand is drawn in; `size` is the scaling the prism is drawn with (thickness, width,
// length). Any other drawing of the hand that builds on these frames stands on the
// same skeleton, joint for joint.
struct BoneFrame {
  Matrix4 frame;
  Vec3 size;
};

std::vector<BoneFrame> HandBoneFrames(const Hand& hand);

// Index of finger f's segment s among the frames (0 is the palm).
constexpr int BoneIndex(int finger, int segment) { return 1 + 3 * finger + segment; }
