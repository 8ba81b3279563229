#include "render/playback_engine.h"

#include "app/app_state.h"
#include "support/fake_drawing_area.h"

#include <gtest/gtest.h>

namespace {

// A key frame with the wrist at x = `wrist` and the index finger's base bent by `bend`
// (for both hands; the left hand mirrored to tell them apart).
KeyFrame Frame(float wrist, float bend, float rate = 1.0f) {
  KeyFrame k;
  k.Rate = rate;
  k.RightWristPos[0] = wrist;
  k.RightFinger[9 * 1 + 1] = bend;
  k.LeftWristPos[0] = -wrist;
  k.LeftFinger[9 * 1 + 1] = -bend;
  return k;
}

void Put(AppState& state, int slot, std::vector<KeyFrame> frames) {
  state.SignTable[slot].FrameCount = static_cast<int16_t>(frames.size());
  state.SignTable[slot].Frames = std::move(frames);
}

class PlaybackEngineTest : public ::testing::Test {
 protected:
  PlaybackEngineTest() {
    state.HandCount = 1;
    state.ColumnCount = kOneHandColumns;
    Put(state, 0, {Frame(0, 0)});
    Put(state, 1, {Frame(10, 90), Frame(20, 45)});
    state.SignCount = 2;
  }
  AppState state;
  FakeDrawingArea area;
  PlaybackEngine engine{state, area};
};

}  // namespace

TEST_F(PlaybackEngineTest, AnAnimationDrawsNPlusOnePicturesEndingAtTheTarget) {
  ASSERT_TRUE(engine.SetHandPose(0, 0));
  ASSERT_TRUE(engine.SetHandTarget(1, 0));
  engine.Redraw(4);
  ASSERT_EQ(area.pictures.size(), 5u);
  EXPECT_EQ(area.pictures[0].wristX[0], 0.0f);
  EXPECT_EQ(area.pictures[2].wristX[0], 5.0f);
  EXPECT_EQ(area.pictures[4].wristX[0], 10.0f);
  EXPECT_EQ(area.pictures[4].indexBase[0], 90.0f);
  // The next movement starts where this one ended.
  engine.SetHandTarget(1, 1);
  engine.Redraw(1);
  ASSERT_EQ(area.pictures.size(), 7u);
  EXPECT_EQ(area.pictures[5].wristX[0], 10.0f);
  EXPECT_EQ(area.pictures[6].wristX[0], 20.0f);
  EXPECT_EQ(state.FrameCounter, 7);
  // The camera follows the area.
  EXPECT_EQ(state.View.ViewWidth, 320);
  EXPECT_FLOAT_EQ(state.View.NearPlane, 100.0f);
}

TEST_F(PlaybackEngineTest, ZeroStepsDrawsTheOldPoseOnceAndNegativeDrawsNothing) {
  engine.SetHandPose(0, 0);
  engine.SetHandTarget(1, 0);
  engine.Redraw(0);
  ASSERT_EQ(area.pictures.size(), 1u);
  EXPECT_EQ(area.pictures[0].wristX[0], 0.0f);
  EXPECT_EQ(state.Hands[0]->pose(0), 0.0f);
  EXPECT_EQ(state.FrameCounter, 0);
  engine.Redraw(-3);
  EXPECT_EQ(area.pictures.size(), 1u);
  EXPECT_EQ(state.Hands[0]->pose(0), 0.0f);
  // Holding: N steps towards the pose the hand already has draws it N + 1 times.
  engine.SetHandTarget(0, 0);
  engine.Redraw(3);
  EXPECT_EQ(area.pictures.size(), 5u);
  EXPECT_EQ(area.pictures.back().wristX[0], 0.0f);
}

TEST_F(PlaybackEngineTest, OneHandSystemsMoveOnlyTheFirstHandFromTheRightHandFields) {
  state.Hands[1]->SetPose(0, 77.0f);
  engine.SetHandPose(0, 0);
  engine.SetHandTarget(1, 0);
  engine.Redraw(2);
  EXPECT_EQ(state.Hands[0]->pose(0), 10.0f);
  EXPECT_EQ(state.Hands[1]->pose(0), 77.0f);

  state.HandCount = 2;
  state.ColumnCount = kTwoHandColumns;
  engine.SetHandTarget(1, 1);
  engine.Redraw(2);
  EXPECT_EQ(state.Hands[0]->pose(0), 20.0f);
  EXPECT_EQ(state.Hands[1]->pose(0), -20.0f);
  EXPECT_EQ(state.Hands[1]->Arthro(1, 0, 1), -45.0f);
}

