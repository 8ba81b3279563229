#include "convert/kana_signs.h"

namespace {

constexpr uint16_t kHalfWidthOffset = 0xFEC0;  // U+FF61 - 0xA1

}  // namespace

uint16_t CodePageKanaValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= 0xFF61 && u <= 0xFF9F) return static_cast<uint16_t>(u - kHalfWidthOffset);
  // ASCII keeps its code; everything else is outside the single-byte kana range in
  // the code page as well.
  return u < 0x80 ? static_cast<uint16_t>(u) : 0xFFFF;
}

QChar HalfWidthKatakana(uint16_t codePageValue) {
  return QChar(static_cast<char16_t>(codePageValue + kHalfWidthOffset));
}

std::optional<std::vector<SignStep>> KanaSigns(std::span<const uint16_t> codePageValues) {
  std::vector<SignStep> steps;
  steps.reserve(codePageValues.size());
  for (const uint16_t v : codePageValues) {
    if (v >= 0xA7 && v <= 0xAB) {         // ｧ..ｫ: the plain vowels
      steps.push_back({static_cast<int16_t>(v - 0xA6), kSmallKana});
    } else if (v >= 0xAC && v <= 0xAE) {  // ｬ ｭ ｮ: ﾔ ﾕ ﾖ
      steps.push_back({static_cast<int16_t>(v - 0x88), kSmallKana});
    } else if (v == 0xAF) {               // ｯ: ﾂ
      steps.push_back({18, kSmallKana});
    } else if (v == 0xA6) {               // ｦ is shown as ｵ
      steps.push_back({5, kSmallKana});
    } else if (v == 0xB0) {               // ｰ
      steps.push_back({46, 0});
    } else if (v >= 0xB1 && v <= 0xDD) {  // ｱ..ﾝ
      steps.push_back({static_cast<int16_t>(v - 0xB0), 0});
    } else if (v == 0xDE || v == 0xDF) {  // ﾞ ﾟ
      if (steps.empty()) return std::nullopt;
      steps.back().Modifier = v == 0xDE ? kVoicedMark : kSemiVoicedMark;
    } else {
      return std::nullopt;
    }
  }
  for (size_t k = 1; k < steps.size(); ++k) {
    if (steps[k - 1].Code == steps[k].Code && steps[k - 1].Modifier == 0) {
      steps[k - 1].Modifier = kRepeatedKana;
      if (steps[k].Modifier == 0) steps[k].Modifier = kRepeatedKana;
    }
  }
  return steps;
}
