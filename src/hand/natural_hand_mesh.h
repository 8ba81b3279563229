#pragma once

#include "hand/bone_frames.h"
#include "hand/primitive_sink.h"

#include <array>
#include <cstdint>
#include <vector>

class Hand;

// The "Natural" hand: the same skeleton as the described drawing (every part hangs on
// one of the frames of HandBoneFrames) clothed in rounded, lifelike shapes: finger
// segments with rounded ends that blend at the joints, pads on the palm side, nails
// on the back of the fingertips, a palm with the thumb's ball and a rounded heel, and
// a short wrist and forearm that fade into the background.

struct MeshVertex {
  Vec3 position;
  Vec3 normal;
  // Multiplies the hand's skin colour (rgb); a is how much of the hand shows over
  // the background (the forearm fades out to 0).
  std::array<float, 4> tone{1.0f, 1.0f, 1.0f, 1.0f};
};

// One rounded part in the coordinates of the bone frame it hangs on.
struct MeshPart {
  int bone = 0;
  std::vector<MeshVertex> vertices;
  std::vector<uint32_t> triangles;  // three indices each, counter-clockwise seen from outside
  bool outlined = true;             // closed parts get the outline; nails lie on top of them
};

// The parts of a hand with `hand`'s dimensions, built once: the shapes do not change
// with the pose, only the frames they hang on.
std::vector<MeshPart> NaturalHandParts(const Hand& hand);

// A hand's parts placed on its frames, in the coordinates the hand is drawn in. The
// triangles of outlined parts come first.
struct PosedHandMesh {
  std::vector<MeshVertex> vertices;
  std::vector<uint32_t> triangles;
  size_t outlinedIndexCount = 0;
};

// Reuses the storage of `mesh`.
void PoseHandMesh(const std::vector<MeshPart>& parts, const std::vector<BoneFrame>& frames,
                  PosedHandMesh& mesh);
