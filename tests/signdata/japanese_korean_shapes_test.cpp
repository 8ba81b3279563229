// The shipped Japanese and Korean hand shapes: built from their sources, every slot
// a converter can produce filled, every shape inside the default view wherever the
// converters move it, and real words played without a missing key frame.
#include "playback/view_state.h"
#include "hand/hand.h"
#include "hand/hand_volumes.h"
#include "hand/matrix4.h"
#include "playback/camera.h"
#include "playback/pose_loading.h"
#include "support/shipped_shapes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

QString NameOf(const SignTable& state, int slot) { return state.Signs[slot].Name.trimmed(); }

// Projects points with the camera of the default view on a square drawing area, the
// narrower of the shapes a drawing area takes, and tells how far inside the picture
// each lies.
class DefaultView {
 public:
  DefaultView() {
    ViewState view;
    UpdateCamera(view, 320, 320);
    const CameraSetup setup = ComputeCameraSetup(view);
    toEye_ = Matrix4::LookAt(setup.eye, setup.centre, setup.up);
    halfHeight_ = static_cast<float>(std::tan(setup.fieldOfView * 3.14159265 / 360.0));
    halfWidth_ = halfHeight_ * static_cast<float>(setup.aspect);
  }

  // True when a ball of `radius` around p lies wholly inside the picture.
  bool Holds(const Vec3& p, float radius) const {
    const Vec3 e = toEye_.TransformPoint(p);  // the eye looks along -z
    const float depth = -e.z;
    if (depth <= radius) return false;
    return std::abs(e.x) + radius <= depth * halfWidth_ && std::abs(e.y) + radius <= depth * halfHeight_;
  }

 private:
  Matrix4 toEye_ = Matrix4::Identity();
  float halfHeight_ = 0.0f;
  float halfWidth_ = 0.0f;
};

// Offsets a converter adds to a key frame: wrist angle x, y, z, then position x, y, z.
using Displacement = std::array<float, 6>;

std::vector<Displacement> KanaDisplacements() {
  return {{0, 0, 0, 0, 0, 0},     {0, 0, 0, 0, -100, 0},  // voiced
          {0, 0, 0, 0, 0, 100},                           // semi-voiced
          {0, 0, 0, -100, 0, 0},                          // small kana
          {10, 0, 0, 0, 0, 0},    {0, 10, 0, 0, 0, 0}};   // the bounce of a repeat
}

std::vector<Displacement> GridDisplacements() {
  std::vector<Displacement> grid;
  for (float side : {-80.0f, 0.0f, 80.0f})
    for (float height : {-80.0f, 0.0f, 80.0f}) grid.push_back({0, 0, 0, 0, side, height});
  return grid;
}

std::vector<Displacement> ThousandsDisplacements() {
  return {{0, 0, 0, 0, 0, 0}, {0, 0, 0, 0, 0, 50}, {0, 0, 0, 0, 50, 0},
          {0, 0, 0, 0, -50, 0}, {0, 0, 0, 0, 0, -50}};
}

// Every key frame of slots first..last, moved by every displacement, stays whole in
// the default view.
void ExpectInView(SignTable& state, int first, int last, const std::vector<Displacement>& moves) {
  const DefaultView view;
  for (int slot = first; slot <= last; ++slot) {
    const SignRecord& record = state.Signs[slot];
    for (int frame = 0; frame < record.FrameCount; ++frame) {
      const KeyFrame& key = record.Frames[frame];
      for (const Displacement& move : moves) {
        std::array<float, 3> angle{}, position{};
        for (int i = 0; i < 3; ++i) {
          angle[i] = key.RightWristAngle[i] + move[i];
          position[i] = key.RightWristPos[i] + move[3 + i];
        }
        Hand hand;
        LoadPose(hand, angle, std::span<const float>(key.RightFinger.data(), 45), position);
        const HandVolumes volumes = MakeHandVolumes(hand);
        bool whole = true;
        for (const auto& capsule : volumes.capsules)
          whole = whole && view.Holds(capsule.start, capsule.radius) && view.Holds(capsule.end, capsule.radius);
        for (const Vec3& point : volumes.palmPoints) whole = whole && view.Holds(point, 0.0f);
        EXPECT_TRUE(whole) << "slot " << slot << " \"" << NameOf(state, slot).toStdString() << "\" key frame "
                           << frame << " moved by " << move[3] << ", " << move[4] << ", " << move[5]
                           << " (angles " << move[0] << ", " << move[1] << ") leaves the view";
      }
    }
  }
}

}  // namespace

TEST(JapaneseKoreanShapes, TheShippedFilesAreBuiltFromTheirSources) {
  BuildShippedShapes("jsl.shapes", "PositionJSL.csv", kOneHandColumns);
  BuildShippedShapes("ksl.shapes", "PositionKSL.csv", kOneHandColumns);
}

