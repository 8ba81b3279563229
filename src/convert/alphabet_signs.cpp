#include "convert/alphabet_signs.h"

namespace {

constexpr int16_t kAslT = 27;

}  // namespace

SignSequence AlphabetSigns(QStringView text, bool aslT) {
  SignSequence steps;
  for (const QChar c : text) {
    // Only ASCII letters: a dotless i or the Kelvin sign is no letter of the alphabet,
    // even where its capital is one.
    const char16_t u = c.unicode();
    const char16_t upper = u >= u'a' && u <= u'z' ? static_cast<char16_t>(u - 32) : u;
    if (upper < u'A' || upper > u'Z') continue;
    int16_t code = static_cast<int16_t>(upper - 64);
    if (code == 20 && aslT) code = kAslT;
    steps.push_back({code, 0});
  }
  // Downwards, so a run of three or more ends with 16 on the first and 128 on the rest.
  for (size_t j = steps.size(); j-- > 1;) {
    if (steps[j - 1].Code == steps[j].Code) {
      steps[j - 1].Modifier = kDoubledFirst;
      steps[j].Modifier = kDoubledSecond;
    }
  }
  return steps;
}
