// The contacts that make letters readable, measured on the shipped angle files with
// the hands' named points.

#include "signdata/sign_table.h"
#include "hand/hand.h"
#include "hand/hand_landmarks.h"
#include "support/shipped_shapes.h"
#include "signdata/key_frame_pose.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <memory>
#include <string>

namespace {

// Fingers side by side or resting on each other have their axes about a finger's
// width apart; this is a little more, and well short of a visible gap.
constexpr float kTouching = 16.0f;

struct ShippedTable {
  std::unique_ptr<SignTable> state;

  ShippedTable(const char* file, int hands) : state(LoadShippedTable(QLatin1String(file), hands)) {}

  int FrameCount(int sign) const { return state->Signs[sign].FrameCount; }

  // Hand 0 (right) or 1 (left) posed in key frame `frame` of `sign`.
  std::unique_ptr<Hand> PosedHand(int sign, int frame, int which) const {
    auto hand = std::make_unique<Hand>();
    const KeyFrame& key = state->Signs[sign].Frames.at(frame);
    PoseHandBetween(*hand, key, key, which, 0.0f);
    return hand;
  }
};

Vec3 Point(const Hand& hand, const char* name) {
  const std::optional<Vec3> point = HandLandmark(hand, QString::fromLatin1(name));
  EXPECT_TRUE(point.has_value()) << name;
  return point.value_or(Vec3{});
}

float Distance(const Vec3& a, const Vec3& b) {
  return std::hypot(a.x - b.x, a.y - b.y, a.z - b.z);
}

// The nearest the fingertip comes to the thumb's middle and tip segments.
float TipToThumb(const Hand& hand, const char* finger) {
  const Vec3 tip = Point(hand, finger);
  float nearest = std::numeric_limits<float>::max();
  for (int step = 0; step <= 10; ++step) {
    const QString along = QStringLiteral("thumb.%1").arg(1.0 + 0.2 * step);
    nearest = std::min(nearest, Distance(tip, *HandLandmark(hand, along)));
  }
  return nearest;
}

// Where `point` falls across the hand from the middle finger's base knuckle (0) to the
// index finger's (1).
float AcrossFromMiddleToIndex(const Hand& hand, const Vec3& point) {
  const Vec3 middle = Point(hand, "middle.0");
  const Vec3 index = Point(hand, "index.0");
  const Vec3 across{index.x - middle.x, index.y - middle.y, index.z - middle.z};
  const Vec3 to{point.x - middle.x, point.y - middle.y, point.z - middle.z};
  const float length2 = across.x * across.x + across.y * across.y + across.z * across.z;
  return (to.x * across.x + to.y * across.y + to.z * across.z) / length2;
}

}  // namespace

// E rests the fingertips on the thumb; T brings the thumb up between index and middle,
// the index curled over it; O closes on the thumb and C keeps a gap.
TEST(LetterContacts, EAndTTuckTheThumbAndOAndCCloseOnItOrNot) {
  const struct {
    const char* file;
    int e;
    int t;
  } tables[] = {{"PositionASL.csv", 5, 27}, {"PositionJSL.csv", 4, 16}};
  for (const auto& c : tables) {
    SCOPED_TRACE(c.file);
    const ShippedTable table(c.file, 1);
    const auto e = table.PosedHand(c.e, 0, 0);
    for (const char* finger : {"index", "middle", "ring"}) EXPECT_LT(TipToThumb(*e, finger), kTouching) << finger;

    const auto t = table.PosedHand(c.t, 0, 0);
    const Vec3 tip = Point(*t, "thumb");
    const float across = AcrossFromMiddleToIndex(*t, tip);
    EXPECT_GT(across, 0.2f);
    EXPECT_LT(across, 0.9f);
    EXPECT_GT(tip.z, Point(*t, "thumb.2").z) << "the thumb tip points up";
    EXPECT_GT(Point(*t, "index").x, tip.x) << "the index tip comes down in front of the thumb's";
  }

  const ShippedTable american("PositionASL.csv", 1);
  const struct {
    int sign;
    float low;
    float high;
  } gaps[] = {{15, 0.0f, kTouching}, {3, 35.0f, 80.0f}};
  for (const auto& gap : gaps) {
    const auto hand = american.PosedHand(gap.sign, 0, 0);
    const float between = Distance(Point(*hand, "index"), Point(*hand, "thumb"));
    EXPECT_GE(between, gap.low) << gap.sign;
    EXPECT_LE(between, gap.high) << gap.sign;
  }
}

