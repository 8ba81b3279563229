#include "convert/alphabet_system.h"

#include "convert/alphabet_signs.h"
#include "convert/playback_steps.h"
#include "playback/contact_clearance.h"
#include "signdata/apart_key_frame.h"
#include "signdata/sign_table.h"

namespace {

constexpr float kSlideStep = -20.0f;
constexpr float kBounceAngle = 10.0f;
// A two-hand shape whose hand hangs this low is the still, supporting hand: it
// neither slides nor bounces.
constexpr float kSupportingHandHeight = -80.0f;

void AppendBounce(MoveScript& script, const SignTable& table, int code, float slideRight,
                  float slideLeft, int16_t delay) {
  const KeyFrame& frame = table.Frame(code, 0);
  const bool twoHands = table.HandCount == 2;
  // A hand turned about its own axis bounces about x, any other about y.
  WristOffsets bent{};
  bent[frame.RightWristAngle[2] == 0.0f ? kRightWristAngleY : kRightWristAngleX] = kBounceAngle;
  bent[frame.LeftWristAngle[2] == 0.0f ? kLeftWristAngleY : kLeftWristAngleX] = kBounceAngle;
  if (twoHands && frame.RightWristPos[2] < kSupportingHandHeight)
    bent[kRightWristAngleX] = bent[kRightWristAngleY] = 0.0f;
  if (twoHands && frame.LeftWristPos[2] < kSupportingHandHeight)
    bent[kLeftWristAngleX] = bent[kLeftWristAngleY] = 0.0f;
  bent[kRightWristPosY] = slideRight;
  bent[kLeftWristPosY] = slideLeft;

  WristOffsets straight{};
  straight[kRightWristPosY] = slideRight;
  straight[kLeftWristPosY] = slideLeft;

  script.push_back(Move::TargetShifted(code, 0, bent));
  script.push_back(Move::Redraw(FifthOfDelay(delay)));
  script.push_back(Move::TargetShifted(code, 0, straight));
  script.push_back(Move::Redraw(FifthOfDelay(delay)));
}

}  // namespace

ConversionResult AlphabetSystem::Convert(const QString& text, int16_t) const {
  return Conversion{AlphabetSigns(text, aslT_), {}};
}

MoveScript AlphabetSystem::Choreograph(const SignTable& table, const SignSequence& steps,
                                       int16_t delay) const {
  MoveScript script{Move::Pose(0, 0)};
  // The second of a doubled letter slides sideways, key frame by key frame, and a
  // third equal letter continues from where the second ended.
  float slideRight = 0.0f;
  float slideLeft = 0.0f;
  const bool twoHands = table.HandCount == 2;
  for (const SignStep step : steps) {
    const int code = step.Code;
    const int frames = table.KeyFrameCount(code);
    for (int k = 0; k < frames; ++k) {
      const KeyFrame& frame = table.Frame(code, k);
      if (step.Modifier == kDoubledSecond) {
        if (twoHands && frame.LeftWristPos[2] < kSupportingHandHeight) {
          slideRight += kSlideStep;
        } else if (twoHands && frame.RightWristPos[2] < kSupportingHandHeight) {
          slideLeft += kSlideStep;
        } else {
          slideRight += kSlideStep;
          slideLeft += kSlideStep;
        }
      } else {
        slideRight = slideLeft = 0.0f;
      }
      WristOffsets offsets{};
      offsets[kRightWristPosY] = slideRight;
      offsets[kLeftWristPosY] = slideLeft;
      script.push_back(Move::TargetShifted(code, k, offsets));
      script.push_back(Move::Redraw(KeyFrameSteps(delay, frame.Rate)));
    }
    if ((step.Modifier == kDoubledFirst || step.Modifier == kDoubledSecond) && frames == 1)
      AppendBounce(script, table, code, slideRight, slideLeft, delay);
  }
  return script;
}

bool AlphabetSystem::PassesOver(const SignTable& table, int sign, int frame) const {
  return table.HandCount == 2 && IsApartKeyFrame(table, sign, frame);
}

std::vector<Move> AlphabetSystem::Waypoints(const SignTable& table, const Move& from, const Move& to) const {
  if (table.HandCount != 2) return {};
  const auto target = [](const Move& move) { return KeyFrameTarget{move.sign, move.frame, move.offsets}; };
  const KeyFrameTarget start = target(from);
  const KeyFrameTarget end = target(to);
  const std::optional<ContactClearance> clearance = FindContactClearance(table, start, end);
  // A way no lift clears keeps to the letters' frames apart, as the described motion does.
  std::vector<KeyFrameTarget> way;
  if (!clearance) {
    for (const KeyFrameTarget& apart : {KeyFrameTarget{from.sign, table.KeyFrameCount(from.sign) - 1, from.offsets},
                                        KeyFrameTarget{to.sign, 0, to.offsets}})
      if (IsApartKeyFrame(table, apart.sign, apart.frame)) way.push_back(apart);
  } else if (clearance->Needed()) {
    way = ClearedWay(start, end, *clearance);
    way.erase(way.begin());
    way.pop_back();
  }
  std::vector<Move> moves;
  for (const KeyFrameTarget& via : way) moves.push_back(Move::TargetShifted(via.sign, via.frame, via.offsets));
  return moves;
}
