#include "shell/learner_model.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPriorRight = 1.0;
constexpr double kPriorWrong = 1.0;
// What any word is worth practising, and how much a confused sign adds to a word.
constexpr double kEveryWord = 0.1;
constexpr double kConfusionShare = 0.5;

// The share of its weight evidence keeps from `then` to `now`.
double Kept(LearnerTime then, LearnerTime now) {
  if (now <= then) return 1.0;
  const double halfLives = std::chrono::duration<double>(now - then) / LearnerModel::kHalfLife;
  return std::exp2(-halfLives);
}

void Decay(LetterRecord& record, LearnerTime now) {
  const double kept = Kept(record.LastSeen, now);
  record.RightWeight *= kept;
  record.WrongWeight *= kept;
  for (LetterConfusion& confusion : record.TakenFor) confusion.Weight *= kept;
  record.LastSeen = std::max(record.LastSeen, now);
}

// Right and wrong readings with the prior, decayed to `now`.
double Readings(const LetterRecord& record, LearnerTime now) {
  return kPriorRight + kPriorWrong + (record.RightWeight + record.WrongWeight) * Kept(record.LastSeen, now);
}

}  // namespace

const LetterRecord* LearnerModel::Find(SignStep sign) const {
  const auto found =
      std::find_if(records_.begin(), records_.end(), [&](const LetterRecord& r) { return r.Sign == sign; });
  return found == records_.end() ? nullptr : &*found;
}

LetterRecord& LearnerModel::Record(const SpelledSign& sign, LearnerTime now) {
  auto found =
      std::find_if(records_.begin(), records_.end(), [&](const LetterRecord& r) { return r.Sign == sign.Sign; });
  if (found == records_.end()) {
    records_.push_back({sign.Sign, sign.Label, 0, 0, {}, 0.0, 0.0, now});
    return records_.back();
  }
  Decay(*found, now);
  // Records read back from the progress file come without labels.
  if (found->Label.isEmpty()) found->Label = sign.Label;
  return *found;
}

void LearnerModel::Learn(const LetterAlignment& alignment, LearnerTime now) {
  for (const LetterReading& letter : alignment.Letters) {
    LetterRecord& record = Record(letter.Spelled, now);
    ++record.Tries;
    if (letter.Outcome == LetterOutcome::Right) {
      ++record.Right;
      record.RightWeight += 1.0;
      continue;
    }
    record.WrongWeight += 1.0;
    // Another word typed tells what was not read, not what it was taken for.
    if (!letter.ReadAs || alignment.ReadsAsAnotherWord()) continue;
    auto taken = std::find_if(record.TakenFor.begin(), record.TakenFor.end(),
                              [&](const LetterConfusion& c) { return c.Sign == letter.ReadAs->Sign; });
    if (taken == record.TakenFor.end()) {
      record.TakenFor.push_back({letter.ReadAs->Sign, letter.ReadAs->Label, 0, 0.0});
      taken = record.TakenFor.end() - 1;
    }
    ++taken->Times;
    taken->Weight += 1.0;
  }
}

double LearnerModel::Knowledge(SignStep sign, LearnerTime now) const {
  const LetterRecord* record = Find(sign);
  if (!record) return kPriorRight / (kPriorRight + kPriorWrong);
  return (kPriorRight + record->RightWeight * Kept(record->LastSeen, now)) / Readings(*record, now);
}

double LearnerModel::Confusion(SignStep sign, LearnerTime now) const {
  double most = 0.0;
  for (const LetterRecord& record : records_) {
    for (const LetterConfusion& confusion : record.TakenFor) {
      if (!(record.Sign == sign) && !(confusion.Sign == sign)) continue;
      most = std::max(most, confusion.Weight * Kept(record.LastSeen, now) / Readings(record, now));
    }
  }
  return most;
}

double LearnerModel::PracticeWeight(std::span<const SignStep> signs, LearnerTime now) const {
  double weakest = 0.0;
  double confused = 0.0;
  for (const SignStep sign : signs) {
    weakest = std::max(weakest, 1.0 - Knowledge(sign, now));
    confused = std::max(confused, Confusion(sign, now));
  }
  return kEveryWord + weakest + kConfusionShare * confused;
}

void SignWeights::Set(SignStep sign, Weight weight) {
  if (sign.Modifier == 0 && sign.Code >= 0 && sign.Code < kSlots) {
    plain_[static_cast<size_t>(sign.Code)] = weight;
    return;
  }
  for (auto& [marked, known] : marked_)
    if (marked == sign) {
      known = weight;
      return;
    }
  marked_.emplace_back(sign, weight);
}

SignWeights::Weight SignWeights::Of(SignStep sign) const {
  if (sign.Modifier == 0 && sign.Code >= 0 && sign.Code < kSlots)
    return plain_[static_cast<size_t>(sign.Code)].value_or(unknown_);
  for (const auto& [marked, known] : marked_)
    if (marked == sign) return known;
  return unknown_;
}

SignWeights LearnerModel::WeightsAt(LearnerTime now) const {
  SignWeights weights({1.0 - kPriorRight / (kPriorRight + kPriorWrong), 0.0});
  // Every sign the model knows, and every sign one of them was taken for.
  for (const LetterRecord& record : records_) {
    weights.Set(record.Sign, {1.0 - Knowledge(record.Sign, now), Confusion(record.Sign, now)});
    for (const LetterConfusion& confusion : record.TakenFor)
      weights.Set(confusion.Sign, {1.0 - Knowledge(confusion.Sign, now), Confusion(confusion.Sign, now)});
  }
  return weights;
}

double LearnerModel::PracticeWeight(std::span<const SignStep> signs, const SignWeights& weights) {
  double weakest = 0.0;
  double confused = 0.0;
  for (const SignStep sign : signs) {
    const SignWeights::Weight weight = weights.Of(sign);
    weakest = std::max(weakest, weight.weakness);
    confused = std::max(confused, weight.confusion);
  }
  return kEveryWord + weakest + kConfusionShare * confused;
}
