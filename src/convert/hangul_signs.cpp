#include "convert/hangul_signs.h"

#include <array>

namespace {

// The consonant signs that spell each final, 0 for none.
constexpr std::array<std::array<int16_t, 2>, kHangulFinals> kFinalSigns = {{
    {0, 0},    // none
    {1, 0},    // ㄱ
    {1, 1},    // ㄲ
    {1, 10},   // ㄳ
    {3, 0},    // ㄴ
    {3, 13},   // ㄵ
    {3, 19},   // ㄶ
    {4, 0},    // ㄷ
    {6, 0},    // ㄹ
    {6, 1},    // ㄺ
    {6, 7},    // ㄻ
    {6, 8},    // ㄼ
    {6, 10},   // ㄽ
    {6, 17},   // ㄾ
    {6, 18},   // ㄿ
    {6, 19},   // ㅀ
    {7, 0},    // ㅁ
    {8, 0},    // ㅂ
    {8, 10},   // ㅄ
    {10, 0},   // ㅅ
    {10, 10},  // ㅆ
    {12, 0},   // ㅇ
    {13, 0},   // ㅈ
    {15, 0},   // ㅊ
    {16, 0},   // ㅋ
    {17, 0},   // ㅌ
    {18, 0},   // ㅍ
    {19, 0},   // ㅎ
}};

// ㅗ ㅘ ㅙ ㅛ ㅜ ㅝ ㅞ ㅟ ㅠ ㅡ ㅢ are written below the initial; the others, ㅚ among
// them, beside it.
bool VowelBelow(int vowel) { return vowel >= 8 && vowel < 20 && vowel != 11; }

}  // namespace

std::optional<std::vector<SignStep>> HangulSigns(std::span<const HangulSyllable> syllables) {
  for (const HangulSyllable& s : syllables)
    if (!IsValidSyllable(s)) return std::nullopt;

  std::vector<SignStep> steps;
  steps.reserve(syllables.size() * 4);
  for (const HangulSyllable& s : syllables) {
    const bool below = VowelBelow(s.Vowel);
    steps.push_back({static_cast<int16_t>(s.Initial + 1), static_cast<int16_t>(below ? 1 : 2)});
    steps.push_back({static_cast<int16_t>(s.Vowel + 20), static_cast<int16_t>(below ? 4 : 3)});
    const auto& finals = kFinalSigns[s.Final];
    if (finals[1] != 0) {
      steps.push_back({finals[0], static_cast<int16_t>(below ? 8 : 5)});
      steps.push_back({finals[1], static_cast<int16_t>(below ? 9 : 6)});
    } else if (finals[0] != 0) {
      steps.push_back({finals[0], static_cast<int16_t>(below ? 7 : 4)});
    }
  }
  return steps;
}
