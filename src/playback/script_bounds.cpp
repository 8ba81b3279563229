#include "playback/script_bounds.h"

#include "hand/matrix4.h"
#include "playback/drawing_area.h"
#include "playback/playback_engine.h"
#include "playback/script_player.h"
#include "signdata/sign_table.h"

#include <QString>

#include <algorithm>
#include <vector>

namespace {

// Takes in the hands of every picture instead of drawing it.
class BoundsArea : public DrawingArea {
 public:
  int Width() const override { return 640; }
  int Height() const override { return 480; }
  void DrawHands(const HandScene& scene) override { bounds.Include(HandsBounds(scene.Shown())); }
  bool SaveFrame(const QString&) override { return false; }

  Box bounds;
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

}  // namespace

Box HandsBounds(std::span<const Hand> shown) {
  Box box;
  BoundingSink sink(box);
  for (const Hand& hand : shown) hand.draw(sink);
  return box;
}

Box ScriptBounds(const SignTable& table, const MoveScript& script) {
  return ScriptBounds(table, script, {});
}

Box ScriptBounds(const SignTable& table, const MoveScript& script, std::span<const Hand> start) {
  BoundsArea area;
  PlaybackEngine engine(table, area);
  for (size_t i = 0; i < start.size() && i < engine.Hands().size(); ++i)
    engine.HandAt(static_cast<int>(i)) = start[i];
  RunScript(engine, script);
  return area.bounds;
}

MoveScript KeyFramesScript(const SignTable& table, int sign) {
  MoveScript script;
  if (sign < 0 || sign >= kSignSlots) return script;
  const SignRecord& record = table.Signs[static_cast<size_t>(sign)];
  const int count = std::min<int>(record.FrameCount, static_cast<int>(record.Frames.size()));
  for (int frame = 0; frame < count; ++frame) {
    script.push_back(Move::Pose(sign, frame));
    script.push_back(Move::Redraw(0));
  }
  return script;
}