TEST(LetterContacts, BritishVowelsPointAtTheMatchingLeftFingertip) {
  const ShippedTable table("PositionBSL.csv", 2);
  const struct {
    int sign;
    const char* leftTip;
  } vowels[] = {{1, "thumb"}, {5, "index"}, {9, "middle"}, {15, "ring"}, {21, "little"}};
  for (const auto& vowel : vowels) {
    SCOPED_TRACE(vowel.leftTip);
    float nearest = std::numeric_limits<float>::max();
    for (int frame = 0; frame < table.FrameCount(vowel.sign); ++frame)
      nearest = std::min(nearest, Distance(Point(*table.PosedHand(vowel.sign, frame, 0), "index"),
                                           Point(*table.PosedHand(vowel.sign, frame, 1), vowel.leftTip)));
    EXPECT_LT(nearest, 6.0f);
    // And no other left fingertip is as near: the letter is told by the finger.
    for (const char* other : {"thumb", "index", "middle", "ring", "little"}) {
      if (std::string(other) == vowel.leftTip) continue;
      for (int frame = 0; frame < table.FrameCount(vowel.sign); ++frame)
        EXPECT_GT(Distance(Point(*table.PosedHand(vowel.sign, frame, 0), "index"),
                           Point(*table.PosedHand(vowel.sign, frame, 1), other)),
                  nearest + 10.0f)
            << other;
    }
  }
}

TEST(LetterContacts, IndonesianRHasALegBelowItsBowlAndPHasNone) {
  const ShippedTable table("PositionINA.csv", 2);
  auto lowestOfBowl = [&table](int sign) {
    const auto left = table.PosedHand(sign, table.FrameCount(sign) / 2, 1);
    float lowest = std::numeric_limits<float>::max();
    for (const char* point : {"index", "index.1", "index.2", "thumb", "thumb.1", "thumb.2"})
      lowest = std::min(lowest, Point(*left, point).z);
    return lowest;
  };
  const int r = 18;
  const auto right = table.PosedHand(r, table.FrameCount(r) / 2, 0);
  const Vec3 leg = Point(*right, "middle");
  const Vec3 stem = Point(*right, "index.0");
  EXPECT_LT(leg.z, lowestOfBowl(r) - 15.0f) << "the leg reaches below the bowl";
  EXPECT_GT(leg.y, stem.y + 15.0f) << "and out to the viewer's right of the stroke";
  // P's right middle finger stays curled in the fist, on the near side of its stroke.
  const int p = 16;
  const auto pRight = table.PosedHand(p, table.FrameCount(p) / 2, 0);
  EXPECT_LT(Point(*pRight, "middle").y, Point(*pRight, "index.0").y + 5.0f);
}

TEST(LetterContacts, IndonesianGHasASpurAtTheEndOfItsCAndABarReachingIntoIt) {
  const ShippedTable table("PositionINA.csv", 2);
  const int g = 7;
  const auto right = table.PosedHand(g, table.FrameCount(g) / 2, 0);
  const auto left = table.PosedHand(g, table.FrameCount(g) / 2, 1);
  const float back = Point(*right, "back").y;
  const Vec3 end = Point(*right, "index");
  const Vec3 corner = Point(*left, "index.1");
  const Vec3 bar = Point(*left, "index");
  EXPECT_GT(corner.z, Point(*left, "index.0").z + 15.0f) << "the spur stands up";
  EXPECT_LT(corner.z, end.z - 15.0f) << "below the top of the curve, leaving it open";
  EXPECT_GT(corner.y, end.y) << "at the curve's open end";
  EXPECT_LT(bar.y, end.y - (end.y - back) / 3) << "the bar reaches a third of the way in";
  EXPECT_LT(std::abs(bar.z - corner.z), 12.0f) << "level";
}

