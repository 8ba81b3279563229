#include "playback/script_bounds.h"

#include "hand/hand_landmarks.h"
#include "hand/matrix4.h"
#include "playback/drawing_area.h"
#include "playback/playback_engine.h"
#include "playback/script_player.h"
#include "signdata/sign_table.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Takes in the hands of every picture instead of drawing it.
class BoundsArea : public DrawingArea {
 public:
  explicit BoundsArea(HandAppearance appearance) : appearance_(appearance) {}
  int Width() const override { return 640; }
  int Height() const override { return 480; }
  void DrawHands(const HandScene& scene) override { bounds.Include(HandsBounds(scene.Shown(), appearance_)); }
  bool SaveFrame(const QString&) override { return false; }

  Box bounds;

 private:
  HandAppearance appearance_;
};

// Runs the hand's own drawing and keeps only where its corners land: every joint,
// fingertip and face of the palm with the thickness of the hand around it, without
// the normals and copies a recording sink keeps (a word has hundreds of pictures).
class BoundingSink : public PrimitiveSink {
 public:
  explicit BoundingSink(Box& box) : box_(box) {}

  void PushMatrix() override { stack_.push_back(stack_.back()); }
  void PopMatrix() override {
    if (stack_.size() > 1) stack_.pop_back();
  }
  void Translate(float x, float y, float z) override { stack_.back() = stack_.back() * Matrix4::Translation(x, y, z); }
  void Rotate(float degrees, float x, float y, float z) override {
    stack_.back() = stack_.back() * Matrix4::Rotation(degrees, x, y, z);
  }
  void Scale(float x, float y, float z) override { stack_.back() = stack_.back() * Matrix4::Scaling(x, y, z); }
  void SetFrontMaterial(const Material&) override {}
  void Polygon(std::span<const ShadedVertex> vertices) override {
    for (const ShadedVertex& v : vertices) box_.Include(stack_.back().TransformPoint(v.position), kRounding);
  }

 private:
  // The Natural hands are rounded over the same joints, their pads and nails standing
  // a little proud of the faceted drawing's faces.
  static constexpr float kRounding = 3.0f;

  Box& box_;
  std::vector<Matrix4> stack_{Matrix4::Identity()};
};

// The Natural forearm runs on from the wrist, away from the fingers, and has faded to
// a shadow of itself this far from it; about as wide as the heel of the palm. The
// picture may cut what is left of it, as a picture cuts an arm.
constexpr float kForearmShown = 65.0f;
constexpr float kForearmRadius = 25.0f;

Vec3 Along(const Vec3& from, const Vec3& to, float distance) {
  const float dx = to.x - from.x, dy = to.y - from.y, dz = to.z - from.z;
  const float length = std::sqrt(dx * dx + dy * dy + dz * dz);
  if (length <= 0.0f) return from;
  const float k = distance / length;
  return {from.x + dx * k, from.y + dy * k, from.z + dz * k};
}

}  // namespace

Box HandsBounds(std::span<const Hand> shown, HandAppearance appearance) {
  Box box;
  BoundingSink sink(box);
  for (const Hand& hand : shown) {
    hand.draw(sink);
    if (appearance != HandAppearance::Natural) continue;
    const auto wrist = HandLandmark(hand, QStringLiteral("wrist"));
    const auto palm = HandLandmark(hand, QStringLiteral("palm"));
    const auto back = HandLandmark(hand, QStringLiteral("back"));
    if (!wrist || !palm || !back) continue;
    // Halfway between the palm's two sides lies the palm's own axis.
    const Vec3 middle{(palm->x + back->x) / 2.0f, (palm->y + back->y) / 2.0f, (palm->z + back->z) / 2.0f};
    box.Include(Along(*wrist, middle, -kForearmShown), kForearmRadius);
  }
  return box;
}

Box ScriptBounds(const SignTable& table, const MoveScript& script, HandAppearance appearance,
                 std::span<const Hand> start) {
  BoundsArea area(appearance);
  PlaybackEngine engine(table, area);
  for (size_t i = 0; i < start.size() && i < engine.Hands().size(); ++i)
    engine.HandAt(static_cast<int>(i)) = start[i];
  RunScript(engine, script);
  return area.bounds;
}
