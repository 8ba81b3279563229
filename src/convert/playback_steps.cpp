#include "convert/playback_steps.h"

#include "base/number_format.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

int ClampToInt(double value) {
  if (std::isnan(value)) return 0;
  constexpr double low = std::numeric_limits<int>::min();
  constexpr double high = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(value, low, high));
}

}  // namespace

int16_t DelayForSpeed(int speed) {
  if (speed < 1) return 0;
  // 4000 / 1 is the largest value, so the result always fits.
  return RoundToInt16(4000.0 / speed).value_or(0);
}

int KeyFrameSteps(int16_t delay, float rate) {
  // Two floats multiply exactly in double precision.
  const double product = static_cast<double>(static_cast<float>(delay)) * static_cast<double>(rate);
  return ClampToInt(RoundHalfEven(product));
}

int FifthOfDelay(int16_t delay) { return ClampToInt(RoundHalfEven(delay / 5.0)); }
