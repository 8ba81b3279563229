#include "shell/reading_speed.h"

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

double LettersPerSecond(int signs, int pictures) {
  if (signs <= 0 || pictures <= 0) return 0.0;
  constexpr double kPicturesPerSecond = 60.0;
  return signs * kPicturesPerSecond / pictures;
}

std::optional<double> CurrentReadingSpeed(std::span<const PacedAnswer> answers) {
  const auto weighed = answers.last(std::min<size_t>(answers.size(), kWordsWeighed));
  std::vector<PacedAnswer> fastestFirst(weighed.begin(), weighed.end());
  std::sort(fastestFirst.begin(), fastestFirst.end(),
            [](const PacedAnswer& a, const PacedAnswer& b) { return a.LettersPerSecond > b.LettersPerSecond; });
  int right = 0;
  for (size_t i = 0; i < fastestFirst.size(); ++i) {
    if (fastestFirst[i].Right) ++right;
    // Words of the same pace count together.
    if (i + 1 < fastestFirst.size() && fastestFirst[i + 1].LettersPerSecond == fastestFirst[i].LettersPerSecond)
      continue;
    // A hair of slack, so that 4 of 5 counts as the 80 % it is.
    if (right >= kRightShare * static_cast<double>(i + 1) - 1e-9) return fastestFirst[i].LettersPerSecond;
  }
  return std::nullopt;
}

std::optional<int> SessionsToTarget(std::span<const double> sessionSpeeds, double target) {
  const auto count = static_cast<double>(sessionSpeeds.size());
  if (sessionSpeeds.size() < static_cast<size_t>(kFewestSessionsForecast)) return std::nullopt;
  if (sessionSpeeds.back() >= target) return 0;
  double meanX = (count - 1) / 2;
  double meanY = 0.0;
  for (const double speed : sessionSpeeds) meanY += speed / count;
  double covariance = 0.0;
  double variance = 0.0;
  for (size_t i = 0; i < sessionSpeeds.size(); ++i) {
    const double dx = static_cast<double>(i) - meanX;
    covariance += dx * (sessionSpeeds[i] - meanY);
    variance += dx * dx;
  }
  const double gain = covariance / variance;
  if (!(gain > 0.0)) return std::nullopt;
  const double sessions = std::ceil((target - sessionSpeeds.back()) / gain);
  if (!(sessions <= kLongestForecast)) return std::nullopt;
  return std::max(1, static_cast<int>(sessions));
}

QString ReadingSpeedLine(const ReadingSpeedFacts& facts, const ReadingSpeedPhrases& phrases) {
  const auto number = [](double value) { return QString::number(value, 'f', 1); };
  QStringList parts;
  if (facts.WordPace) parts << phrases.WordPace.arg(number(*facts.WordPace)).arg(facts.WordSpeed);
  parts << (facts.Reading ? phrases.Reading.arg(number(*facts.Reading), number(facts.Target))
                          : phrases.ReadingNotKnown.arg(number(facts.Target)));
  if (!facts.SessionsLeft)
    parts << phrases.SessionsNotKnown;
  else if (*facts.SessionsLeft == 0)
    parts << phrases.TargetReached;
  else
    parts << phrases.SessionsLeft.arg(*facts.SessionsLeft);
  QString line = parts.join(phrases.Between);
  if (!line.isEmpty()) line[0] = line[0].toUpper();
  return line;
}
