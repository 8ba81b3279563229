#include "hand/natural_hand_mesh.h"

#include "signdata/sign_table.h"
#include "hand/bone_frames.h"
#include "hand/hand_landmarks.h"
#include "hand/hand_skeleton.h"
#include "playback/playback_engine.h"
#include "support/shipped_shapes.h"
#include "support/fake_drawing_area.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

struct ShippedFile {
  const char* name;
  int hands;
};

const ShippedFile kShippedFiles[] = {{"PositionBSL.csv", 2}, {"PositionINA.csv", 2},
                                     {"PositionASL.csv", 1}, {"PositionJSL.csv", 1},
                                     {"PositionKSL.csv", 1}};

float Distance(const Vec3& a, const Vec3& b) {
  return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

// Where a landmark of the palm lies on the skeleton the Natural drawing stands on, from
// the palm's frame. Points along a finger lie on its bone, whose ends are checked.
Vec3 NaturalPalmLandmark(const Matrix4& palm, const Hand& hand, const QString& name) {
  const float t = hand.PalmThickness() / 2.0f;
  const float half = hand.PalmLength() / 2.0f;
  if (name == u"palm") return palm.TransformPoint({t, 0.0f, half});
  if (name == u"back") return palm.TransformPoint({-t, 0.0f, half});
  if (name == u"heel") return palm.TransformPoint({t, 0.0f, hand.PalmLength() * 0.15f});
  return palm.TransformPoint({0.0f, -hand.PalmWidth() * (1.0f + hand.PalmTaper()) / 4.0f, half});  // edge
}

// Distance from p to the segment a..b.
float DistanceToBone(const Vec3& p, const Vec3& a, const Vec3& b) {
  const Vec3 ab{b.x - a.x, b.y - a.y, b.z - a.z};
  const Vec3 ap{p.x - a.x, p.y - a.y, p.z - a.z};
  const float length2 = ab.x * ab.x + ab.y * ab.y + ab.z * ab.z;
  const float t = std::clamp((ap.x * ab.x + ap.y * ab.y + ap.z * ab.z) / length2, 0.0f, 1.0f);
  return Distance(p, {a.x + ab.x * t, a.y + ab.y * t, a.z + ab.z * t});
}

void CheckHand(const Hand& hand, const std::vector<MeshPart>& parts) {
  const std::vector<BoneFrame> frames = HandBoneFrames(hand);
  const std::vector<PrismAxis> axes = HandPrismAxes(hand);
  ASSERT_EQ(frames.size(), axes.size());
  // Every joint where the described drawing puts it.
  for (size_t i = 0; i < frames.size(); ++i) {
    EXPECT_LT(Distance(frames[i].frame.TransformPoint({0, 0, 0}), axes[i].base), 1e-3f) << i;
    EXPECT_LT(Distance(frames[i].frame.TransformPoint({0, 0, frames[i].size.z}), axes[i].top), 1e-3f) << i;
  }
  for (const QString name : {"palm", "back", "heel", "edge"})
    EXPECT_LT(Distance(NaturalPalmLandmark(frames[0].frame, hand, name), *HandLandmark(hand, name)), 1e-3f)
        << name.toStdString();

  // The rounded fingers wrap their bones: no point of a segment's skin strays from it.
  PosedHandMesh mesh;
  for (const MeshPart& part : parts) {
    if (part.bone == 0) continue;
    PoseHandMesh({part}, frames, mesh);
    const PrismAxis& axis = axes[part.bone];
    float farthest = 0.0f;
    for (const MeshVertex& v : mesh.vertices)
      farthest = std::max(farthest, DistanceToBone(v.position, axis.base, axis.top));
    EXPECT_LT(farthest, 11.0f) << "bone " << part.bone;
  }
}

}  // namespace

TEST(NaturalHandMesh, EveryLandmarkOfEveryShippedSignStaysWhereTheClassicHandHasIt) {
  const std::vector<MeshPart> parts = NaturalHandParts(Hand());
  for (const ShippedFile& file : kShippedFiles) {
    SCOPED_TRACE(file.name);
    const auto shipped = LoadShippedTable(QLatin1String(file.name), file.hands);
    const SignTable& state = *shipped;
    FakeDrawingArea area;
    PlaybackEngine engine(state, area);
    int checked = 0;
    for (int sign = 0; sign < state.SignCount; ++sign) {
      for (int frame = 0; frame < state.Signs[sign].FrameCount; ++frame) {
        if (!engine.SetHandPose(sign, frame)) continue;
        SCOPED_TRACE(testing::Message() << "sign " << sign << " frame " << frame);
        for (int h = 0; h < file.hands; ++h) CheckHand(engine.HandAt(h), parts);
        ++checked;
      }
    }
    EXPECT_GT(checked, 20);
  }
}

