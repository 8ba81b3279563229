#pragma once

#include "hand/primitive_sink.h"

#include <QString>

#include <vector>

class Hand;

// A part of a hand: the palm, or segment 0..2 of finger 0..4.
struct HandPart {
  int finger = -1;  // -1 for the palm
  int segment = 0;

  bool IsPalm() const { return finger < 0; }
  friend bool operator==(const HandPart&, const HandPart&) = default;
};

// "palm", "thumb base segment", "index finger tip segment", ...
QString PartName(HandPart part);

// A hand as solids, for telling whether parts pass through each other: every finger
// segment a capsule around its axis with half its finger's width as radius (a tip
// segment's capsule ends flush with the fingertip), the palm the convex prism it is
// drawn as, given by the planes of its faces (normals outwards).
struct HandVolumes {
  struct Capsule {
    HandPart part;
    Vec3 start;
    Vec3 end;
    float radius = 0.0f;
  };
  struct Plane {
    Vec3 normal;
    float offset = 0.0f;  // normal . p = offset on the plane
  };

  std::vector<Capsule> capsules;  // thumb base first, little finger tip last
  std::vector<Plane> palmFaces;
  // The palm's corners and points along its middle, for telling palms apart.
  std::vector<Vec3> palmPoints;

  // How far p lies outside the palm (negative inside); exact inside and on the
  // faces, a little short of the true distance near edges and corners.
  float PalmDistance(const Vec3& p) const;
};

HandVolumes MakeHandVolumes(const Hand& hand);
