#pragma once

#include "cli/tracing_player.h"
#include "convert/sign_class.h"
#include "playback/move_script.h"
#include "playback/playback_engine.h"
#include "signdata/sign_table.h"
#include "support/fake_drawing_area.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// A sign front end playing on an in-memory table through a tracing player, so tests
// see both the moves a system makes and where the hands went.
class ConverterBench : public ::testing::Test {
 protected:
  ConverterBench() { UseHands(1); }

  void UseHands(int hands) { table.SetHands(hands); }

  // A key frame at the given rate with the right wrist at `z` (and the left at `leftZ`).
  static KeyFrame Frame(float rate = 1.0f, float z = 0.0f, float leftZ = 0.0f) {
    KeyFrame k;
    k.Rate = rate;
    k.RightWristPos[2] = z;
    k.LeftWristPos[2] = leftZ;
    k.RightFinger[10] = 10.0f * rate;
    return k;
  }

  void Put(int slot, std::vector<KeyFrame> frames) {
    table.Signs[slot].FrameCount = static_cast<int16_t>(frames.size());
    table.Signs[slot].Frames = std::move(frames);
    if (slot >= table.SignCount) table.SignCount = static_cast<int16_t>(slot + 1);
  }

  // One-frame shapes of rate 1 in slots first..last, and the rest pose in slot 0.
  void PutPlainShapes(int first, int last) {
    Put(0, {Frame()});
    for (int slot = first; slot <= last; ++slot) Put(slot, {Frame()});
  }

  const SignSequence& Sequence() const { return signs.Sequence(); }

  // The moves traced since the last look.
  std::vector<std::string> Calls() {
    std::vector<std::string> lines;
    std::istringstream in(trace.str());
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    trace.str({});
    return lines;
  }

  SignTable table;
  FakeDrawingArea area;
  std::ostringstream trace;
  PlaybackEngine engine{table, area};
  TracingPlayer player{engine, trace};
  SignClass signs{table, player};
};

inline std::vector<SignStep> Steps(std::initializer_list<std::pair<int, int>> codes) {
  std::vector<SignStep> steps;
  for (const auto& [code, modifier] : codes)
    steps.push_back({static_cast<int16_t>(code), static_cast<int16_t>(modifier)});
  return steps;
}

// The trace line of SetHandTargetShifted with the given offsets, the rest 0.
inline std::string Shifted(int sign, int frame,
                           std::initializer_list<std::pair<WristOffsetSlot, float>> offsets = {}) {
  WristOffsets all{};
  for (const auto& [slot, value] : offsets) all[slot] = value;
  return MoveText(Move::TargetShifted(sign, frame, all));
}

inline std::string RedrawLine(int steps) { return "Redraw " + std::to_string(steps); }

// gtest prints SignSteps readably in failures.
inline void PrintTo(const SignStep& step, std::ostream* out) {
  *out << "[" << step.Code << "," << step.Modifier << "]";
}
