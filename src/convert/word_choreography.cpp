#include "convert/word_choreography.h"

#include "convert/fingerspelling_system.h"

#include <algorithm>

namespace {

size_t CommonLength(const MoveScript& a, const MoveScript& b) {
  const auto [left, right] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return static_cast<size_t>(left - a.begin());
}

}  // namespace

LetteredScript ChoreographWord(const FingerspellingSystem& system, const SignTable& table,
                               const SignSequence& signs, int16_t delay, MotionStyle motion) {
  LetteredScript word{system.Choreograph(table, signs, delay), {}};
  // Where each sign's moves start: after the moves the beginning before it shares with
  // the whole word.
  size_t movesBefore = 0;
  for (size_t i = 0; i < signs.size(); ++i) {
    word.letterStarts.push_back(static_cast<int>(movesBefore));
    if (i + 1 == signs.size()) break;
    const SignSequence beginning(signs.begin(), signs.begin() + static_cast<long>(i) + 1);
    movesBefore = std::max(movesBefore, CommonLength(system.Choreograph(table, beginning, delay), word.script));
  }
  if (motion == MotionStyle::Described) return word;
  LifelikeChoices choices;
  choices.passOver = [&system, &table](int sign, int frame) { return system.PassesOver(table, sign, frame); };
  choices.waypoints = [&system, &table](const Move& from, const Move& to) { return system.Waypoints(table, from, to); };
  return LifelikeMotion(word.script, word.letterStarts, choices);
}
