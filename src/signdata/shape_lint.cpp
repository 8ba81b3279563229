#include "signdata/shape_lint.h"

#include "app/message_text.h"
#include "hand/cmano.h"

#include <algorithm>
#include <memory>

namespace {

// One hand's values of a key frame, or the average of two key frames.
void PoseHand(CMano& hand, const KeyFrame& a, const KeyFrame& b, int h) {
  const auto& fingersA = h == 0 ? a.RightFinger : a.LeftFinger;
  const auto& fingersB = h == 0 ? b.RightFinger : b.LeftFinger;
  const auto& angleA = h == 0 ? a.RightWristAngle : a.LeftWristAngle;
  const auto& angleB = h == 0 ? b.RightWristAngle : b.LeftWristAngle;
  const auto& posA = h == 0 ? a.RightWristPos : a.LeftWristPos;
  const auto& posB = h == 0 ? b.RightWristPos : b.LeftWristPos;
  for (int i = 0; i < 3; ++i) {
    hand.SetPose(i, (posA[i] + posB[i]) / 2.0f);
    hand.SetPose(3 + i, (angleA[i] + angleB[i]) / 2.0f);
  }
  for (int f = 0; f < CMano::kUsedFingers; ++f)
    for (int s = 0; s < CMano::kUsedSegments; ++s)
      for (int c = 0; c < CMano::kUsedComponents; ++c) {
        const int i = 9 * f + 3 * s + c;
        hand.SetArthro(f, s, c, (fingersA[i] + fingersB[i]) / 2.0f);
      }
}

}  // namespace

QString ShapeProblem::Describe() const {
  const QString where = midway ? QStringLiteral("halfway from key frame %1 to %2 of %3")
                                     .arg(frame + 1)
                                     .arg(frame + 2)
                                     .arg(frameCount)
                               : QStringLiteral("key frame %1 of %2").arg(frame + 1).arg(frameCount);
  const QString depth = ShortenedForMessage(QString::number(static_cast<double>(what.depth), 'f', 1));
  if (betweenHands)
    return QStringLiteral("slot %1 \"%2\" %3, between the hands: right %4 and left %5 overlap by %6")
        .arg(slot)
        .arg(name.trimmed(), where, PartName(what.first), PartName(what.second), depth);
  return QStringLiteral("slot %1 \"%2\" %3, %4 hand: %5 and %6 overlap by %7")
      .arg(slot)
      .arg(name.trimmed(), where, hand == 0 ? QStringLiteral("right") : QStringLiteral("left"),
           PartName(what.first), PartName(what.second), depth);
}

std::vector<ShapeProblem> LintShapes(const SignTableSlots& table, int signCount, int handCount,
                                     float tolerance) {
  std::vector<ShapeProblem> problems;
  auto hand = std::make_unique<CMano>();
  auto other = std::make_unique<CMano>();
  for (int slot = 0; slot < std::min(signCount, kSignSlots); ++slot) {
    const SignRecord& record = table[slot];
    const int count = std::min<int>(record.FrameCount, static_cast<int>(record.Frames.size()));
    for (int frame = 0; frame < count; ++frame) {
      for (const bool midway : {false, true}) {
        if (midway && frame + 1 >= count) continue;
        const KeyFrame& a = record.Frames[frame];
        const KeyFrame& b = midway ? record.Frames[frame + 1] : a;
        for (int h = 0; h < std::clamp(handCount, 0, 2); ++h) {
          PoseHand(*hand, a, b, h);
          for (const Interpenetration& what : FindInterpenetrations(MakeHandVolumes(*hand), tolerance))
            problems.push_back({slot, record.Name, frame, count, midway, h, false, what});
        }
        if (handCount == 2) {
          PoseHand(*hand, a, b, 0);
          PoseHand(*other, a, b, 1);
          for (const Interpenetration& what :
               FindInterpenetrations(MakeHandVolumes(*hand), MakeHandVolumes(*other), tolerance))
            problems.push_back({slot, record.Name, frame, count, midway, 0, true, what});
        }
      }
    }
  }
  return problems;
}
