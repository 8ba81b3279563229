#pragma once

#include "playback/move_script.h"

#include <functional>
#include <optional>
#include <vector>

// A word's moves, and the move each of its letters begins with.
struct LetteredScript {
  MoveScript script;
  std::vector<int> letterStarts;
};

struct LifelikeChoices {
  // The share of each letter's time the hands hold its last key frame still.
  double holdShare = 0.4;
  // Key frames the hands need not visit (a two-handed letter's frames apart before and
  // after its contact); their time goes to the letter's other moves.
  std::function<bool(int sign, int frame)> passOver;
  // Targets the hands pass through between one letter's last target and the next
  // letter's first, to keep clear of each other (a two-handed alphabet's lift off the
  // other hand); none where the straight way is clear.
  std::function<std::vector<Move>(const Move& from, const Move& to)> waypoints;
};

// The lifelike motion of a word whose described script is `described`: every letter
// keeps its number of pictures, so the speed means what it meant, but its moves are
// eased in and out and its last key frame is held for `holdShare` of them. Moves before
// the first letter (the rest pose) stay as they are.
LetteredScript LifelikeMotion(const MoveScript& described, const std::vector<int>& letterStarts,
                              const LifelikeChoices& choices);
