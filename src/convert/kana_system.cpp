#include "convert/kana_system.h"

#include "convert/kana_signs.h"
#include "convert/playback_steps.h"
#include "convert/romaji_converter.h"
#include "signdata/sign_table.h"

namespace {

constexpr float kBounceAngle = 10.0f;
constexpr float kMarkDistance = 100.0f;

void AppendModifier(MoveScript& script, const SignTable& table, const SignStep& step,
                    int16_t delay) {
  const int code = step.Code;
  WristOffsets offsets{};
  if (step.Modifier == kRepeatedKana && table.KeyFrameCount(code) == 1) {
    const KeyFrame& frame = table.Frame(code, 0);
    offsets[frame.RightWristAngle[2] != 0.0f ? kRightWristAngleX : kRightWristAngleY] = kBounceAngle;
    script.push_back(Move::TargetShifted(code, 0, offsets));
    script.push_back(Move::Redraw(FifthOfDelay(delay)));
    script.push_back(Move::TargetShifted(code, 0, WristOffsets{}));
    script.push_back(Move::Redraw(FifthOfDelay(delay)));
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
      script.push_back(Move::Redraw(delay));
      return;
  }
  // The marks move from key frame 0 of the shape, whatever frame the shape ended on.
  script.push_back(Move::TargetShifted(code, 0, offsets));
  script.push_back(Move::Redraw(delay));
}

// Code page kana as a word, or an error when a value is no kana sign (a space, a mark
// with nothing before it): a conversion is all or nothing.
ConversionResult KanaConversion(const std::vector<uint16_t>& codePageValues) {
  std::optional<SignSequence> steps = KanaSigns(codePageValues);
  if (!steps) return ConversionError{};
  // Every value a kana sign accepts is a half-width katakana.
  QString katakana;
  katakana.reserve(static_cast<qsizetype>(codePageValues.size()));
  for (const uint16_t v : codePageValues) katakana += HalfWidthKatakana(v);
  return Conversion{std::move(*steps), katakana};
}

}  // namespace

ConversionResult KanaSystem::Convert(const QString& text, int16_t) const {
  std::vector<uint16_t> values;
  values.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) values.push_back(CodePageKanaValue(c));
  return KanaConversion(values);
}

ConversionResult KanaSystem::ConvertRomanized(const QString& text) const {
  const std::optional<std::vector<uint16_t>> kana = RomajiToCodePageKana(LowerRomaji(text));
  if (!kana) return ConversionError{};
  return KanaConversion(*kana);
}

MoveScript KanaSystem::Choreograph(const SignTable& table, const SignSequence& steps,
                                   int16_t delay) const {
  MoveScript script{Move::Pose(0, 0)};
  for (const SignStep step : steps) {
    const int frames = table.KeyFrameCount(step.Code);
    for (int k = 0; k < frames; ++k) {
      script.push_back(Move::TargetShifted(step.Code, k, WristOffsets{}));
      script.push_back(Move::Redraw(KeyFrameSteps(delay, table.Frame(step.Code, k).Rate)));
    }
    AppendModifier(script, table, step, delay);
  }
  return script;
}
