#include "convert/hangul_syllable.h"

namespace {

constexpr char16_t kFirstSyllable = 0xAC00;
constexpr int kSyllablesPerInitial = kHangulVowels * kHangulFinals;  // 588

}  // namespace

bool IsValidSyllable(const HangulSyllable& s) {
  return s.Initial >= 0 && s.Initial < kHangulInitials && s.Vowel >= 0 &&
         s.Vowel < kHangulVowels && s.Final >= 0 && s.Final < kHangulFinals;
}

std::optional<HangulSyllable> DecomposeHangul(QChar c) {
  const int v = static_cast<int>(c.unicode()) - kFirstSyllable;
  if (v < 0 || v >= kHangulInitials * kSyllablesPerInitial) return std::nullopt;
  const int initial = v / kSyllablesPerInitial;
  const int vowel = (v - initial * kSyllablesPerInitial) / kHangulFinals;
  const int final = v - initial * kSyllablesPerInitial - vowel * kHangulFinals;
  return HangulSyllable{initial, vowel, final};
}

QChar ComposeHangul(const HangulSyllable& s) {
  return QChar(static_cast<char16_t>(kFirstSyllable + s.Initial * kSyllablesPerInitial +
                                     s.Vowel * kHangulFinals + s.Final));
}
