#include "cli/tracing_engine.h"

#include <charconv>

TracingEngine::TracingEngine(AppState& state, DrawingArea& area, std::ostream& out)
    : PlaybackEngine(state, area), out_(out) {}

bool TracingEngine::SetHandPose(int sign, int frame) {
  out_ << "SetHandPose " << sign << ' ' << frame << '\n';
  return PlaybackEngine::SetHandPose(sign, frame);
}

bool TracingEngine::SetHandTarget(int sign, int frame) {
  out_ << "SetHandTarget " << sign << ' ' << frame << '\n';
  return PlaybackEngine::SetHandTarget(sign, frame);
}

bool TracingEngine::SetHandTargetShifted(int sign, int frame, const WristOffsets& offsets) {
  out_ << "SetHandTargetShifted " << sign << ' ' << frame;
  for (const float offset : offsets) out_ << ' ' << ShortestDecimal(offset);
  out_ << '\n';
  return PlaybackEngine::SetHandTargetShifted(sign, frame, offsets);
}

void TracingEngine::Redraw(int steps) {
  out_ << "Redraw " << steps << '\n';
  PlaybackEngine::Redraw(steps);
}

std::string ShortestDecimal(float value) {
  if (value == 0.0f) return "0";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}
