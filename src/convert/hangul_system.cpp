#include "convert/hangul_system.h"

#include "convert/hangul_romanization.h"
#include "convert/hangul_signs.h"
#include "convert/hangul_syllable.h"
#include "convert/playback_steps.h"
#include "signdata/sign_table.h"

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

// Syllables as a word, or an error when one has no signs: all or nothing.
ConversionResult HangulConversion(const std::vector<HangulSyllable>& syllables) {
  std::optional<SignSequence> steps = HangulSigns(syllables);
  if (!steps) return ConversionError{};
  QString hangul;
  hangul.reserve(static_cast<qsizetype>(syllables.size()));
  for (const HangulSyllable& s : syllables) hangul += ComposeHangul(s);
  return Conversion{std::move(*steps), hangul};
}

}  // namespace

ConversionResult HangulSystem::Convert(const QString& text, int16_t) const {
  std::vector<HangulSyllable> syllables;
  syllables.reserve(static_cast<size_t>(text.size()));
  for (const QChar c : text) {
    const std::optional<HangulSyllable> syllable = DecomposeHangul(c);
    if (!syllable) return ConversionError{};
    syllables.push_back(*syllable);
  }
  return HangulConversion(syllables);
}

ConversionResult HangulSystem::ConvertRomanized(const QString& text) const {
  const std::optional<std::vector<HangulSyllable>> syllables = ParseRomanizedHangul(text);
  if (!syllables) return ConversionError{};
  return HangulConversion(*syllables);
}

MoveScript HangulSystem::Choreograph(const SignTable& table, const SignSequence& steps,
                                     int16_t delay) const {
  MoveScript script{Move::Pose(0, 0)};
  for (const SignStep step : steps) {
    const int frames = table.KeyFrameCount(step.Code);
    for (int k = 0; k < frames; ++k) {
      // A letter without a place keeps the target of the one before.
      if (step.Modifier >= 1 && step.Modifier <= 9) {
        const auto [across, up] = kGridOffsets[static_cast<size_t>(step.Modifier - 1)];
        WristOffsets offsets{};
        offsets[kRightWristPosY] = across;
        offsets[kRightWristPosZ] = up;
        script.push_back(Move::TargetShifted(step.Code, k, offsets));
      }
      script.push_back(Move::Redraw(KeyFrameSteps(delay, table.Frame(step.Code, k).Rate)));
    }
  }
  return script;
}

QString HangulSystem::SignLetter(SignStep step) const {
  // The compatibility jamo, which stand alone as letters, in the order of the signs.
  static constexpr std::array<char16_t, kHangulInitials> kInitials = {
      u'ㄱ', u'ㄲ', u'ㄴ', u'ㄷ', u'ㄸ', u'ㄹ', u'ㅁ', u'ㅂ', u'ㅃ', u'ㅅ',
      u'ㅆ', u'ㅇ', u'ㅈ', u'ㅉ', u'ㅊ', u'ㅋ', u'ㅌ', u'ㅍ', u'ㅎ'};
  constexpr char16_t kFirstVowel = u'ㅏ';
  if (step.Code >= 1 && step.Code <= kHangulInitials)
    return QString(QChar(kInitials[static_cast<size_t>(step.Code - 1)]));
  if (step.Code >= 20 && step.Code < 20 + kHangulVowels) return QString(QChar(kFirstVowel + (step.Code - 20)));
  return {};
}
