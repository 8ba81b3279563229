#pragma once

#include "convert/sign_step.h"
#include "convert/system_id.h"
#include "shell/letter_alignment.h"

#include <QString>

#include <array>
#include <chrono>
#include <optional>
#include <span>
#include <vector>

using LearnerTime = std::chrono::sys_seconds;

// A sign a learner typed in place of another, and how often.
struct LetterConfusion {
  SignStep Sign;
  QString Label;
  int Times = 0;
  double Weight = 0.0;  // Times, decayed to the record's LastSeen

  friend bool operator==(const LetterConfusion&, const LetterConfusion&) = default;
};

// What the model knows of one sign of the system. A plain value, kept as it is.
struct LetterRecord {
  SignStep Sign;
  QString Label;
  int Tries = 0;
  int Right = 0;
  std::vector<LetterConfusion> TakenFor;
  // The right and wrong readings as evidence, decayed to LastSeen: what was read long
  // ago says less of what the learner knows now.
  double RightWeight = 0.0;
  double WrongWeight = 0.0;
  LearnerTime LastSeen{};

  friend bool operator==(const LetterRecord&, const LetterRecord&) = default;
};

// How weak and how confused each sign is at one moment, worked out once so that the
// weights of a long list of words are quick to find.
class SignWeights {
 public:
  struct Weight {
    double weakness = 0.5;  // 1 − how well the sign is known
    double confusion = 0.0;
  };

  explicit SignWeights(Weight unknown) : unknown_(unknown) {}
  void Set(SignStep sign, Weight weight);
  Weight Of(SignStep sign) const;

 private:
  // Most signs carry no mark of their own, and their codes are table slots: those are
  // looked up by code, the few others searched.
  static constexpr int kSlots = 257;
  std::array<std::optional<Weight>, kSlots> plain_{};
  std::vector<std::pair<SignStep, Weight>> marked_;
  Weight unknown_;
};

// How well a learner reads each sign of one system, learned from the typed answers.
// How well a sign is known is the mean of a Beta(1, 1) prior updated with its right
// and wrong readings, each weighing half as much every kHalfLife: an unread sign is
// known 0.5, one always read right nears 1, and what is not practised drifts back
// towards 0.5. The time is always given; the model reads no clock.
class LearnerModel {
 public:
  static constexpr std::chrono::seconds kHalfLife = std::chrono::days(30);

  explicit LearnerModel(SystemId system, std::vector<LetterRecord> records = {})
      : system_(system), records_(std::move(records)) {}

  SystemId System() const { return system_; }
  const std::vector<LetterRecord>& Records() const { return records_; }
  bool IsEmpty() const { return records_.empty(); }

  // Counts one answer read sign by sign at `now`: each sign spelled was read right,
  // taken for another (unless the answer is another word) or missed.
  void Learn(const LetterAlignment& alignment, LearnerTime now);

  // 0 (never read right) to 1 (always); 0.5 for a sign not read yet.
  double Knowledge(SignStep sign, LearnerTime now) const;
  // How much the sign is confused with another, either way round: the larger share
  // of the readings of the sign, or of the sign it is mistaken for, that mixed the two.
  double Confusion(SignStep sign, LearnerTime now) const;

  // How much a word of `signs` is worth practising: a little for any word, so words of
  // known letters still come, and more the weaker its weakest sign and the more one
  // of its signs is confused.
  double PracticeWeight(std::span<const SignStep> signs, LearnerTime now) const;
  // The same from the weights of every sign at one moment (WeightsAt).
  static double PracticeWeight(std::span<const SignStep> signs, const SignWeights& weights);
  SignWeights WeightsAt(LearnerTime now) const;

 private:
  const LetterRecord* Find(SignStep sign) const;
  LetterRecord& Record(const SpelledSign& sign, LearnerTime now);

  SystemId system_;
  std::vector<LetterRecord> records_;
};
