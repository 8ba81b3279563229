#include "signdata/transition_lint.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace {

// Both hands straight, thumbs out of the way, the right wrist at `rightY` and the
// left at y = 100.
KeyFrame HandsAt(float rightY) {
  KeyFrame k;
  k.Rate = 1.0f;
  k.RightFinger[0] = -50.0f;
  k.LeftFinger[0] = -50.0f;
  k.RightWristPos[1] = rightY;
  k.LeftWristPos[1] = 100.0f;
  return k;
}

void Put(SignTableSlots& table, int slot, const char* name, std::vector<KeyFrame> frames) {
  table[slot].Name = FixedLengthName(QString::fromLatin1(name));
  table[slot].FrameCount = static_cast<int16_t>(frames.size());
  table[slot].Frames = std::move(frames);
}

}  // namespace

TEST(TransitionLint, ReportsEachPairWhoseMoveCarriesOneHandThroughTheOther) {
  auto table = std::make_unique<SignTableSlots>();
  Put(*table, 0, "Rest", {HandsAt(-100.0f)});
  // Ends on the far side of the left hand: from or to Rest the right hand sweeps
  // through it, although every key frame is clean.
  Put(*table, 1, "Far", {HandsAt(-60.0f), HandsAt(220.0f)});
  Put(*table, 2, "Near", {HandsAt(-40.0f)});
  // Beyond the sign count.
  Put(*table, 3, "Out", {HandsAt(100.0f)});

  const std::vector<TransitionProblem> moves = LintTransitions(*table, 3, 2);
  std::vector<std::pair<int, int>> pairs;
  for (const TransitionProblem& move : moves) {
    pairs.emplace_back(move.fromSlot, move.toSlot);
    EXPECT_TRUE(move.HandsPassThrough());
    EXPECT_FALSE(move.OwnPartsCross());
  }
  // Into Far the move starts from its first key frame (-60), which is clean; out of
  // Far it starts from its last (220) and crosses the left hand.
  EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{1, 0}, {1, 2}}));
  ASSERT_FALSE(moves.empty());
  const QString line = moves.front().Describe();
  EXPECT_TRUE(line.startsWith("move from slot 1 \"Far\" to slot 0 \"Rest\": between the hands at ")) << line.toStdString();
  EXPECT_TRUE(line.contains("overlap by ")) << line.toStdString();

  // One hand: nothing to pass through.
  EXPECT_TRUE(LintTransitions(*table, 3, 1).empty());
}