namespace {

Vec3 Minus(const Vec3& a, const Vec3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

float Dot(const Vec3& a, const Vec3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Midway(const Vec3& a, const Vec3& b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2, (a.z + b.z) / 2}; }

// The way the palm faces, as a unit vector.
Vec3 PalmFacing(const Hand& hand) {
  const Vec3 out = Minus(Point(hand, "palm"), Point(hand, "back"));
  const float length = std::sqrt(Dot(out, out));
  return {out.x / length, out.y / length, out.z / length};
}

}  // namespace

// The contact or the opening each form is read by: A's thumb against the side of the
// fist at the index's middle joint, not standing up; X's thumb on the middle finger;
// W's on the little fingernail; N's thumb base kept behind the index; ハ's two fingers
// spread and angled down; ス's thumb out beyond the index; British H's right palm
// turned down onto the left palm; Indonesian B's lower bowl curled round and E's arms
// at the top, middle and foot of its stem.
TEST(LetterContacts, EachFormHoldsTheContactItIsReadBy) {
  const struct {
    const char* file;
    int hands;
    int sign;
    int frame;
    const char* form;
    std::function<void(const Hand& right, const Hand& left)> check;
  } forms[] = {
      {"PositionASL.csv", 1, 1, 0, "A", nullptr},
      {"PositionJSL.csv", 1, 1, 0, "ア", nullptr},
      {"PositionASL.csv", 1, 24, 0, "X",
       [](const Hand& hand, const Hand&) {
         EXPECT_LT(Distance(Point(hand, "thumb"), Midway(Point(hand, "middle.1"), Point(hand, "middle.2"))), kTouching);
       }},
      {"PositionASL.csv", 1, 23, 0, "W",
       [](const Hand& hand, const Hand&) {
         EXPECT_LT(Distance(Point(hand, "thumb"), Midway(Point(hand, "little.2"), Point(hand, "little"))), kTouching);
       }},
      {"PositionASL.csv", 1, 14, 0, "N",
       [](const Hand& hand, const Hand&) {
         EXPECT_LT(AcrossFromMiddleToIndex(hand, Point(hand, "thumb.1")), 1.6f) << "the thumb's base juts past the index";
         const float tip = AcrossFromMiddleToIndex(hand, Point(hand, "thumb"));
         EXPECT_LT(tip, 0.0f) << "the thumb tip shows between middle and ring";
         EXPECT_GT(tip, -1.0f);
       }},
      {"PositionJSL.csv", 1, 26, 0, "ハ",
       [](const Hand& hand, const Hand&) {
         EXPECT_GT(std::abs(Point(hand, "index").y - Point(hand, "middle").y), 40.0f) << "the gap shows from the front";
         for (const char* finger : {"index", "middle"})
           EXPECT_LT(Point(hand, finger).z, Point(hand, (std::string(finger) + ".0").c_str()).z - 20.0f) << finger;
       }},
      {"PositionJSL.csv", 1, 13, 0, "ス",
       [](const Hand& hand, const Hand&) { EXPECT_GT(AcrossFromMiddleToIndex(hand, Point(hand, "thumb")), 2.0f); }},
      {"PositionINA.csv", 2, 2, 1, "Indonesian B",
       [](const Hand& right, const Hand&) {
         // The thumb's tip turns back towards the stem, nearer to it than the joint
         // before it: a rounded bowl, where a bar would run straight out from it.
         const float stem = Point(right, "index.0").y;
         EXPECT_LT(std::abs(Point(right, "thumb").y - stem) + 10.0f, std::abs(Point(right, "thumb.2").y - stem));
         EXPECT_GT(std::abs(Point(right, "thumb.2").y - stem), 25.0f) << "the bowl stands out from the stem";
         EXPECT_LT(Point(right, "thumb.2").z, Point(right, "index.1").z) << "below the upper bowl";
       }},
      {"PositionINA.csv", 2, 5, 1, "Indonesian E",
       [](const Hand& right, const Hand& left) {
         // The arms span the stem from its top to its foot, not its upper half alone.
         const float stem = Point(right, "index.2").z - Point(right, "index.0").z;
         EXPECT_GT(Point(left, "index").z - Point(left, "ring").z, stem);
         EXPECT_LT(Point(left, "ring").z, Point(right, "index.0").z + 5.0f) << "an arm at the foot";
         EXPECT_LT(std::abs(Point(left, "middle").z - Point(right, "index.1").z), kTouching) << "one at the middle";
       }},
      {"PositionBSL.csv", 2, 8, 2, "H",
       [](const Hand& right, const Hand& left) {
         EXPECT_LT(Dot(PalmFacing(right), PalmFacing(left)), -0.8f) << "palm to palm";
         EXPECT_LT(Distance(Point(right, "palm"), Point(left, "palm")), 40.0f);
       }},
  };
  for (const auto& form : forms) {
    SCOPED_TRACE(form.form);
    const ShippedTable table(form.file, form.hands);
    const auto right = table.PosedHand(form.sign, form.frame, 0);
    const auto left = table.PosedHand(form.sign, form.frame, form.hands - 1);
    if (form.check) {
      form.check(*right, *left);
      continue;
    }
    // The fist letters: the thumb tip beside the index's middle joint, no higher than
    // a finger's width above it.
    const Vec3 tip = Point(*right, "thumb");
    const Vec3 joint = Point(*right, "index.1");
    EXPECT_LT(tip.z - joint.z, kTouching) << "a thumbs-up";
    EXPECT_GT(AcrossFromMiddleToIndex(*right, tip), 1.4f) << "against the side of the index";
    EXPECT_LT(Distance(tip, joint), 1.5f * kTouching);
  }
}
