#include "cli/nothing_drawn_reason.h"

#include <algorithm>

std::optional<QString> NothingDrawnReason(const MoveScript& script) {
  const auto isRedraw = [](const Move& move) { return move.kind == Move::Kind::Redraw; };
  const bool draws = std::any_of(script.begin(), script.end(),
                                 [&isRedraw](const Move& move) { return isRedraw(move) && move.steps > 0; });
  if (draws) return std::nullopt;
  if (std::any_of(script.begin(), script.end(), isRedraw))
    return QStringLiteral("the speed leaves no step to draw");
  return QStringLiteral("nothing in the text can be spelled");
}
