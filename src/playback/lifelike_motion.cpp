#include "playback/lifelike_motion.h"

#include "playback/script_timeline.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

bool IsTarget(const Move& move) {
  return move.kind == Move::Kind::SetTarget || move.kind == Move::Kind::SetTargetShifted;
}

// One target of a letter with the pictures of the redraws after it, and any moves that
// set a pose rather than a target, which stay where they are.
struct Segment {
  std::vector<Move> leading;  // moves before the target that are not redraws
  Move target;
  bool hasTarget = false;
  int pictures = 0;
};

std::vector<Segment> SegmentsOf(const MoveScript& script, int begin, int end) {
  std::vector<Segment> segments;
  Segment current;
  for (int i = begin; i < end; ++i) {
    const Move& move = script[static_cast<size_t>(i)];
    if (IsTarget(move)) {
      if (current.hasTarget) segments.push_back(std::exchange(current, {}));
      current.target = move;
      current.hasTarget = true;
    } else if (move.kind == Move::Kind::Redraw) {
      current.pictures += PicturesOfRedraw(move.steps);
    } else {
      if (current.hasTarget) segments.push_back(std::exchange(current, {}));
      current.leading.push_back(move);
    }
  }
  if (current.hasTarget || !current.leading.empty() || current.pictures > 0) segments.push_back(current);
  return segments;
}

void AppendLetter(MoveScript& out, std::vector<Segment> segments, const LifelikeChoices& choices) {
  int total = 0;
  for (const Segment& segment : segments) total += segment.pictures;

  // The time of a frame passed over goes to the next kept one, or the last kept one.
  std::vector<Segment> kept;
  int carried = 0;
  for (Segment& segment : segments) {
    const bool pass = segment.hasTarget && choices.passOver && choices.passOver(segment.target.sign, segment.target.frame);
    if (pass) {
      for (const Move& move : segment.leading) out.push_back(move);
      carried += segment.pictures;
      continue;
    }
    segment.pictures += carried;
    carried = 0;
    kept.push_back(std::move(segment));
  }
  if (kept.empty()) {
    // Nothing left to visit: the letter is played as it was written.
    kept = std::move(segments);
    carried = 0;
  }
  kept.back().pictures += carried;

  // Each movement needs two pictures (its start and its end), and a hold two more.
  const int moving = static_cast<int>(std::count_if(kept.begin(), kept.end(), [](const Segment& s) { return s.pictures > 0; }));
  int held = static_cast<int>(std::lround(choices.holdShare * total));
  held = std::clamp(held, 0, std::max(0, total - 2 * moving));
  if (held < 2) held = 0;
  const int movingPictures = total - held;

  int weightLeft = total - held > 0 ? total : 0;
  int picturesLeft = movingPictures;
  for (size_t i = 0; i < kept.size(); ++i) {
    const Segment& segment = kept[i];
    for (const Move& move : segment.leading) out.push_back(move);
    if (segment.hasTarget) out.push_back(segment.target);
    if (segment.pictures <= 0) continue;
    // Shares in proportion to the time each move had, the last taking what is left.
    int share = static_cast<int>(std::lround(static_cast<double>(picturesLeft) * segment.pictures /
                                             std::max(1, weightLeft)));
    const bool last = std::none_of(kept.begin() + static_cast<long>(i) + 1, kept.end(),
                                   [](const Segment& s) { return s.pictures > 0; });
    if (last) share = picturesLeft;
    share = std::max(share, 1);
    weightLeft -= segment.pictures;
    picturesLeft -= share;
    out.push_back(share == 1 ? Move::Redraw(0) : Move::EasedRedraw(share - 1));
  }
  if (held > 0) out.push_back(Move::Hold(held - 1));
}

}  // namespace

LetteredScript LifelikeMotion(const MoveScript& described, const std::vector<int>& letterStarts,
                              const LifelikeChoices& choices) {
  LetteredScript lifelike;
  const int size = static_cast<int>(described.size());
  const int first = letterStarts.empty() ? size : std::clamp(letterStarts.front(), 0, size);
  lifelike.script.assign(described.begin(), described.begin() + first);
  for (size_t letter = 0; letter < letterStarts.size(); ++letter) {
    const int begin = std::clamp(letterStarts[letter], 0, size);
    const int end = letter + 1 < letterStarts.size() ? std::clamp(letterStarts[letter + 1], begin, size) : size;
    lifelike.letterStarts.push_back(static_cast<int>(lifelike.script.size()));
    AppendLetter(lifelike.script, SegmentsOf(described, begin, end), choices);
  }
  return lifelike;
}
