#include "signdata/shape_lint.h"

#include <gtest/gtest.h>

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

}  // namespace

TEST(ShapeLint, ChecksKeyFramesAndTheMidpointOfEveryMovement) {
  auto table = std::make_unique<SignTableSlots>();
  Put(*table, 0, "Rest", {IndexTwisted(0)});
  Put(*table, 1, "J", {IndexTwisted(0), IndexTwisted(180), IndexTwisted(180)});
  Put(*table, 2, "X", {IndexTwisted(90)});

  // Both ends of J's first movement are clean, its midpoint is not; sign 2 is
  // beyond the sign count.
  const auto problems = LintShapes(*table, 2, 1);
  ASSERT_FALSE(problems.empty());
  for (const ShapeProblem& p : problems) {
    EXPECT_EQ(p.slot, 1);
    EXPECT_TRUE(p.midway);
    EXPECT_EQ(p.frame, 0);
    EXPECT_EQ(p.hand, 0);
  }
  const ShapeProblem& deepest = problems.front();
  EXPECT_TRUE(deepest.Describe().startsWith("slot 1 \"J\" halfway from key frame 1 to 2 of 3, right hand: "))
      << deepest.Describe().toStdString();
  EXPECT_TRUE(deepest.Describe().contains("right hand: index finger"));
  EXPECT_TRUE(deepest.Describe().contains("middle finger"));

  // A key frame itself, and the second hand of a two-hand table.
  const auto all = LintShapes(*table, 3, 2);
  bool sawKeyFrame = false;
  for (const ShapeProblem& p : all) {
    EXPECT_EQ(p.hand, 0);  // the left hand's index is straight throughout
    if (p.slot == 2) {
      sawKeyFrame = true;
      EXPECT_FALSE(p.midway);
      EXPECT_TRUE(p.Describe().startsWith("slot 2 \"X\" key frame 1 of 1, right hand: "));
    }
  }
  EXPECT_TRUE(sawKeyFrame);
  (*table)[2].Frames[0].LeftFinger[9 + 2] = 0.0f;
  (*table)[2].Frames[0].LeftFinger[9 + 0] = 30.0f;  // the left index into its neighbour
  bool sawLeft = false;
  for (const ShapeProblem& p : LintShapes(*table, 3, 2)) sawLeft |= p.hand == 1;
  EXPECT_TRUE(sawLeft);
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
  (*table)[3].Frames[1].LeftWristPos[1] = -200.0f;  // sweeps through the right hand

  const auto problems = LintShapes(*table, 4, 2);
  ASSERT_FALSE(problems.empty());
  bool sawKeyFrame = false;
  bool sawMidway = false;
  for (const ShapeProblem& p : problems) {
    EXPECT_TRUE(p.betweenHands) << p.Describe().toStdString();
    EXPECT_TRUE(p.slot == 1 || p.slot == 3) << p.Describe().toStdString();
    if (p.slot == 1) {
      sawKeyFrame = true;
      EXPECT_FALSE(p.midway);
      EXPECT_TRUE(p.Describe().startsWith("slot 1 \"A\" key frame 1 of 1, between the hands: right "))
          << p.Describe().toStdString();
      EXPECT_TRUE(p.Describe().contains(" and left "));
    }
    if (p.slot == 3) {
      sawMidway = true;
      EXPECT_TRUE(p.midway);  // both key frames hold the hands apart
    }
  }
  EXPECT_TRUE(sawKeyFrame);
  EXPECT_TRUE(sawMidway);

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
