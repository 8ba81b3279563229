#include "playback/timed_player.h"

#include "playback/playback_engine.h"
#include "playback/script_player.h"
#include "playback/script_timeline.h"
#include "support/fake_drawing_area.h"
#include "support/manual_step_source.h"

#include <gtest/gtest.h>

namespace {

// Rest, sign 1 in two key frames, sign 2, with a still picture between: 1 + 5 + 4 + 1 + 7
// pictures.
const MoveScript kWord{Move::Pose(0, 0),   Move::Redraw(0),     Move::Target(1, 0),
                       Move::Redraw(4),    Move::Target(1, 1),  Move::Redraw(3),
                       Move::Redraw(0),    Move::Target(2, 0),  Move::Redraw(6)};

class TimedPlayerTest : public ::testing::Test {
 protected:
  TimedPlayerTest() { ImmediatePlayer(reference).Play(kWord); }

  SignTable table =
      MarkedTable({{MarkedFrame(0, 0)}, {MarkedFrame(10, 90), MarkedFrame(20, 45)}, {MarkedFrame(-30, 10)}});
  FakeDrawingArea area;
  PlaybackEngine engine{table, area};
  TimedPlayer player{engine};
  ManualStepSource& steps = UseManualSteps(player);
  // What the word looks like played at once.
  FakeDrawingArea played;
  PlaybackEngine reference{table, played};
};

}  // namespace

TEST(ScriptTimelineTest, CountsPicturesAndFindsTheirMoves) {
  const ScriptTimeline timeline(kWord);
  EXPECT_EQ(timeline.PictureCount(), 18);
  const std::vector<std::pair<int, int>> redrawOfPicture{
      {-1, -1}, {0, 1}, {1, 3}, {5, 3}, {6, 5}, {9, 5}, {10, 6}, {11, 8}, {17, 8}, {18, -1}};
  for (const auto& [picture, move] : redrawOfPicture)
    EXPECT_EQ(timeline.RedrawMoveOf(picture), move) << picture;
  EXPECT_EQ(timeline.FirstPictureAfterMove(2), 1);
  EXPECT_EQ(timeline.FirstPictureAfterMove(7), 11);
  EXPECT_EQ(timeline.FirstPictureAfterMove(8), 18);
  EXPECT_EQ(PicturesOfRedraw(-3), 0);
  EXPECT_EQ(PicturesOfRedraw(5000), 1001);
}

TEST(ScriptTimelineTest, SlowMotionStretchesEveryAnimationWithinTheTable) {
  const MoveScript script{Move::Redraw(0), Move::Redraw(40), Move::Redraw(700), Move::Redraw(-2)};
  const std::vector<std::pair<int, std::vector<int>>> cases{
      {100, {0, 40, 700, -2}}, {50, {0, 80, 1000, -2}}, {25, {0, 160, 1000, -2}}, {0, {0, 40, 700, -2}}};
  for (const auto& [percent, steps] : cases) {
    const MoveScript slowed = SlowedScript(script, percent);
    for (size_t i = 0; i < steps.size(); ++i) EXPECT_EQ(slowed[i].steps, steps[i]) << percent;
  }
}

TEST_F(TimedPlayerTest, ShowsThePicturesOfTheImmediatePlayerOnePerStepAndStopsAtOnce) {
  int shown = 0;
  int finished = 0;
  QObject::connect(&player, &TimedPlayer::pictureShown, [&shown] { ++shown; });
  QObject::connect(&player, &TimedPlayer::finished, [&finished] { ++finished; });
  player.Play(kWord);
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_TRUE(area.pictures.empty());  // the first picture comes with the first step
  // Eighteen pictures take eighteen steps, and the word ends with the last.
  EXPECT_EQ(steps.Advance(17), 17);
  EXPECT_EQ(finished, 0);
  EXPECT_EQ(steps.Advance(100), 1);
  ASSERT_EQ(finished, 1);
  EXPECT_FALSE(steps.IsRunning());
  ASSERT_EQ(area.pictures.size(), played.pictures.size());
  for (size_t i = 0; i < played.pictures.size(); ++i) {
    EXPECT_EQ(area.pictures[i].right[0], played.pictures[i].right[0]) << i;
    EXPECT_EQ(area.pictures[i].indexBase[0], played.pictures[i].indexBase[0]) << i;
  }
  EXPECT_EQ(shown, 18);
  EXPECT_EQ(engine.FrameCounter(), reference.FrameCounter());

  // Stopped: no further picture, and the end is still announced once.
  area.pictures.clear();
  QObject::connect(&player, &TimedPlayer::pictureShown, [this](int picture) {
    if (picture == 2) player.Stop();
  });
  player.Play(kWord);
  EXPECT_EQ(steps.Advance(100), 3);
  EXPECT_EQ(finished, 2);
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(area.pictures.size(), 3u);
}

