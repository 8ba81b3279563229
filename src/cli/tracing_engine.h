#pragma once

#include "render/playback_engine.h"

#include <ostream>
#include <string>

// A playback engine that writes one line for every call a converter makes, then does
// what the call asks:
//   SetHandPose <sign> <frame>
//   SetHandTarget <sign> <frame>
//   SetHandTargetShifted <sign> <frame> <o1> ... <o12>
//   Redraw <N>            (N as asked for, before any clamping)
// Numbers are written in their shortest decimal form.
class TracingEngine : public PlaybackEngine {
 public:
  TracingEngine(AppState& state, DrawingArea& area, std::ostream& out);

  bool SetHandPose(int sign, int frame) override;
  bool SetHandTarget(int sign, int frame) override;
  bool SetHandTargetShifted(int sign, int frame, const WristOffsets& offsets) override;
  void Redraw(int steps) override;

 private:
  std::ostream& out_;
};

// The shortest decimal text that reads back as the same float ("-20", "0.1", "1e+20");
// 0 for both zeros.
std::string ShortestDecimal(float value);
