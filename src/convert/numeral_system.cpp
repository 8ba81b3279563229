#include "convert/numeral_system.h"

#include "convert/numeral_signs.h"
#include "convert/playback_steps.h"
#include "signdata/sign_table.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace {

// The thousands movement: RightWristPos(1) and (2) offsets from key frame 0, in order.
// The hand ends 50 below the shape; the next sign starts from there.
constexpr std::array<std::pair<float, float>, 5> kThousandsMoves = {{
    {0.0f, 50.0f}, {50.0f, 0.0f}, {-50.0f, 0.0f}, {0.0f, 50.0f}, {0.0f, -50.0f},
}};

}  // namespace

ConversionResult NumeralSystem::Convert(const QString& text, int16_t numeralBase) const {
  auto signs = NumeralSigns(text, numeralBase);
  if (const auto* error = std::get_if<NumeralError>(&signs)) {
    return ConversionError{*error == NumeralError::NotADigit
                               ? QCoreApplication::translate("Messages", "Invalid number")
                               : QCoreApplication::translate("Messages", "The number is too big")};
  }
  return Conversion{std::move(std::get<SignSequence>(signs)), {}};
}

MoveScript NumeralSystem::Choreograph(const SignTable& table, const SignSequence& steps,
                                      int16_t delay) const {
  MoveScript script{Move::Pose(0, 0)};
  for (const SignStep step : steps) {
    const int frames = table.KeyFrameCount(step.Code);
    for (int k = 0; k < frames; ++k) {
      script.push_back(Move::Target(step.Code, k));
      script.push_back(Move::Redraw(KeyFrameSteps(delay, table.Frame(step.Code, k).Rate)));
    }
    if (step.Modifier != kThousandsMove) continue;
    for (const auto& [across, up] : kThousandsMoves) {
      WristOffsets offsets{};
      offsets[kRightWristPosY] = across;
      offsets[kRightWristPosZ] = up;
      script.push_back(Move::TargetShifted(step.Code, 0, offsets));
      script.push_back(Move::Redraw(FifthOfDelay(delay)));
    }
  }
  return script;
}

std::optional<std::vector<TextSpan>> NumeralSystem::SignSpans(const QString& text) const {
  return NumeralSignSpans(text);
}
