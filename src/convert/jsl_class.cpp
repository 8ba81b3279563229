#include "convert/jsl_class.h"

#include "convert/kana_signs.h"
#include "convert/playback_steps.h"
#include "convert/romaji_converter.h"
#include "convert/sign_sequence.h"
#include "render/playback_engine.h"

namespace {

// ConverterAsc numbers kana by their code points, 320 below the code page values
// modulo 2^16 (0xB1 ｱ is 0xFF71).
constexpr uint16_t kRomajiShift = 320;

constexpr float kBounceAngle = 10.0f;
constexpr float kMarkDistance = 100.0f;

uint16_t CodePageValue(uint16_t value, bool romaji) {
  return static_cast<uint16_t>(romaji ? value + kRomajiShift : value);
}

}  // namespace

JslClass::JslClass(PlaybackEngine& engine) : engine_(engine) {}

bool JslClass::Text(const QString& text) {
  text_ = text;
  return KanaCodeGenerateArray(KanaCodeGenerate(text), false);
}

bool JslClass::RomanText(const QString& text) {
  text_ = text;
  std::optional<std::vector<uint16_t>> kana = ConverterAsc(text);
  if (!kana) {
    result_ = false;
    return false;
  }
  return KanaCodeGenerateArray(std::move(*kana), true);
}

bool JslClass::KanaArraySet(std::span<const uint16_t> values) {
  return KanaCodeGenerateArray(std::vector<uint16_t>(values.begin(), values.end()), romaji_);
}

std::optional<std::vector<uint16_t>> JslClass::ConverterAsc(const QString& text) {
  std::optional<std::vector<uint16_t>> kana = RomajiToCodePageKana(LowerRomaji(text));
  if (kana)
    for (uint16_t& v : *kana) v = static_cast<uint16_t>(v - kRomajiShift);
  return kana;
}

QString JslClass::KatakanaString() const {
  QString text;
  text.reserve(static_cast<qsizetype>(kana_.size()));
  for (const uint16_t v : kana_) {
    // Kana from Text are code page values and are shown as the katakana they stand for.
    const uint16_t codePage = CodePageValue(v, romaji_);
    text += codePage >= 0xA1 && codePage <= 0xDF ? HalfWidthKatakana(codePage)
                                                 : QChar(static_cast<char16_t>(v));
  }
  return text;
}

std::vector<uint16_t> JslClass::KanaCodeGenerate(const QString& text) {
  std::vector<uint16_t> values;
  values.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) values.push_back(CodePageKanaValue(c));
  return values;
}

bool JslClass::KanaCodeGenerateArray(std::vector<uint16_t> values, bool romaji) {
  std::vector<uint16_t> codePage(values.size());
  for (size_t i = 0; i < values.size(); ++i) codePage[i] = CodePageValue(values[i], romaji);
  const std::optional<std::vector<SignStep>> steps = KanaSigns(codePage);
  result_ = steps.has_value();
  if (!result_) return false;
  StoreSignSequence(engine_.State(), *steps);
  kana_ = std::move(values);
  romaji_ = romaji;
  return true;
}

void JslClass::StartRoutine(int16_t delay) {
  AppState& state = engine_.State();
  delay_ = delay;
  engine_.SetHandPose(0, 0);
  for (const SignStep step : CurrentSignSequence(state)) {
    const int frames = KeyFrameCount(state, step.Code);
    for (int k = 0; k < frames; ++k) {
      engine_.SetHandTargetShifted(step.Code, k, WristOffsets{});
      engine_.Redraw(KeyFrameSteps(delay_, KeyFrameOf(state, step.Code, k).Rate));
    }
    PlayModifier(step);
  }
}

void JslClass::PlayModifier(const SignStep& step) {
  const AppState& state = engine_.State();
  const int code = step.Code;
  WristOffsets offsets{};
  if (step.Modifier == kRepeatedKana && KeyFrameCount(state, code) == 1) {
    const KeyFrame& frame = KeyFrameOf(state, code, 0);
    offsets[frame.RightWristAngle[2] != 0.0f ? kRightWristAngleX : kRightWristAngleY] = kBounceAngle;
    engine_.SetHandTargetShifted(code, 0, offsets);
    engine_.Redraw(FifthOfDelay(delay_));
    engine_.SetHandTargetShifted(code, 0, WristOffsets{});
    engine_.Redraw(FifthOfDelay(delay_));
    return;
  }
  switch (step.Modifier) {
    case 0:
      return;
    case kVoicedMark:
      offsets[kRightWristPosY] = -kMarkDistance;
      break;
    case kSemiVoicedMark:
      offsets[kRightWristPosZ] = kMarkDistance;
      break;
    case kSmallKana:
      offsets[kRightWristPosX] = -kMarkDistance;
      break;
    default:
      // A repeated shape of several key frames holds its last pose instead of bouncing.
      engine_.Redraw(delay_);
      return;
  }
  // The marks move from key frame 0 of the shape, whatever frame the shape ended on.
  engine_.SetHandTargetShifted(code, 0, offsets);
  engine_.Redraw(delay_);
}