TEST(JapaneseKoreanShapes, EverySlotAConverterProducesHoldsAKeyFrame) {
  const auto table = LoadShippedTable("PositionJSL.csv", 1);
  SignTable& jsl = *table;
  EXPECT_EQ(jsl.SignCount, 82);
  // Kana 1 to 46 and the numerals 46 + 1 to 46 + 35, and the rest pose.
  for (int slot = 0; slot <= 46 + 35; ++slot) EXPECT_GE(jsl.Signs[slot].FrameCount, 1) << slot;
  // The names are the kana, the mark and the numerals' values.
  EXPECT_EQ(NameOf(jsl, 1), QStringLiteral("ア"));
  EXPECT_EQ(NameOf(jsl, 45), QStringLiteral("ン"));
  EXPECT_EQ(NameOf(jsl, 46), QStringLiteral("ー"));
  EXPECT_EQ(NameOf(jsl, 46 + 7), QStringLiteral("7"));
  EXPECT_EQ(NameOf(jsl, 46 + 10), QStringLiteral("0"));
  EXPECT_EQ(NameOf(jsl, 46 + 14), QStringLiteral("40"));
  EXPECT_EQ(NameOf(jsl, 46 + 22), QStringLiteral("300"));
  EXPECT_EQ(NameOf(jsl, 46 + 29), QStringLiteral("1000"));
  // ノ, モ, リ, ン and ー move.
  for (int moving : {25, 35, 40, 45, 46}) EXPECT_GE(jsl.Signs[moving].FrameCount, 2) << moving;

  const auto kslTable = LoadShippedTable("PositionKSL.csv", 1);
  SignTable& ksl = *kslTable;
  EXPECT_EQ(ksl.SignCount, 77);
  // Jamo 1 to 40, the numerals 41 + 1 to 41 + 35, and every slot below SignCount.
  for (int slot = 0; slot <= 41 + 35; ++slot) EXPECT_GE(ksl.Signs[slot].FrameCount, 1) << slot;
  EXPECT_EQ(NameOf(ksl, 1), QStringLiteral("ㄱ"));
  EXPECT_EQ(NameOf(ksl, 19), QStringLiteral("ㅎ"));
  EXPECT_EQ(NameOf(ksl, 20), QStringLiteral("ㅏ"));
  EXPECT_EQ(NameOf(ksl, 40), QStringLiteral("ㅣ"));
  EXPECT_EQ(NameOf(ksl, 41), QStringLiteral("-"));
  EXPECT_EQ(ksl.Signs[41].Frames[0].RightFinger, ksl.Signs[0].Frames[0].RightFinger);
  EXPECT_EQ(NameOf(ksl, 41 + 34), QStringLiteral("만"));
  // The doubled consonants move.
  for (int doubled : {2, 5, 9, 11, 14}) EXPECT_GE(ksl.Signs[doubled].FrameCount, 2) << doubled;
}

TEST(JapaneseKoreanShapes, EveryShapeStaysInTheDefaultViewWhereverTheConvertersMoveIt) {
  const auto table = LoadShippedTable("PositionJSL.csv", 1);
  SignTable& jsl = *table;
  ExpectInView(jsl, 0, 0, {{0, 0, 0, 0, 0, 0}});
  ExpectInView(jsl, 1, 46, KanaDisplacements());
  ExpectInView(jsl, 47, 81, ThousandsDisplacements());

  const auto kslTable = LoadShippedTable("PositionKSL.csv", 1);
  SignTable& ksl = *kslTable;
  ExpectInView(ksl, 0, 0, {{0, 0, 0, 0, 0, 0}});
  ExpectInView(ksl, 1, 40, GridDisplacements());
  ExpectInView(ksl, 41, 41, {{0, 0, 0, 0, 0, 0}});
  ExpectInView(ksl, 42, 76, ThousandsDisplacements());
}

TEST(JapaneseKoreanShapes, RealWordsAndNumbersPlayWithoutAMissingKeyFrame) {
  using enum SystemId;
  const auto jsl = LoadShippedTable("PositionJSL.csv", 1);
  const auto ksl = LoadShippedTable("PositionKSL.csv", 1);
  const struct {
    const SignTable& table;
    SystemId system;
    QString text;
    bool roman;
    int16_t numeralBase;
  } words[] = {
      {*jsl, JapaneseKana, "ｱﾘｶﾞﾄｳ", false, 46}, {*jsl, JapaneseKana, "toukyou", true, 46}, {*jsl, JapaneseKana, "gakkou", true, 46},
      {*ksl, KoreanHangul, "한국", false, 41},    {*ksl, KoreanHangul, "안녕하세요", false, 41}, {*ksl, KoreanHangul, "HanGug", true, 41},
      {*jsl, Numerals, "7", false, 46},      {*jsl, Numerals, "2026", false, 46},    {*jsl, Numerals, "12345", false, 46},
      {*jsl, Numerals, "99999999999", false, 46}, {*ksl, Numerals, "7", false, 41}, {*ksl, Numerals, "2026", false, 41},
      {*ksl, Numerals, "12345", false, 41},  {*ksl, Numerals, "99999999999", false, 41},
  };
  for (const auto& w : words) {
    SCOPED_TRACE(w.text.toStdString() + " in system " + std::to_string(SystemNumber(w.system)));
    ExpectEveryKeyFramePlayed(w.table, PlayWord(w.table, w.system, w.text, w.roman, w.numeralBase));
  }
}
