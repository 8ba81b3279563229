#include "signdata/key_frame_lint.h"

#include "signdata/shape_lint.h"

#include <algorithm>
#include <memory>
#include <utility>

namespace {

QString Capitalised(QString text) {
  if (!text.isEmpty()) text[0] = text[0].toUpper();
  return text;
}

QString ProblemText(const ShapeProblem& problem, int handCount) {
  if (problem.betweenHands)
    return QStringLiteral("Right %1 passes through the left %2")
        .arg(PartName(problem.what.first), PartName(problem.what.second));
  // A finger passes through the palm, not the other way round.
  HandPart moving = problem.what.first;
  HandPart other = problem.what.second;
  if (moving.IsPalm()) std::swap(moving, other);
  if (handCount < 2)
    return QStringLiteral("%1 passes through the %2").arg(Capitalised(PartName(moving)), PartName(other));
  const QString side = problem.hand == 0 ? QStringLiteral("right") : QStringLiteral("left");
  return Capitalised(
      QStringLiteral("%1 %2 passes through the %1 %3").arg(side, PartName(moving), PartName(other)));
}

}  // namespace

QString KeyFrameProblemText(const KeyFrame& frame, int handCount) {
  // The lint works on a table; a one-sign table holds just this key frame.
  auto table = std::make_unique<SignTableSlots>();
  (*table)[0].FrameCount = 1;
  (*table)[0].Frames = {frame};
  const std::vector<ShapeProblem> problems = LintShapes(*table, 1, handCount);
  if (problems.empty()) return {};
  const auto deepest = std::max_element(problems.begin(), problems.end(),
                                        [](const ShapeProblem& a, const ShapeProblem& b) {
                                          return a.what.depth < b.what.depth;
                                        });
  QString text = ProblemText(*deepest, handCount);
  if (problems.size() > 1) text += QStringLiteral(" (and %1 more)").arg(problems.size() - 1);
  return text;
}
