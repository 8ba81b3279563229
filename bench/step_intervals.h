#pragma once

// The summary the step-clock probe prints for the intervals between the pictures it
// saw presented, in milliseconds.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

struct StepIntervalSummary {
  std::size_t count = 0;
  double median = 0;
  // Nearest rank: the interval that 99 in 100 intervals do not exceed.
  double p99 = 0;
  double largest = 0;
};

inline StepIntervalSummary SummarizeStepIntervals(std::vector<double> intervals) {
  StepIntervalSummary summary;
  summary.count = intervals.size();
  if (intervals.empty()) return summary;
  std::sort(intervals.begin(), intervals.end());
  const std::size_t n = intervals.size();
  summary.median = n % 2 == 1 ? intervals[n / 2] : (intervals[n / 2 - 1] + intervals[n / 2]) / 2;
  const auto rank = static_cast<std::size_t>(std::ceil(0.99 * static_cast<double>(n)));
  summary.p99 = intervals[std::max<std::size_t>(rank, 1) - 1];
  summary.largest = intervals.back();
  return summary;
}
