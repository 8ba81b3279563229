#include "signdata/shape_lint.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace {

// The index finger bent 60 degrees at its base, turned about its own length by
// `twist`: 0 points it forwards, 180 backwards, and halfway (90 one way) it sweeps
// across the middle finger.
KeyFrame IndexTwisted(float twist) {
  KeyFrame k;
  k.Rate = 1.0f;
  k.RightFinger[0] = -50.0f;  // thumb out of the way
  k.RightFinger[9 + 1] = 60.0f;
  k.RightFinger[9 + 2] = -twist;
  k.LeftFinger = k.RightFinger;
  k.LeftFinger[9 + 1] = 0.0f;  // the left hand keeps its index straight
  k.LeftWristPos[1] = 200.0f;  // well clear of the right hand
  return k;
}

void Put(SignTableSlots& table, int slot, const QString& name, std::vector<KeyFrame> frames) {
  table[slot].Name = FixedLengthName(name);
  table[slot].FrameCount = static_cast<int16_t>(frames.size());
  table[slot].Frames = std::move(frames);
}

// Where the problems are: slot, key frame, halfway or not, hand, between the hands or not.
using Where = std::tuple<int, int, bool, int, bool>;

std::set<Where> Places(const std::vector<ShapeProblem>& problems) {
  std::set<Where> places;
  for (const ShapeProblem& p : problems) places.emplace(p.slot, p.frame, p.midway, p.hand, p.betweenHands);
  return places;
}

}  // namespace

TEST(ShapeLint, ChecksKeyFramesAndTheMidpointOfEveryMovement) {
  auto table = std::make_unique<SignTableSlots>();
  Put(*table, 0, "Rest", {IndexTwisted(0)});
  Put(*table, 1, "J", {IndexTwisted(0), IndexTwisted(180), IndexTwisted(180)});
  Put(*table, 2, "X", {IndexTwisted(90)});

  // Both ends of J's first movement are clean, its midpoint is not; sign 2 is
  // beyond the sign count.
  const auto problems = LintShapes(*table, 2, 1);
  EXPECT_EQ(Places(problems), (std::set<Where>{{1, 0, true, 0, false}}));
  ASSERT_FALSE(problems.empty());
  const QString deepest = problems.front().Describe();
  EXPECT_TRUE(deepest.startsWith("slot 1 \"J\" halfway from key frame 1 to 2 of 3, right hand: index finger"))
      << deepest.toStdString();
  EXPECT_TRUE(deepest.contains("middle finger")) << deepest.toStdString();

  // A key frame itself (described by the lint command's test), and the second hand of
  // a two-hand table, whose index is straight until it is swung into its neighbour.
  EXPECT_EQ(Places(LintShapes(*table, 3, 2)), (std::set<Where>{{1, 0, true, 0, false}, {2, 0, false, 0, false}}));
  (*table)[2].Frames[0].LeftFinger[9 + 2] = 0.0f;
  (*table)[2].Frames[0].LeftFinger[9 + 0] = 30.0f;
  EXPECT_TRUE(Places(LintShapes(*table, 3, 2)).contains({2, 0, false, 1, false}));
}

TEST(ShapeLint, ChecksTheTwoHandsAgainstEachOther) {
  KeyFrame apart;
  apart.Rate = 1.0f;
  apart.RightFinger[0] = apart.LeftFinger[0] = -50.0f;
  apart.LeftWristPos[1] = 200.0f;
  // The left hand slid sideways until its index lies in the right hand's middle
  // finger: the middle fingers are 15.8 apart across the knuckles.
  KeyFrame through = apart;
  through.LeftWristPos[1] = -15.8f;
  // Fingertip on fingertip, end to end: the right hand upright, the left upside down
  // above it.
  KeyFrame touching = apart;
  touching.LeftWristAngle[0] = 180.0f;
  touching.LeftWristPos = {0.0f, 44.2f, 230.0f, 0.0f};  // the index tips meet at z = 115
  auto table = std::make_unique<SignTableSlots>();
  Put(*table, 0, "Rest", {apart});
  Put(*table, 1, "A", {through});
  Put(*table, 2, "E", {touching});
  Put(*table, 3, "H", {apart, apart});
  (*table)[3].Frames[1].LeftWristPos[1] = -200.0f;  // sweeps through the right hand, both key frames apart

  const auto problems = LintShapes(*table, 4, 2);
  EXPECT_EQ(Places(problems), (std::set<Where>{{1, 0, false, 0, true}, {3, 0, true, 0, true}}));
  for (const ShapeProblem& p : problems) {
    if (p.slot != 1) continue;
    EXPECT_TRUE(p.Describe().startsWith("slot 1 \"A\" key frame 1 of 1, between the hands: right "))
        << p.Describe().toStdString();
    EXPECT_TRUE(p.Describe().contains(" and left "));
  }
  // A one-hand table never looks at the second hand's fields.
  EXPECT_TRUE(LintShapes(*table, 4, 1).empty());
}

// Hand shapes with absurd values overlap by absurd amounts; the message stays readable.
TEST(ShapeLint, AHugeOverlapIsQuotedShortened) {
  ShapeProblem problem;
  problem.name = FixedLengthName("A");
  problem.frameCount = 1;
  problem.what.depth = 3.4028235e38f;
  const QString described = problem.Describe();
  EXPECT_TRUE(described.endsWith(" overlap by 34028234663852885981" + QString(QChar(0x2026))))
      << described.toStdString();
}
