#include "signdata/transition_lint.h"

#include "hand/hand.h"
#include "hand/hand_volumes.h"
#include "signdata/key_frame_pose.h"

#include <QStringList>

#include <algorithm>
#include <memory>

namespace {

int FrameCountOf(const SignRecord& record) {
  return std::min<int>(record.FrameCount, static_cast<int>(record.Frames.size()));
}

void KeepDeepest(std::optional<TransitionOverlap>& kept, const std::vector<Interpenetration>& found,
                 int quarter) {
  if (found.empty()) return;
  // FindInterpenetrations lists the deepest first.
  if (!kept || found.front().depth > kept->what.depth) kept = TransitionOverlap{found.front(), quarter};
}

QString DescribeOverlap(const QString& where, const TransitionOverlap& overlap, const QString& firstPrefix,
                        const QString& secondPrefix) {
  return QStringLiteral("%1 at %2/4: %3%4 and %5%6 overlap by %7")
      .arg(where)
      .arg(overlap.quarter)
      .arg(firstPrefix, PartName(overlap.what.first), secondPrefix, PartName(overlap.what.second),
           QString::number(static_cast<double>(overlap.what.depth), 'f', 1));
}

}  // namespace

QString TransitionProblem::Describe() const {
  QStringList parts;
  if (betweenHands)
    parts << DescribeOverlap(QStringLiteral("between the hands"), *betweenHands, QStringLiteral("right "),
                             QStringLiteral("left "));
  if (rightHand) parts << DescribeOverlap(QStringLiteral("right hand"), *rightHand, {}, {});
  if (leftHand) parts << DescribeOverlap(QStringLiteral("left hand"), *leftHand, {}, {});
  return QStringLiteral("move from slot %1 \"%2\" to slot %3 \"%4\": %5")
      .arg(fromSlot)
      .arg(fromName.trimmed())
      .arg(toSlot)
      .arg(toName.trimmed(), parts.join(QStringLiteral("; ")));
}

std::vector<TransitionProblem> LintTransitions(const SignTableSlots& table, int signCount,
                                               int handCount, float tolerance) {
  std::vector<TransitionProblem> problems;
  const int slotCount = std::clamp(signCount, 0, kSignSlots);
  const int hands = std::clamp(handCount, 1, 2);
  auto right = std::make_unique<Hand>();
  auto left = std::make_unique<Hand>();
  for (int from = 0; from < slotCount; ++from) {
    const int fromFrames = FrameCountOf(table[from]);
    if (fromFrames == 0) continue;
    const KeyFrame& last = table[from].Frames[fromFrames - 1];
    for (int to = 0; to < slotCount; ++to) {
      if (to == from || FrameCountOf(table[to]) == 0) continue;
      const KeyFrame& first = table[to].Frames[0];
      TransitionProblem problem{from, table[from].Name, to, table[to].Name, {}, {}, {}};
      for (int quarter = 1; quarter <= 3; ++quarter) {
        const float t = static_cast<float>(quarter) / 4.0f;
        PoseHandBetween(*right, last, first, 0, t);
        const HandVolumes rightVolumes = MakeHandVolumes(*right);
        KeepDeepest(problem.rightHand, FindInterpenetrations(rightVolumes, tolerance), quarter);
        if (hands < 2) continue;
        PoseHandBetween(*left, last, first, 1, t);
        const HandVolumes leftVolumes = MakeHandVolumes(*left);
        KeepDeepest(problem.leftHand, FindInterpenetrations(leftVolumes, tolerance), quarter);
        KeepDeepest(problem.betweenHands, FindInterpenetrations(rightVolumes, leftVolumes, tolerance), quarter);
      }
      if (problem.HandsPassThrough() || problem.OwnPartsCross()) problems.push_back(problem);
    }
  }
  return problems;
}