TEST(NaturalHandMesh, ClosedPartsComeFirstAndEveryTriangleFacesOutwards) {
  Hand hand;
  PosedHandMesh mesh;
  PoseHandMesh(NaturalHandParts(hand), HandBoneFrames(hand), mesh);
  ASSERT_FALSE(mesh.triangles.empty());
  EXPECT_EQ(mesh.triangles.size() % 3, 0u);
  EXPECT_LT(mesh.outlinedIndexCount, mesh.triangles.size());  // the nails lie on top
  for (size_t i = 0; i < mesh.triangles.size(); i += 3) {
    const Vec3& a = mesh.vertices[mesh.triangles[i]].position;
    const Vec3& b = mesh.vertices[mesh.triangles[i + 1]].position;
    const Vec3& c = mesh.vertices[mesh.triangles[i + 2]].position;
    Vec3 n;
    for (size_t k = i; k < i + 3; ++k) {
      n.x += mesh.vertices[mesh.triangles[k]].normal.x;
      n.y += mesh.vertices[mesh.triangles[k]].normal.y;
      n.z += mesh.vertices[mesh.triangles[k]].normal.z;
    }
    const Vec3 ab{b.x - a.x, b.y - a.y, b.z - a.z};
    const Vec3 ac{c.x - a.x, c.y - a.y, c.z - a.z};
    const Vec3 facing{ab.y * ac.z - ab.z * ac.y, ab.z * ac.x - ab.x * ac.z, ab.x * ac.y - ab.y * ac.x};
    // The outline is drawn from back faces, so a triangle wound inwards would show as a hole.
    EXPECT_GT(facing.x * n.x + facing.y * n.y + facing.z * n.z, -1e-4f) << "triangle " << i / 3;
  }
}

namespace {

// The mean brightness (tone's red) of the inside of the palm, between the heel and
// the knuckles, and the darkest the shade makes any skin (shaded over unshaded).
struct PalmShade {
  float mean = 0.0f;
  float darkest = 1.0f;
};

PalmShade ShadeOf(const PosedHandMesh& mesh, const PosedHandMesh& unshaded, const MeshPart& palm,
                  const Hand& hand) {
  PalmShade shade;
  int inside = 0;
  for (size_t i = 0; i < mesh.vertices.size(); ++i) {
    const float tone = mesh.vertices[i].tone[0];
    shade.darkest = std::min(shade.darkest, tone / unshaded.vertices[i].tone[0]);
    if (i >= palm.vertices.size()) continue;
    const Vec3& local = palm.vertices[i].position;
    if (local.x <= 0.0f || local.z < 10.0f || local.z > hand.PalmLength()) continue;
    shade.mean += tone / unshaded.vertices[i].tone[0];
    ++inside;
  }
  shade.mean /= static_cast<float>(std::max(inside, 1));
  return shade;
}

}  // namespace

// In a fist the palm lies in the shadow of the curled fingers and the fingers in each
// other's, so the letters made with a closed hand read apart from an open palm; the
// shade deepens the skin but never blackens it.
TEST(NaturalHandMesh, CurledFingersShadeThePalmAndEachOtherButNeverBlacken) {
  const auto shipped = LoadShippedTable(QStringLiteral("PositionASL.csv"), 1);
  FakeDrawingArea area;
  PlaybackEngine engine(*shipped, area);
  const std::vector<MeshPart> parts = NaturalHandParts(Hand());
  const std::vector<MeshOccluder> occluders = NaturalHandOccluders(Hand());
  const auto shadeOf = [&](int sign) {
    EXPECT_TRUE(engine.SetHandPose(sign, 0));
    PosedHandMesh shaded;
    PoseHandMesh(parts, HandBoneFrames(engine.HandAt(0)), shaded, occluders);
    PosedHandMesh unshaded;
    PoseHandMesh(parts, HandBoneFrames(engine.HandAt(0)), unshaded);
    return ShadeOf(shaded, unshaded, parts[0], Hand());
  };
  const PalmShade open = shadeOf(0);  // the hand at rest, fingers spread
  const PalmShade fist = shadeOf(19);  // S: the fingers curled onto the palm
  EXPECT_LT(fist.mean, open.mean - 0.15f);
  EXPECT_GT(open.mean, 0.9f);  // an open palm stays bright
  EXPECT_GE(std::min(open.darkest, fist.darkest), 0.399f);
}
