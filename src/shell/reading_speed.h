#pragma once

#include <QString>

#include <optional>
#include <span>

// Reading speed in letters a second: how fast a learner reads words spelled to them,
// the goal a practice works towards and how many sessions it still looks away.

// The pace of fluent signers, the default goal.
inline constexpr double kTargetLettersPerSecond = 4.0;

// The pace of a word of `signs` signs drawn in `pictures` pictures at 60 a second; 0
// for a word with none.
double LettersPerSecond(int signs, int pictures);

// One answered word: the pace it was spelled at and whether it was read right.
struct PacedAnswer {
  double LettersPerSecond = 0.0;
  bool Right = false;
};

// The fastest pace the learner reads: the fastest pace p at which, of the last
// kWordsWeighed answers (`answers` oldest first), those spelled at p or faster were at
// least kRightShare right. None before any such pace.
inline constexpr int kWordsWeighed = 20;
inline constexpr double kRightShare = 0.8;
std::optional<double> CurrentReadingSpeed(std::span<const PacedAnswer> answers);

// The sessions still needed to reach `target`, from the reading speeds of the sessions
// (oldest first) and the gain per session of the least-squares line through them:
// 0 once the last session reached it; none with fewer than three sessions, no gain, or
// a gain so slow that the number would say nothing.
inline constexpr int kFewestSessionsForecast = 3;
inline constexpr int kLongestForecast = 999;
std::optional<int> SessionsToTarget(std::span<const double> sessionSpeeds, double target);

// The phrases of the reading speed line, in the interface language.
struct ReadingSpeedPhrases {
  QString WordPace = QStringLiteral("this word %1 letters/s at %2 %");
  QString Reading = QStringLiteral("you read %1 letters/s, the target is %2");
  QString ReadingNotKnown = QStringLiteral("your reading speed is not known yet, the target is %1");
  QString SessionsLeft = QStringLiteral("about %1 sessions to the target");
  QString TargetReached = QStringLiteral("target reached");
  QString SessionsNotKnown = QStringLiteral("sessions to the target not known yet");
  QString Between = QStringLiteral("; ");
};

// What the line says: the last word's pace and speed in percent (when a word was
// spelled), the reading speed against the target, and the sessions to go.
struct ReadingSpeedFacts {
  std::optional<double> WordPace;
  int WordSpeed = 0;  // percent
  std::optional<double> Reading;
  double Target = kTargetLettersPerSecond;
  std::optional<int> SessionsLeft;
};
QString ReadingSpeedLine(const ReadingSpeedFacts& facts, const ReadingSpeedPhrases& phrases);
