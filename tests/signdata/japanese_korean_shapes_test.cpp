// The shipped Japanese and Korean hand shapes: built from their sources, every slot
// a converter can produce filled, every shape inside the default view wherever the
// converters move it, and real words played without a missing key frame.
#include "signdata/sign_table.h"
#include "convert/sign_class.h"
#include "playback/script_player.h"
#include "playback/view_state.h"
#include "convert/text_playback.h"
#include "hand/hand.h"
#include "hand/hand_volumes.h"
#include "hand/matrix4.h"
#include "playback/camera.h"
#include "playback/playback_engine.h"
#include "playback/pose_loading.h"
#include "signdata/angle_file.h"
#include "support/fake_drawing_area.h"
#include "support/shipped_shapes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

const QString kJslFile = QStringLiteral(TOVARO_SOURCE_DIR "/data/PositionJSL.csv");
const QString kKslFile = QStringLiteral(TOVARO_SOURCE_DIR "/data/PositionKSL.csv");

void LoadShipped(SignTable& state, const QString& path) {
  state.HandCount = 1;
  state.ColumnCount = kOneHandColumns;
  const FileResult loaded = LoadAngleFile(state, path);
  ASSERT_TRUE(loaded) << loaded.reason.toStdString();
}

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

// Remembers every key frame a word's moves ask for and whether the table has it.
class RecordingPlayer : public ScriptPlayer {
 public:
  explicit RecordingPlayer(const SignTable& table) : table_(table) {}

  void Play(const MoveScript& script) override {
    for (const Move& move : script) {
      if (move.kind != Move::Kind::SetTarget && move.kind != Move::Kind::SetTargetShifted) continue;
      asked.emplace_back(move.sign, move.frame);
      if (move.frame >= table_.KeyFrameCount(move.sign)) missing.emplace_back(move.sign, move.frame);
    }
  }

  std::vector<std::pair<int, int>> asked;
  std::vector<std::pair<int, int>> missing;

 private:
  const SignTable& table_;
};

// Converts and plays the text as the program does and checks that every sign of its
// sequence played all of its key frames, none missing.
void ExpectPlaysWhole(int system, const QString& file, const QString& text, bool roman,
                      int16_t numeralBase = 46) {
  SCOPED_TRACE(text.toStdString() + " in system " + std::to_string(system));
  SignTable table = SignTable::WithHands(TableHandsOfSystem(system));
  ASSERT_TRUE(LoadAngleFile(table, file));
  RecordingPlayer player(table);
  SignClass signs(table, player);
  SelectSystem(signs, system, NumeralBaseOfSystem(system, numeralBase));
  ASSERT_TRUE(ConvertText(signs, text, roman));
  ASSERT_TRUE(signs.StartRoutine(40));
  EXPECT_TRUE(player.missing.empty());
  ASSERT_FALSE(signs.Sequence().empty());

  std::vector<std::pair<int, int>> expected;
  for (const SignStep& step : signs.Sequence()) {
    const int code = step.Code;
    const int frames = table.Signs[code].FrameCount;
    EXPECT_GE(frames, 1) << "sign " << code << " has no key frame";
    for (int k = 0; k < frames; ++k) expected.emplace_back(code, k);
  }
  // The key frames of the signs in order; modifier movements in between go back to
  // key frame 0 of the sign.
  std::vector<std::pair<int, int>> inOrder;
  size_t next = 0;
  for (const auto& call : player.asked) {
    if (next < expected.size() && call == expected[next]) {
      inOrder.push_back(call);
      ++next;
    }
  }
  EXPECT_EQ(inOrder, expected);
}

}  // namespace

TEST(JapaneseKoreanShapes, TheShippedFilesAreBuiltFromTheirSources) {
  BuildShippedShapes("jsl.shapes", "PositionJSL.csv", kOneHandColumns);
  BuildShippedShapes("ksl.shapes", "PositionKSL.csv", kOneHandColumns);
}

TEST(JapaneseKoreanShapes, EverySlotAConverterProducesHoldsAKeyFrame) {
  SignTable jsl;
  LoadShipped(jsl, kJslFile);
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

  SignTable ksl;
  LoadShipped(ksl, kKslFile);
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
  SignTable jsl;
  LoadShipped(jsl, kJslFile);
  ExpectInView(jsl, 0, 0, {{0, 0, 0, 0, 0, 0}});
  ExpectInView(jsl, 1, 46, KanaDisplacements());
  ExpectInView(jsl, 47, 81, ThousandsDisplacements());

  SignTable ksl;
  LoadShipped(ksl, kKslFile);
  ExpectInView(ksl, 0, 0, {{0, 0, 0, 0, 0, 0}});
  ExpectInView(ksl, 1, 40, GridDisplacements());
  ExpectInView(ksl, 41, 41, {{0, 0, 0, 0, 0, 0}});
  ExpectInView(ksl, 42, 76, ThousandsDisplacements());
}

TEST(JapaneseKoreanShapes, RealWordsAndNumbersPlayWithoutAMissingKeyFrame) {
  ExpectPlaysWhole(4, kJslFile, QStringLiteral("ｱﾘｶﾞﾄｳ"), false);
  ExpectPlaysWhole(4, kJslFile, QStringLiteral("toukyou"), true);
  ExpectPlaysWhole(4, kJslFile, QStringLiteral("gakkou"), true);
  ExpectPlaysWhole(5, kKslFile, QStringLiteral("한국"), false);
  ExpectPlaysWhole(5, kKslFile, QStringLiteral("안녕하세요"), false);
  ExpectPlaysWhole(5, kKslFile, QStringLiteral("HanGug"), true);
  for (const char* number : {"7", "2026", "12345", "99999999999"}) {
    ExpectPlaysWhole(6, kJslFile, QString::fromLatin1(number), false, 46);
    ExpectPlaysWhole(6, kKslFile, QString::fromLatin1(number), false, 41);
  }
}
