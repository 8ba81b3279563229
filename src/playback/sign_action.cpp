#include "playback/sign_action.h"

#include "base/number_format.h"
#include "playback/playback_engine.h"
#include "signdata/sign_table.h"

#include <algorithm>
#include <cmath>

SpeedReading ReadActionSpeed(const QString& speedText) {
  if (speedText.isEmpty()) return {std::nullopt, kSpeedEmptyMessage};
  if (!StartsWithNumber(speedText)) return {std::nullopt, kSpeedNotNumberMessage};
  const auto speed = static_cast<float>(LenientNumber(speedText));
  if (!(speed >= 1.0f)) return {std::nullopt, kSpeedInvalidMessage};
  return {speed, {}};
}

SignAction PlanSignAction(const SignTable& table, int sign, const QString& speedText) {
  const SpeedReading reading = ReadActionSpeed(speedText);
  if (!reading.speed) return {{}, reading.message};
  const double delay = RoundHalfEven(4000.0 / static_cast<double>(*reading.speed));

  SignAction action;
  action.script.push_back(Move::Pose(0, 0));
  for (int frame = 0; frame < table.KeyFrameCount(sign); ++frame) {
    const float product = static_cast<float>(delay) * table.Frame(sign, frame).Rate;
    const double steps = RoundHalfEven(static_cast<double>(product));
    action.script.push_back(Move::Target(sign, frame));
    if (!(steps <= PlaybackEngine::kMaxSteps)) {
      action.message = kStepLimitMessage;
      break;
    }
    // A negative rate draws nothing, as any redraw of fewer than 0 steps.
    action.script.push_back(Move::Redraw(static_cast<int>(std::max(steps, -1.0))));
  }
  return action;
}