TEST_F(PlaybackEngineTest, MissingKeyFramesLeaveTheHandsAloneAndAreReported) {
  engine.SetHandPose(1, 1);
  EXPECT_FALSE(engine.SetHandPose(2, 0));      // a slot without key frames
  EXPECT_FALSE(engine.SetHandTarget(1, 2));    // past the last key frame
  EXPECT_FALSE(engine.SetHandTarget(1, -1));
  EXPECT_FALSE(engine.SetHandPose(257, 0));    // outside the table
  EXPECT_FALSE(engine.SetHandTargetShifted(-1, 0, {}));
  EXPECT_EQ(state.Hands[0]->pose(0), 20.0f);
  EXPECT_EQ(state.Hands[0]->target_pose(0), 0.0f);
}

TEST_F(PlaybackEngineTest, ShiftedTargetsAddTheTwelveOffsetsInOrder) {
  state.HandCount = 2;
  engine.SetHandTargetShifted(1, 0, {});
  const float plainTarget = state.Hands[0]->target_pose(0);
  engine.SetHandTarget(1, 0);
  EXPECT_EQ(state.Hands[0]->target_pose(0), plainTarget);

  engine.SetHandTargetShifted(1, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  const CMano& right = *state.Hands[0];
  const CMano& left = *state.Hands[1];
  EXPECT_EQ(right.target_pose(3), 1.0f);   // right wrist angle x
  EXPECT_EQ(right.target_pose(5), 3.0f);
  EXPECT_EQ(right.target_pose(0), 14.0f);  // right wrist position x: 10 + 4
  EXPECT_EQ(right.target_pose(2), 6.0f);
  EXPECT_EQ(left.target_pose(3), 7.0f);
  EXPECT_EQ(left.target_pose(0), 0.0f);    // left wrist position x: -10 + 10
  EXPECT_EQ(left.target_pose(2), 12.0f);
  EXPECT_EQ(right.target_Arthro(1, 0, 1), 90.0f);  // fingers are never shifted
  EXPECT_EQ(state.SignTable[1].Frames[0].RightWristPos[0], 10.0f);  // the table is unchanged
}

TEST_F(PlaybackEngineTest, LongMovementsAreClampedTo1000Steps) {
  engine.SetHandPose(0, 0);
  engine.SetHandTarget(1, 0);
  engine.Redraw(2000);
  EXPECT_EQ(area.pictures.size(), 1001u);
  EXPECT_EQ(state.Hands[0]->pose(0), 10.0f);
  EXPECT_EQ(state.FrameCounter, 1001);
}

TEST_F(PlaybackEngineTest, RecordingSavesEveryStepUnderItsNumberAndTheCounterRunsPast16Bits) {
  engine.SetHandPose(0, 0);
  engine.SetHandTarget(1, 0);
  state.RecordMode = true;
  state.RecordFolder = "/rec/";
  engine.Redraw(3);
  ASSERT_EQ(area.saved.size(), 4u);
  EXPECT_EQ(area.saved[0], "/rec/000.bmp");
  EXPECT_EQ(area.saved[3], "/rec/003.bmp");

  // Recording off: nothing is saved but the counter still counts.
  state.RecordMode = false;
  state.FrameCounter = 32767;
  engine.SetHandTarget(1, 1);
  engine.Redraw(2);
  EXPECT_EQ(area.saved.size(), 4u);
  EXPECT_EQ(state.FrameCounter, 32770);

  // A save that fails is counted, and the word plays on.
  state.RecordMode = true;
  area.failSaves = true;
  engine.Redraw(1);
  EXPECT_EQ(engine.FailedSaves(), 2);
  EXPECT_EQ(area.saved.back(), "/rec/32771.bmp");
}
