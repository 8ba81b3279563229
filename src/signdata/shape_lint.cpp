#include "signdata/shape_lint.h"

#include "base/message_text.h"
#include "hand/hand.h"
#include "signdata/key_frame_pose.h"

#include <algorithm>
#include <memory>

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
  auto hand = std::make_unique<Hand>();
  auto other = std::make_unique<Hand>();
  for (int slot = 0; slot < std::min(signCount, kSignSlots); ++slot) {
    const SignRecord& record = table[slot];
    const int count = std::min<int>(record.FrameCount, static_cast<int>(record.Frames.size()));
    for (int frame = 0; frame < count; ++frame) {
      for (const bool midway : {false, true}) {
        if (midway && frame + 1 >= count) continue;
        const KeyFrame& a = record.Frames[frame];
        const KeyFrame& b = midway ? record.Frames[frame + 1] : a;
        for (int h = 0; h < std::clamp(handCount, 0, 2); ++h) {
          PoseHandBetween(*hand, a, b, h, 0.5f);
          for (const Interpenetration& what : FindInterpenetrations(MakeHandVolumes(*hand), tolerance))
            problems.push_back({slot, record.Name, frame, count, midway, h, false, what});
        }
        if (handCount == 2) {
          PoseHandBetween(*hand, a, b, 0, 0.5f);
          PoseHandBetween(*other, a, b, 1, 0.5f);
          for (const Interpenetration& what :
               FindInterpenetrations(MakeHandVolumes(*hand), MakeHandVolumes(*other), tolerance))
            problems.push_back({slot, record.Name, frame, count, midway, 0, true, what});
        }
      }
    }
  }
  return problems;
}
