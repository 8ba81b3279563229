#pragma once

#include "convert/system_id.h"
#include "shell/practice_history.h"
#include "shell/progress_store.h"

#include <QDateTime>
#include <QString>

#include <map>
#include <optional>
#include <vector>

// How well one sign is read: its share of right readings, 0..1.
struct SignAccuracy {
  int Sign = 0;
  QString Label;
  int Tries = 0;
  int Right = 0;

  double Share() const { return Tries > 0 ? static_cast<double>(Right) / Tries : 0.0; }
  friend bool operator==(const SignAccuracy&, const SignAccuracy&) = default;
};

// A sign read as another, and how often: "E read as S, 7 times".
struct ConfusedPair {
  QString Sign;
  QString ReadAs;
  int Times = 0;

  friend bool operator==(const ConfusedPair&, const ConfusedPair&) = default;
};

// A session's average speed, and the reading speed it measured (the fastest pace in
// letters a second read at least 80 % right), for the reading speed over time.
struct SpeedPoint {
  QDateTime When;
  int Speed = 0;
  std::optional<double> LettersPerSecond;

  friend bool operator==(const SpeedPoint&, const SpeedPoint&) = default;
};

// What the progress window shows of one system.
struct ProgressSummary {
  static constexpr size_t kConfusedPairsShown = 5;

  std::vector<SignAccuracy> Signs;     // the weakest first; signs never shown are left out
  std::vector<ConfusedPair> Confused;  // the most frequent first, at most kConfusedPairsShown
  std::vector<SpeedPoint> Speeds;      // oldest first
  size_t WaitingForReview = 0;

  bool IsEmpty() const { return Signs.empty() && Speeds.empty() && WaitingForReview == 0; }
  friend bool operator==(const ProgressSummary&, const ProgressSummary&) = default;
};

// The summary of `system` from what the store keeps of it. A sign is named by `labels`,
// or by "#" and its code where it has no label. Ties keep a fixed order: among signs
// as weak, the more often tried first, then by label; among pairs as frequent, by label.
// `readingSpeeds` follows `sessions` one for one, where it is given.
ProgressSummary SummarizeProgress(SystemId system, const std::vector<SignProgressRecord>& signs,
                                  const std::vector<PracticeSessionRecord>& sessions, size_t waitingForReview,
                                  const std::map<int, QString>& labels,
                                  const std::vector<std::optional<double>>& readingSpeeds = {});

// The summary of `system` read from the progress file at `path`, which is only read;
// an empty summary when there is no file or it cannot be read.
ProgressSummary ReadProgressSummary(const QString& path, SystemId system);