TEST_F(TimedPlayerTest, AnyPictureShownIsExactlyThePictureOfThatStep) {
  ASSERT_EQ(played.pictures.size(), 18u);

  player.Play(kWord);
  player.Pause();
  // Backwards and forwards, so each picture is reached from a later and an earlier one.
  for (int picture : {17, 3, 0, 9, 5, 11, 16, 2, 10}) {
    area.pictures.clear();
    player.ShowPicture(picture);
    ASSERT_EQ(area.pictures.size(), 1u);
    EXPECT_EQ(area.pictures[0].right[0], played.pictures[picture].right[0]) << picture;
    EXPECT_EQ(area.pictures[0].indexBase[0], played.pictures[picture].indexBase[0]) << picture;
    EXPECT_EQ(player.CurrentPicture(), picture);
  }
  player.Stop();
}

TEST_F(TimedPlayerTest, PauseHoldsThePoseAndThePlaceUntilResumed) {
  player.Play(kWord);
  steps.Advance(4);
  player.Pause();
  ASSERT_TRUE(player.IsPaused());
  const size_t drawn = area.pictures.size();
  const int place = player.CurrentPicture();
  EXPECT_EQ(place, 3);
  EXPECT_EQ(steps.Advance(10), 0);
  EXPECT_EQ(area.pictures.size(), drawn);
  EXPECT_EQ(player.CurrentPicture(), place);
  EXPECT_TRUE(player.IsPlaying());

  player.Resume();
  EXPECT_EQ(steps.Advance(100), 18 - 4);
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(area.pictures.back().right[0], -30.0f);
}

TEST_F(TimedPlayerTest, PausedOnTheLastPictureTheWordEndsOnlyWhenResumedAndSlowMotionStretchesTheNext) {
  int finished = 0;
  QObject::connect(&player, &TimedPlayer::finished, [&finished] { ++finished; });
  player.Play(kWord);
  player.Pause();
  player.ShowPicture(100);
  EXPECT_EQ(player.CurrentPicture(), 17);
  EXPECT_TRUE(player.IsPlaying());
  EXPECT_EQ(finished, 0);
  player.Resume();
  EXPECT_FALSE(player.IsPlaying());
  EXPECT_EQ(finished, 1);
  EXPECT_EQ(player.LastScript(), kWord);

  // Slow motion plays the next word with more pictures; the script stays as written.
  player.SetSlowMotion(50);
  player.Play(kWord);
  EXPECT_EQ(player.PictureCount(), 1 + 9 + 7 + 1 + 13);
  EXPECT_EQ(player.LastScript(), kWord);
  player.Stop();
}

TEST_F(TimedPlayerTest, LateStepsShowThePictureDueAndTheWordEndsOnTime) {
  struct Case {
    std::vector<int> due;  // what the clock says at each step
    std::vector<int> shown;
  };
  // Passing over the rest of a movement, over a still picture into the next, past the
  // end (the last picture is shown and the word ends), and late from the first step.
  const std::vector<Case> cases{{{1, 5, 1, 3, 8}, {0, 5, 6, 9, 17}},
                                {{2, 4, 30}, {1, 5, 17}},
                                {{1, 10, 1, 1, 1, 1, 1, 1, 1}, {0, 10, 11, 12, 13, 14, 15, 16, 17}}};
  for (const Case& c : cases) {
    std::vector<int> reported;
    int finished = 0;
    const auto shownConnection = QObject::connect(
        &player, &TimedPlayer::pictureShown, [&reported](int picture) { reported.push_back(picture); });
    const auto finishedConnection =
        QObject::connect(&player, &TimedPlayer::finished, [&finished] { ++finished; });
    area.pictures.clear();
    player.Play(kWord);
    int taken = 0;
    for (const int due : c.due) {
      ASSERT_EQ(finished, 0) << "ended early, step " << taken;
      ASSERT_TRUE(steps.AdvanceLate(due));
      ++taken;
    }
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(steps.IsRunning());
    EXPECT_EQ(reported, c.shown);
    ASSERT_EQ(area.pictures.size(), c.shown.size());
    for (size_t i = 0; i < c.shown.size(); ++i) {
      const auto& expected = played.pictures[static_cast<size_t>(c.shown[i])];
      EXPECT_EQ(area.pictures[i].right[0], expected.right[0]) << c.shown[i];
      EXPECT_EQ(area.pictures[i].indexBase[0], expected.indexBase[0]) << c.shown[i];
    }
    QObject::disconnect(shownConnection);
    QObject::disconnect(finishedConnection);
  }

  // While every step is wanted (a recording), late steps draw every picture in turn.
  player.ShowEveryStepWhile([] { return true; });
  area.pictures.clear();
  player.Play(kWord);
  int taken = 0;
  while (player.IsPlaying() && steps.AdvanceLate(5)) ++taken;
  EXPECT_EQ(taken, 18);
  EXPECT_EQ(area.pictures.size(), played.pictures.size());
}
