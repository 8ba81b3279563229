#pragma once

#include "hand/bone_frames.h"
#include "hand/primitive_sink.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

class Hand;

// The "Natural" hand: the same skeleton as the described drawing (every part hangs on
// one of the frames of HandBoneFrames) clothed in rounded, lifelike shapes: finger
// segments that taper and flatten, with rounded ends that blend at the joints, a
// knuckle on the back of each joint, pads on the palm side and nails on the back of
// the fingertips; a palm that narrows from the knuckles, which lie on an arc, to the
// heel, with the thumb's ball, and runs on in one piece through the wrist into a short
// forearm that fades into the background; and the web between thumb and index.

struct MeshVertex {
  Vec3 position;
  Vec3 normal;
  // Multiplies the hand's skin colour (rgb); a is how much of the hand shows over
  // the background (the forearm fades out to 0).
  std::array<float, 4> tone{1.0f, 1.0f, 1.0f, 1.0f};
};

// A sheet stretched between two bones (the thumb's web): each vertex lies between a
// point on the part's bone (its position) and a point on `otherBone`, `towardsOther`
// (0..1) of the way, and `thickness` off the sheet they span, on the palm side when
// positive. Its shape follows both bones however they turn.
struct StretchedSheet {
  int otherBone = -1;
  std::vector<Vec3> otherPoints;
  std::vector<float> towardsOther;
  std::vector<float> thickness;
};

// One rounded part in the coordinates of the bone frame it hangs on.
struct MeshPart {
  int bone = 0;
  std::vector<MeshVertex> vertices;
  std::vector<uint32_t> triangles;  // three indices each, counter-clockwise seen from outside
  bool outlined = true;             // closed parts get the outline; nails lie on top of them
  StretchedSheet sheet;             // used when sheet.otherBone names a bone
};

// The parts of a hand with `hand`'s dimensions, built once: the shapes do not change
// with the pose, only the frames they hang on.
std::vector<MeshPart> NaturalHandParts(const Hand& hand);

// A rounded rod (the points within `radius` of the line from..to, in the coordinates
// of `bone`) standing in for a part of the hand where it shades its neighbours: the
// creases between curled fingers and where fingers lie on the palm or the thumb
// darken, so a fist's fingers read apart from the palm and from each other.
struct MeshOccluder {
  int bone = 0;
  Vec3 from;
  Vec3 to;
  float radius = 0.0f;
};

std::vector<MeshOccluder> NaturalHandOccluders(const Hand& hand);

// A hand's parts placed on its frames, in the coordinates the hand is drawn in. The
// triangles of outlined parts come first.
struct PosedHandMesh {
  std::vector<MeshVertex> vertices;
  std::vector<uint32_t> triangles;
  size_t outlinedIndexCount = 0;
};

// Reuses the storage of `mesh`. Each vertex's tone is darkened by how much of the
// light around it `occluders` take away.
void PoseHandMesh(const std::vector<MeshPart>& parts, const std::vector<BoneFrame>& frames,
                  PosedHandMesh& mesh, std::span<const MeshOccluder> occluders = {});
