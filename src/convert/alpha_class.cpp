#include "convert/alpha_class.h"

#include "app/app_state.h"
#include "convert/playback_steps.h"
#include "convert/sign_sequence.h"
#include "render/playback_engine.h"

#include <vector>

namespace {

constexpr int16_t kDoubledFirst = 16;
constexpr int16_t kDoubledSecond = 128;
constexpr int16_t kAslT = 27;
constexpr float kSlideStep = -20.0f;
constexpr float kBounceAngle = 10.0f;
// A two-hand shape whose hand hangs this low is the still, supporting hand: it
// neither slides nor bounces.
constexpr float kSupportingHandHeight = -80.0f;

QString AsciiUpper(const QString& text) {
  QString upper = text;
  for (QChar& c : upper)
    if (c >= u'a' && c <= u'z') c = QChar(c.unicode() - 32);
  return upper;
}

}  // namespace

AlphaClass::AlphaClass(PlaybackEngine& engine) : engine_(engine) {}

bool AlphaClass::Text(const QString& text) {
  text_ = text;
  AlphabetCodeGenerate();
  return result_;
}

void AlphaClass::AlphabetCodeGenerate() {
  AppState& state = engine_.State();
  text_ = AsciiUpper(text_);

  std::vector<SignStep> steps;
  for (QChar c : text_) {
    if (c < u'A' || c > u'Z') continue;
    int16_t code = static_cast<int16_t>(c.unicode() - 64);
    if (code == 20 && state.SystemIndex == 2) code = kAslT;
    steps.push_back({code, 0});
  }
  // Downwards, so a run of three or more ends with 16 on the first and 128 on the rest.
  for (size_t j = steps.size(); j-- > 1;) {
    if (steps[j - 1].Code == steps[j].Code) {
      steps[j - 1].Modifier = kDoubledFirst;
      steps[j].Modifier = kDoubledSecond;
    }
  }
  StoreSignSequence(state, steps);
  result_ = true;
}

void AlphaClass::StartRoutine(int16_t delay) {
  AppState& state = engine_.State();
  delay_ = delay;
  engine_.SetHandPose(0, 0);

  // The second of a doubled letter slides sideways, key frame by key frame, and a
  // third equal letter continues from where the second ended.
  float slideRight = 0.0f;
  float slideLeft = 0.0f;
  const bool twoHands = state.HandCount == 2;
  for (const SignStep step : CurrentSignSequence(state)) {
    const int code = step.Code;
    const int frames = KeyFrameCount(state, code);
    for (int k = 0; k < frames; ++k) {
      const KeyFrame& frame = KeyFrameOf(state, code, k);
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
      engine_.SetHandTargetShifted(code, k, offsets);
      engine_.Redraw(KeyFrameSteps(delay_, frame.Rate));
    }
    if ((step.Modifier == kDoubledFirst || step.Modifier == kDoubledSecond) && frames == 1)
      PlayBounce(code, slideRight, slideLeft);
  }
}

void AlphaClass::PlayBounce(int code, float slideRight, float slideLeft) {
  const AppState& state = engine_.State();
  const KeyFrame& frame = KeyFrameOf(state, code, 0);
  // A hand turned about its own axis bounces about x, any other about y.
  WristOffsets bent{};
  bent[frame.RightWristAngle[2] == 0.0f ? kRightWristAngleY : kRightWristAngleX] = kBounceAngle;
  bent[frame.LeftWristAngle[2] == 0.0f ? kLeftWristAngleY : kLeftWristAngleX] = kBounceAngle;
  if (state.HandCount == 2 && frame.RightWristPos[2] < kSupportingHandHeight)
    bent[kRightWristAngleX] = bent[kRightWristAngleY] = 0.0f;
  if (state.HandCount == 2 && frame.LeftWristPos[2] < kSupportingHandHeight)
    bent[kLeftWristAngleX] = bent[kLeftWristAngleY] = 0.0f;
  bent[kRightWristPosY] = slideRight;
  bent[kLeftWristPosY] = slideLeft;

  WristOffsets straight{};
  straight[kRightWristPosY] = slideRight;
  straight[kLeftWristPosY] = slideLeft;

  engine_.SetHandTargetShifted(code, 0, bent);
  engine_.Redraw(FifthOfDelay(delay_));
  engine_.SetHandTargetShifted(code, 0, straight);
  engine_.Redraw(FifthOfDelay(delay_));
}
