#include "convert/ksl_class.h"

#include "app/app_state.h"
#include "convert/hangul_romanization.h"
#include "convert/hangul_signs.h"
#include "convert/playback_steps.h"
#include "convert/sign_sequence.h"
#include "render/playback_engine.h"

#include <array>
#include <utility>

namespace {

// Offsets of RightWristPos(1) and (2) for grid places 1..9. Places 1, 2, 3 are the top
// row of the block, 4, 5, 6 the middle and 7, 8, 9 the bottom row; within a row the
// first place is the middle column, the second the left and the third the right one,
// as the viewer sees them.
constexpr std::array<std::pair<float, float>, 9> kGridOffsets = {{
    {0.0f, 80.0f}, {-80.0f, 80.0f}, {80.0f, 80.0f},
    {0.0f, 0.0f}, {-80.0f, 0.0f}, {80.0f, 0.0f},
    {0.0f, -80.0f}, {-80.0f, -80.0f}, {80.0f, -80.0f},
}};

}  // namespace

KslClass::KslClass(PlaybackEngine& engine) : engine_(engine) {}

bool KslClass::Text(const QString& text) {
  text_ = text;
  std::optional<std::vector<HangulSyllable>> syllables = HangulCodeGenerate(text);
  result_ = syllables && HangulCodeGenerateArray(std::move(*syllables));
  return result_;
}

bool KslClass::RomanText(const QString& text) {
  text_ = text;
  std::optional<std::vector<HangulSyllable>> syllables = ConverterHangulArray(text);
  result_ = syllables && HangulCodeGenerateArray(std::move(*syllables));
  return result_;
}

QString KslClass::HangulString() const {
  QString text;
  text.reserve(static_cast<qsizetype>(syllables_.size()));
  for (const HangulSyllable& s : syllables_) text += ComposeHangul(s);
  return text;
}

std::optional<std::vector<HangulSyllable>> KslClass::ConverterHangulArray(const QString& text) {
  return ParseRomanizedHangul(text);
}

std::optional<std::vector<HangulSyllable>> KslClass::HangulCodeGenerate(const QString& text) {
  std::vector<HangulSyllable> syllables;
  syllables.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) {
    const std::optional<HangulSyllable> syllable = DecomposeHangul(c);
    if (!syllable) return std::nullopt;
    syllables.push_back(*syllable);
  }
  return syllables;
}

bool KslClass::HangulCodeGenerateArray(std::vector<HangulSyllable> syllables) {
  const std::optional<std::vector<SignStep>> steps = HangulSigns(syllables);
  if (!steps) return false;
  StoreSignSequence(engine_.State(), *steps);
  syllables_ = std::move(syllables);
  return true;
}

void KslClass::StartRoutine(int16_t delay) {
  AppState& state = engine_.State();
  delay_ = delay;
  engine_.SetHandPose(0, 0);
  for (const SignStep step : CurrentSignSequence(state)) {
    const int frames = KeyFrameCount(state, step.Code);
    for (int k = 0; k < frames; ++k) {
      if (step.Modifier >= 1 && step.Modifier <= 9) {
        const auto [across, up] = kGridOffsets[static_cast<size_t>(step.Modifier - 1)];
        WristOffsets offsets{};
        offsets[kRightWristPosY] = across;
        offsets[kRightWristPosZ] = up;
        engine_.SetHandTargetShifted(step.Code, k, offsets);
      }
      engine_.Redraw(KeyFrameSteps(delay_, KeyFrameOf(state, step.Code, k).Rate));
    }
  }
}
