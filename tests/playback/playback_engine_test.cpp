#include "playback/playback_engine.h"

#include "playback/frame_number_text.h"
#include "playback/frame_recorder.h"
#include "support/fake_drawing_area.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

class PlaybackEngineTest : public ::testing::Test {
 protected:
  SignTable state = MarkedTable({{MarkedFrame(0, 0)}, {MarkedFrame(10, 90), MarkedFrame(20, 45)}});
  FakeDrawingArea area;
  PlaybackEngine engine{state, area};
};

}  // namespace

TEST_F(PlaybackEngineTest, AnAnimationDrawsNPlusOnePicturesEndingAtTheTarget) {
  ASSERT_TRUE(engine.SetHandPose(0, 0));
  ASSERT_TRUE(engine.SetHandTarget(1, 0));
  engine.Redraw(4);
  ASSERT_EQ(area.pictures.size(), 5u);
  EXPECT_EQ(area.pictures[0].right[0], 0.0f);
  EXPECT_EQ(area.pictures[2].right[0], 5.0f);
  EXPECT_EQ(area.pictures[4].right[0], 10.0f);
  EXPECT_EQ(area.pictures[4].indexBase[0], 90.0f);
  // The next movement starts where this one ended.
  engine.SetHandTarget(1, 1);
  engine.Redraw(1);
  ASSERT_EQ(area.pictures.size(), 7u);
  EXPECT_EQ(area.pictures[5].right[0], 10.0f);
  EXPECT_EQ(area.pictures[6].right[0], 20.0f);
  EXPECT_EQ(engine.FrameCounter(), 7);
}

TEST_F(PlaybackEngineTest, ZeroStepsDrawsTheOldPoseOnceAndNegativeDrawsNothing) {
  engine.SetHandPose(0, 0);
  engine.SetHandTarget(1, 0);
  engine.Redraw(0);
  ASSERT_EQ(area.pictures.size(), 1u);
  EXPECT_EQ(area.pictures[0].right[0], 0.0f);
  EXPECT_EQ(engine.HandAt(0).pose(0), 0.0f);
  EXPECT_EQ(engine.FrameCounter(), 0);
  engine.Redraw(-3);
  EXPECT_EQ(area.pictures.size(), 1u);
  EXPECT_EQ(engine.HandAt(0).pose(0), 0.0f);
  // Holding: N steps towards the pose the hand already has draws it N + 1 times.
  engine.SetHandTarget(0, 0);
  engine.Redraw(3);
  EXPECT_EQ(area.pictures.size(), 5u);
  EXPECT_EQ(area.pictures.back().right[0], 0.0f);
}

TEST_F(PlaybackEngineTest, OneHandSystemsMoveOnlyTheFirstHandFromTheRightHandFields) {
  engine.HandAt(1).SetPose(0, 77.0f);
  engine.SetHandPose(0, 0);
  engine.SetHandTarget(1, 0);
  engine.Redraw(2);
  EXPECT_EQ(engine.HandAt(0).pose(0), 10.0f);
  EXPECT_EQ(engine.HandAt(1).pose(0), 77.0f);

  state.HandCount = 2;
  state.ColumnCount = kTwoHandColumns;
  engine.SetHandTarget(1, 1);
  engine.Redraw(2);
  EXPECT_EQ(engine.HandAt(0).pose(0), 20.0f);
  EXPECT_EQ(engine.HandAt(1).pose(0), -20.0f);
  EXPECT_EQ(engine.HandAt(1).Arthro(1, 0, 1), -45.0f);
}

TEST_F(PlaybackEngineTest, MissingKeyFramesLeaveTheHandsAloneAndAreReported) {
  engine.SetHandPose(1, 1);
  EXPECT_FALSE(engine.SetHandPose(2, 0));      // a slot without key frames
  EXPECT_FALSE(engine.SetHandTarget(1, 2));    // past the last key frame
  EXPECT_FALSE(engine.SetHandTarget(1, -1));
  EXPECT_FALSE(engine.SetHandPose(257, 0));    // outside the table
  EXPECT_FALSE(engine.SetHandTargetShifted(-1, 0, {}));
  EXPECT_EQ(engine.HandAt(0).pose(0), 20.0f);
  EXPECT_EQ(engine.HandAt(0).target_pose(0), 0.0f);
}

