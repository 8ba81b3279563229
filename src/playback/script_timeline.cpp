#include "playback/script_timeline.h"

#include "playback/playback_engine.h"

#include <algorithm>

int PicturesOfRedraw(int steps) {
  if (steps < 0) return 0;
  if (steps == 0) return 1;
  return std::min(steps, PlaybackEngine::kMaxSteps) + 1;
}

ScriptTimeline::ScriptTimeline(const MoveScript& script) {
  for (size_t i = 0; i < script.size(); ++i) {
    if (script[i].kind != Move::Kind::Redraw) continue;
    const int pictures = PicturesOfRedraw(script[i].steps);
    if (pictures == 0) continue;
    redraws_.push_back({static_cast<int>(i), pictureCount_, pictures});
    pictureCount_ += pictures;
  }
}

int ScriptTimeline::RedrawMoveOf(int picture) const {
  if (picture < 0 || picture >= pictureCount_) return -1;
  const auto after = std::upper_bound(
      redraws_.begin(), redraws_.end(), picture,
      [](int value, const RedrawSpan& span) { return value < span.firstPicture; });
  return std::prev(after)->move;
}

int ScriptTimeline::FirstPictureAfterMove(int move) const {
  for (const RedrawSpan& span : redraws_)
    if (span.move > move) return span.firstPicture;
  return pictureCount_;
}

MoveScript SlowedScript(const MoveScript& script, int percent) {
  if (percent >= 100 || percent < 1) return script;
  MoveScript slowed = script;
  for (Move& move : slowed) {
    if (move.kind != Move::Kind::Redraw || move.steps <= 0) continue;
    const long long steps = static_cast<long long>(move.steps) * 100 / percent;
    move.steps = static_cast<int>(std::min<long long>(steps, PlaybackEngine::kMaxSteps));
  }
  return slowed;
}
