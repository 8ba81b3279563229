#include "shell/progress_summary.h"

#include "shell/sign_labels.h"

#include <algorithm>
#include <tuple>

namespace {

QString LabelOf(int sign, const std::map<int, QString>& labels) {
  const auto found = labels.find(sign);
  return found != labels.end() ? found->second : QStringLiteral("#") + QString::number(sign);
}

}  // namespace

ProgressSummary SummarizeProgress(SystemId system, const std::vector<SignProgressRecord>& signs,
                                  const std::vector<PracticeSessionRecord>& sessions, size_t waitingForReview,
                                  const std::map<int, QString>& labels,
                                  const std::vector<std::optional<double>>& readingSpeeds) {
  ProgressSummary summary;
  summary.WaitingForReview = waitingForReview;
  std::map<std::pair<int, int>, int> misreadings;
  for (const SignProgressRecord& sign : signs) {
    if (sign.System != system) continue;
    if (sign.Tries > 0) summary.Signs.push_back({sign.Sign, LabelOf(sign.Sign, labels), sign.Tries, sign.Right});
    for (const int readAs : sign.TakenFor) ++misreadings[{sign.Sign, readAs}];
  }
  // Compared as Right / Tries without dividing, so equal shares are equal exactly.
  std::sort(summary.Signs.begin(), summary.Signs.end(), [](const SignAccuracy& a, const SignAccuracy& b) {
    const long long left = static_cast<long long>(a.Right) * b.Tries;
    const long long right = static_cast<long long>(b.Right) * a.Tries;
    if (left != right) return left < right;
    return std::tie(b.Tries, a.Label) < std::tie(a.Tries, b.Label);
  });

  for (const auto& [pair, times] : misreadings)
    summary.Confused.push_back({LabelOf(pair.first, labels), LabelOf(pair.second, labels), times});
  std::sort(summary.Confused.begin(), summary.Confused.end(), [](const ConfusedPair& a, const ConfusedPair& b) {
    return std::tie(b.Times, a.Sign, a.ReadAs) < std::tie(a.Times, b.Sign, b.ReadAs);
  });
  if (summary.Confused.size() > ProgressSummary::kConfusedPairsShown)
    summary.Confused.resize(ProgressSummary::kConfusedPairsShown);

  for (size_t i = 0; i < sessions.size(); ++i)
    if (sessions[i].System == system)
      summary.Speeds.push_back({sessions[i].When, sessions[i].AverageSpeed,
                                i < readingSpeeds.size() ? readingSpeeds[i] : std::nullopt});
  return summary;
}

ProgressSummary ReadProgressSummary(const QString& path, SystemId system) {
  const std::unique_ptr<ProgressStore> store = ProgressStore::OpenToRead(path);
  if (!store) return {};
  return SummarizeProgress(system, store->Signs(system), store->Sessions(), store->Reviews(system).size(),
                           SignLabelsOf(system), store->SessionReadingSpeeds());
}
