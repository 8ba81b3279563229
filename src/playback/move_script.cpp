#include "playback/move_script.h"

#include <charconv>

std::string MoveText(const Move& move) {
  const std::string place = std::to_string(move.sign) + ' ' + std::to_string(move.frame);
  switch (move.kind) {
    case Move::Kind::SetPose: return "SetHandPose " + place;
    case Move::Kind::SetTarget: return "SetHandTarget " + place;
    case Move::Kind::SetTargetShifted: {
      std::string line = "SetHandTargetShifted " + place;
      for (const float offset : move.offsets) line += ' ' + ShortestDecimal(offset);
      return line;
    }
    case Move::Kind::Redraw: break;
  }
  const std::string steps = std::to_string(move.steps);
  switch (move.pace) {
    case Move::Pace::Eased: return "RedrawEased " + steps;
    case Move::Pace::Held: return "Hold " + steps;
    case Move::Pace::Even: break;
  }
  return "Redraw " + steps;
}

std::string ShortestDecimal(float value) {
  if (value == 0.0f) return "0";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}
