#include "convert/num_class.h"

#include "app/app_state.h"
#include "app/message_sink.h"
#include "convert/numeral_signs.h"
#include "convert/playback_steps.h"
#include "convert/sign_sequence.h"
#include "render/playback_engine.h"

#include <array>
#include <utility>

namespace {

// The thousands movement: RightWristPos(1) and (2) offsets from key frame 0, in order.
// The hand ends 50 below the shape; the next sign starts from there.
constexpr std::array<std::pair<float, float>, 5> kThousandsMoves = {{
    {0.0f, 50.0f}, {50.0f, 0.0f}, {-50.0f, 0.0f}, {0.0f, 50.0f}, {0.0f, -50.0f},
}};

}  // namespace

NumClass::NumClass(PlaybackEngine& engine, MessageSink& messages)
    : engine_(engine), messages_(messages) {}

bool NumClass::Text(const QString& text) {
  text_ = text;
  NumCodeGenerate();
  return result_;
}

void NumClass::NumCodeGenerate() {
  AppState& state = engine_.State();
  const auto signs = NumeralSigns(text_, state.NumeralBase);
  if (const auto* error = std::get_if<NumeralError>(&signs)) {
    result_ = false;
    messages_.ShowMessage(*error == NumeralError::NotADigit
                              ? QStringLiteral("Invalid number")
                              : QStringLiteral("The number is too big"));
    return;
  }
  StoreSignSequence(state, std::get<std::vector<SignStep>>(signs));
  result_ = true;
}

void NumClass::StartRoutine(int16_t delay) {
  AppState& state = engine_.State();
  delay_ = delay;
  engine_.SetHandPose(0, 0);
  for (const SignStep step : CurrentSignSequence(state)) {
    const int frames = KeyFrameCount(state, step.Code);
    for (int k = 0; k < frames; ++k) {
      engine_.SetHandTarget(step.Code, k);
      engine_.Redraw(KeyFrameSteps(delay_, KeyFrameOf(state, step.Code, k).Rate));
    }
    if (step.Modifier != kThousandsMove) continue;
    for (const auto& [across, up] : kThousandsMoves) {
      WristOffsets offsets{};
      offsets[kRightWristPosY] = across;
      offsets[kRightWristPosZ] = up;
      engine_.SetHandTargetShifted(step.Code, 0, offsets);
      engine_.Redraw(FifthOfDelay(delay_));
    }
  }
}
