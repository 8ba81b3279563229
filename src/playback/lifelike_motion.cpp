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

// Appends a letter's lifelike moves; `previous` is the last target before it. Returns
// the letter's own last target.
std::optional<Move> AppendLetter(MoveScript& out, std::vector<Segment> segments, const LifelikeChoices& choices,
                                 std::optional<Move> previous) {
  int total = 0;
  for (const Segment& segment : segments) total += segment.pictures;

  // The time of a frame passed over goes to the next kept one, or the last kept one.
  std::vector<Segment> kept;
  int carried = 0;
  for (Segment& segment : segments) {
    const bool pass = segment.hasTarget && choices.passOver && choices.passOver(segment.target.sign, segment.target.frame);
    if (pass) {
      for (const Move& move : segment.leading) {
        out.push_back(move);
        if (move.kind == Move::Kind::SetPose) previous = Move::Target(move.sign, move.frame);
      }
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
  bool enteredLetter = false;
  for (size_t i = 0; i < kept.size(); ++i) {
    const Segment& segment = kept[i];
    for (const Move& move : segment.leading) {
      out.push_back(move);
      // The pose a word starts from (the rest pose) is where the way into it starts.
      if (move.kind == Move::Kind::SetPose) previous = Move::Target(move.sign, move.frame);
    }
    // Only the way into the letter: the moves within one are as the letter was made.
    std::vector<Move> vias;
    if (segment.hasTarget && previous && choices.waypoints && !enteredLetter)
      vias = choices.waypoints(*previous, segment.target);
    if (segment.hasTarget) {
      previous = segment.target;
      enteredLetter = true;
    }
    if (segment.pictures <= 0) {
      if (segment.hasTarget) out.push_back(segment.target);
      continue;
    }
    // Shares in proportion to the time each move had, the last taking what is left.
    int share = static_cast<int>(std::lround(static_cast<double>(picturesLeft) * segment.pictures /
                                             std::max(1, weightLeft)));
    const bool last = std::none_of(kept.begin() + static_cast<long>(i) + 1, kept.end(),
                                   [](const Segment& s) { return s.pictures > 0; });
    if (last) share = picturesLeft;
    share = std::max(share, 1);
    weightLeft -= segment.pictures;
    picturesLeft -= share;
    // The way through the waypoints takes the move's time in equal parts, each a
    // movement of its own of at least two pictures.
    const int parts = std::min<int>(static_cast<int>(vias.size()) + 1, std::max(1, share / 2));
    vias.resize(static_cast<size_t>(parts - 1));
    for (int part = 0; part < parts; ++part) {
      out.push_back(part + 1 < parts ? vias[static_cast<size_t>(part)] : segment.target);
      const int pictures = share / parts + (part + 1 == parts ? share % parts : 0);
      out.push_back(pictures == 1 ? Move::Redraw(0) : Move::EasedRedraw(pictures - 1));
    }
  }
  if (held > 0) out.push_back(Move::Hold(held - 1));
  return previous;
}

}  // namespace

LetteredScript LifelikeMotion(const MoveScript& described, const std::vector<int>& letterStarts,
                              const LifelikeChoices& choices) {
  LetteredScript lifelike;
  const int size = static_cast<int>(described.size());
  const int first = letterStarts.empty() ? size : std::clamp(letterStarts.front(), 0, size);
  lifelike.script.assign(described.begin(), described.begin() + first);
  std::optional<Move> previous;
  for (const Move& move : lifelike.script)
    if (move.kind == Move::Kind::SetPose) previous = Move::Target(move.sign, move.frame);
  for (size_t letter = 0; letter < letterStarts.size(); ++letter) {
    const int begin = std::clamp(letterStarts[letter], 0, size);
    const int end = letter + 1 < letterStarts.size() ? std::clamp(letterStarts[letter + 1], begin, size) : size;
    lifelike.letterStarts.push_back(static_cast<int>(lifelike.script.size()));
    previous = AppendLetter(lifelike.script, SegmentsOf(described, begin, end), choices, previous);
  }
  return lifelike;
}