TEST_F(PlaybackEngineTest, ShiftedTargetsAddTheTwelveOffsetsInOrder) {
  state.HandCount = 2;
  engine.SetHandTargetShifted(1, 0, {});
  const float plainTarget = engine.HandAt(0).target_pose(0);
  engine.SetHandTarget(1, 0);
  EXPECT_EQ(engine.HandAt(0).target_pose(0), plainTarget);

  engine.SetHandTargetShifted(1, 0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  const Hand& right = engine.HandAt(0);
  const Hand& left = engine.HandAt(1);
  EXPECT_EQ(right.target_pose(3), 1.0f);   // right wrist angle x
  EXPECT_EQ(right.target_pose(5), 3.0f);
  EXPECT_EQ(right.target_pose(0), 14.0f);  // right wrist position x: 10 + 4
  EXPECT_EQ(right.target_pose(2), 6.0f);
  EXPECT_EQ(left.target_pose(3), 7.0f);
  EXPECT_EQ(left.target_pose(0), 0.0f);    // left wrist position x: -10 + 10
  EXPECT_EQ(left.target_pose(2), 12.0f);
  EXPECT_EQ(right.target_Arthro(1, 0, 1), 90.0f);  // fingers are never shifted
  EXPECT_EQ(state.Signs[1].Frames[0].RightWristPos[0], 10.0f);  // the table is unchanged
}

// Movements clamped to 1000 steps: SignClassTest (speed 1) and the golden traces.
TEST_F(PlaybackEngineTest, RecordingSavesEveryStepUnderItsNumberAndTheCounterRunsPast16Bits) {
  engine.SetHandPose(0, 0);
  engine.SetHandTarget(1, 0);
  FrameRecorder recorder(engine);
  recorder.Start("/rec/");
  engine.Redraw(3);
  ASSERT_EQ(area.saved.size(), 4u);
  EXPECT_EQ(area.saved[0], "/rec/000.bmp");
  EXPECT_EQ(area.saved[3], "/rec/003.bmp");

  // Recording off: nothing is saved but the counter still counts.
  recorder.Stop();
  engine.SetFrameCounter(32767);
  engine.SetHandTarget(1, 1);
  engine.Redraw(2);
  EXPECT_EQ(area.saved.size(), 4u);
  EXPECT_EQ(engine.FrameCounter(), 32770);

  // A save that fails stops the recording and is reported once; the word plays on.
  QStringList failures;
  recorder.SetFailureHandler([&failures](const QString& file) { failures << file; });
  recorder.Start("/rec/");
  area.failSaves = true;
  engine.Redraw(1);
  EXPECT_EQ(recorder.FailedSaves(), 1);
  EXPECT_EQ(failures, QStringList{"/rec/32770.bmp"});
  EXPECT_FALSE(recorder.IsRecording());
  EXPECT_EQ(engine.FrameCounter(), 32772);

  // On with no folder chosen yet, nothing is saved.
  FakeDrawingArea other;
  PlaybackEngine fresh(state, other);
  FrameRecorder unplaced(fresh);
  unplaced.Start(QString());
  fresh.Redraw(2);
  EXPECT_TRUE(other.saved.empty());
}

TEST(FrameNumberText, HasAtLeastThreeDigits) {
  const std::pair<int32_t, const char*> cases[] = {
      {0, "000"}, {9, "009"}, {10, "010"}, {99, "099"}, {100, "100"}, {1234, "1234"}};
  for (const auto& [n, text] : cases) EXPECT_EQ(FrameNumberText(n), QString::fromLatin1(text)) << n;
}

TEST_F(PlaybackEngineTest, TheHandsShownFollowTheTableLayout) {
  engine.Redraw(0);
  state.SetHands(2);
  engine.Redraw(0);
  state.HandCount = 0;
  engine.Redraw(0);
  ASSERT_EQ(area.pictures.size(), 3u);
  EXPECT_EQ(area.pictures[0].handsShown, 1);
  EXPECT_EQ(area.pictures[1].handsShown, 2);
  EXPECT_EQ(area.pictures[2].handsShown, 0);
}
